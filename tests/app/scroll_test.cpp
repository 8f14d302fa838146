#include "app/scrolling.h"
#include "logview/draw/viewbitmaps.h"
#include "shell/ui/logwindow.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace {

struct Window {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    Window(int first, int last)
    {
        wellfile::OpenWell& w = window.State().well.file;
        w.fileTopDepth = first;
        w.fileBottomDepth = last;
        w.viewTopDepth = first;
    }
    std::int32_t Top() { return window.State().well.file.viewTopDepth; }
    // An off-screen log as a render leaves it, each column its own shade: column x is RGB(x % 256, x / 256, 7).
    void GiveOffScreenLog(int width, int height)
    {
        QImage log(width, height, QImage::Format_RGB32);
        for (int x = 0; x < width; ++x)
            for (int y = 0; y < height; ++y)
                log.setPixel(x, y, qRgb(x % 256, x / 256, 7));
        window.State().view.bitmaps->offScreenLog = log;
    }
    int BarOfView() { return app::DepthBarPosition(Top(), {1000, 3000, 40}); }
};

void Wheel(QWidget* target, int delta)
{
    QWheelEvent e(QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)), QPoint(), QPoint(0, delta), Qt::NoButton,
                  Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(target, &e);
}

}  // namespace

TEST(Scrolling, ThumbPositionsGiveEvenTopsOfTheFileRange)
{
    Window w(1000, 3000);
    const std::pair<int, int> cases[] = {{37, 1740}, {38, 1760}, {33, 1660}, {0, 1000}};
    for (auto [thumb, top] : cases) {
        w.window.EvVScroll(app::SB_THUMBPOSITION, thumb);
        EXPECT_EQ(w.Top(), top) << thumb;
    }
    // While dragging the thumb the view follows, and the bar is left where the user holds it.
    w.window.EvVScroll(app::SB_THUMBTRACK, 33);
    EXPECT_EQ(w.Top(), 1660);
    // An odd range gives an even top below the exact one.
    EXPECT_EQ(app::ScrollTarget(app::SB_THUMBPOSITION, 50, false, 0, {1001, 1004, 40}), 1002);
}

TEST(Scrolling, LinesAndPagesWithAndWithoutControlStayInTheFile)
{
    Window w(1000, 3000);
    w.window.EvSize(1000, 700);
    ASSERT_NE(w.window.DepthScrollBar(), nullptr);
    w.window.EvVScroll(app::SB_THUMBPOSITION, 50);
    ASSERT_EQ(w.Top(), 2000);
    w.window.EvKeyDown(Qt::Key_Down, true);
    w.window.EvKeyDown(Qt::Key_Down, true);
    EXPECT_EQ(w.Top(), 2004);
    w.window.EvKeyDown(Qt::Key_PageUp);
    EXPECT_EQ(w.Top(), 1954);
    w.window.EvVScroll(app::SB_PAGEDOWN, 0, true);
    EXPECT_EQ(w.Top(), 2054);
    w.window.EvVScroll(app::SB_LINEUP, 0);
    EXPECT_EQ(w.Top(), 2044);

    w.window.EvKeyDown(Qt::Key_End);
    EXPECT_EQ(w.Top(), 2960);
    EXPECT_EQ(w.window.DepthScrollBar()->value(), 100);  // 101 held by the bar's range
    w.window.EvVScroll(app::SB_PAGEDOWN, 0, true);
    EXPECT_EQ(w.Top(), 2960);
    w.window.EvKeyDown(Qt::Key_Home);
    EXPECT_EQ(w.Top(), 1000);
    EXPECT_EQ(w.window.DepthScrollBar()->value(), 1);
    w.window.EvVScroll(app::SB_LINEUP, 0);
    EXPECT_EQ(w.Top(), 1000);
    // The bar's own clicks arrive as the same scroll codes.
    w.window.DepthScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(w.Top(), 1050);
    EXPECT_EQ(w.window.DepthScrollBar()->value(), 3);

    // A file shorter than one screen keeps its first depth at the top.
    EXPECT_EQ(app::LimitTop(1030, {1000, 1020, 40}), 1000);
    EXPECT_EQ(app::DepthBarPosition(1500, {1000, 3000, 40}), 26);
}

TEST(Scrolling, TheWheelPagesAndBusyOrMemoStateHoldsTheView)
{
    Window w(1000, 3000);
    w.window.EvVScroll(app::SB_THUMBPOSITION, 50);
    for (int delta : {-120, -535, -536, -600, -32768}) {
        const std::int32_t before = w.Top();
        EXPECT_EQ(w.window.EvMouseWheel(delta), 1);
        EXPECT_EQ(w.Top(), before + 50) << delta;
    }
    w.window.EvMouseWheel(120);
    EXPECT_EQ(w.Top(), 2200);

    const std::int32_t top = w.Top();
    w.window.State().interaction.commandLock = true;
    w.window.EvMouseWheel(-120);
    w.window.State().interaction.commandLock = false;
    w.window.State().interaction.dataEntryActive = 1;
    w.window.EvKeyDown(Qt::Key_Down);
    w.window.State().interaction.dataEntryActive = 0;
    EXPECT_EQ(doubles().sounder.beeps, 2);
    QWidget memo;
    w.window.Tools().memoEdit = &memo;
    w.window.EvMouseWheel(-120);
    w.window.EvVScroll(app::SB_PAGEDOWN, 0);
    EXPECT_EQ(doubles().sounder.beeps, 2);
    EXPECT_EQ(w.Top(), top);
}

TEST(Scrolling, ANarrowWindowGetsTheHorizontalBarAndAWideOneLosesIt)
{
    Window w(1000, 3000);
    w.window.State().layout.format.trackUnit = 10;
    w.window.EvSize(900, 700);
    ASSERT_NE(w.window.HorizontalScrollBar(), nullptr);
    EXPECT_EQ(w.window.State().layout.format.logRight, 988);
    EXPECT_EQ(w.window.HorizontalScrollBar()->objectName(), "1");
    EXPECT_EQ(w.window.State().layout.format.visibleRows, (700 - 160 - 80) / 10);

    w.GiveOffScreenLog(988, 700);
    w.window.EvHScroll(app::SB_PAGERIGHT, 0);
    EXPECT_EQ(w.window.State().scroll.horizontalOffset, 50);
    w.window.State().view.redrawPending = true;  // a render is owed
    w.window.EvSize(1000, 700);
    EXPECT_EQ(w.window.HorizontalScrollBar(), nullptr);
    EXPECT_EQ(w.window.State().scroll.horizontalOffset, 0);
    EXPECT_TRUE(w.window.State().view.redrawPending) << "widening must not drop the owed render";
}

TEST(Scrolling, TheWheelOverEitherBarPagesTheLogAndTheBarsAlwaysShowTheView)
{
    Window w(1000, 3000);
    w.window.State().layout.format.trackUnit = 10;
    w.window.EvSize(900, 700);
    w.GiveOffScreenLog(988, 700);
    QScrollBar* depth = w.window.DepthScrollBar();
    QScrollBar* horz = w.window.HorizontalScrollBar();
    ASSERT_NE(depth, nullptr);
    ASSERT_NE(horz, nullptr);

    Wheel(depth, -120);
    EXPECT_EQ(w.Top(), 1050);
    EXPECT_EQ(depth->value(), w.BarOfView());
    Wheel(horz, -120);  // pages the log too, and leaves the sideways offset alone
    EXPECT_EQ(w.Top(), 1100);
    EXPECT_EQ(w.window.State().scroll.horizontalOffset, 0);
    EXPECT_EQ(horz->value(), 0);
    EXPECT_EQ(depth->value(), w.BarOfView());

    // A refused scroll leaves the thumbs where the view is.
    w.window.State().interaction.commandLock = true;
    depth->triggerAction(QAbstractSlider::SliderPageStepAdd);
    horz->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(doubles().sounder.beeps, 2);
    EXPECT_EQ(w.Top(), 1100);
    EXPECT_EQ(depth->value(), w.BarOfView());
    EXPECT_EQ(horz->value(), 0);
    w.window.State().interaction.commandLock = false;

    QWidget memo;
    w.window.Tools().memoEdit = &memo;
    depth->triggerAction(QAbstractSlider::SliderToMaximum);
    horz->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w.Top(), 1100);
    EXPECT_EQ(depth->value(), w.BarOfView());
    EXPECT_EQ(horz->value(), 0);
    w.window.Tools().memoEdit = nullptr;

    // Moves that move nothing: the horizontal bar to its end (not a scroll of the log), line left at 0.
    horz->triggerAction(QAbstractSlider::SliderToMaximum);
    horz->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(w.window.State().scroll.horizontalOffset, 0);
    EXPECT_EQ(horz->value(), 0);
}

TEST(Scrolling, SidewaysTheLogIsCopiedFromItsRenderAndNothingMovesBeforeThereIsOne)
{
    Window w(1000, 3000);
    w.window.State().layout.format.trackUnit = 10;
    w.window.resize(900, 700);
    w.window.EvSize(900, 700);
    ASSERT_NE(w.window.HorizontalScrollBar(), nullptr);
    const QImage before = w.window.BackingStore().copy();
    w.window.EvHScroll(app::SB_LINERIGHT, 0);
    w.window.EvHScroll(app::SB_THUMBTRACK, 40);
    EXPECT_EQ(w.window.State().scroll.horizontalOffset, 0);
    EXPECT_EQ(w.window.BackingStore(), before);

    // A log 988 wide and shorter than the window: the window's width comes from column `offset` on (a
    // depth bar may stand left of the window's edge, with log to its right); below the render's bottom
    // the window keeps what it showed, past its right end it is blank.
    w.GiveOffScreenLog(988, 600);
    const int thick = 900 - w.window.HorizontalScrollBar()->width();
    w.window.EvHScroll(app::SB_LINERIGHT, 0);
    ASSERT_EQ(w.window.State().scroll.horizontalOffset, 10);
    const QImage& store = w.window.BackingStore();
    EXPECT_EQ(store.pixel(0, 0), qRgb(10, 0, 7));
    EXPECT_EQ(store.pixel(300, 599), qRgb(54, 1, 7));  // column 310
    EXPECT_EQ(store.pixel(300, 600), before.pixel(300, 600));
    EXPECT_EQ(store.pixel(900 - thick, 10), qRgb((910 - thick) % 256, (910 - thick) / 256, 7));
    EXPECT_EQ(store.pixel(899, 10), qRgb(909 % 256, 909 / 256, 7));

    // At the far end the last column copied is the render's last; the window right of it is blank.
    w.window.EvHScroll(app::SB_THUMBTRACK, 988 - 900 + thick);
    EXPECT_EQ(store.pixel(899 - thick, 0), qRgb(987 % 256, 987 / 256, 7));
    EXPECT_EQ(store.pixel(900 - thick, 0), qRgb(255, 255, 255));
}

TEST(Scrolling, HorizontalStepsStopShortOfTheEnd)
{
    // max 100, unit 10: page right only while 50 or more remain; a thumb beyond max is ignored.
    EXPECT_EQ(app::HorizontalTarget(app::SB_PAGERIGHT, 0, 50, 100, 10), 100);
    EXPECT_EQ(app::HorizontalTarget(app::SB_PAGERIGHT, 0, 51, 100, 10), 51);
    EXPECT_EQ(app::HorizontalTarget(app::SB_THUMBTRACK, 120, 30, 100, 10), 30);
    EXPECT_FALSE(app::HorizontalTarget(app::SB_THUMBPOSITION, 70, 30, 100, 10).has_value());
    EXPECT_EQ(app::HorizontalBarPosition(5, 0), 0);
}

TEST(Scrolling, DepthAtRowStepsByTheDepthStepAndStaysInTheFile)
{
    app::RowGeometry g;
    g.logAreaBottom = 700;
    g.viewTopDepth = 1100;
    g.fileTopDepth = 1000;
    g.fileBottomDepth = 3000;
    EXPECT_EQ(app::DepthAtRow(g, 160), 1100);
    g.depthStep = 2;
    EXPECT_EQ(app::DepthAtRow(g, 190), 1106);
    g.viewScale = 3;
    EXPECT_EQ(app::DepthAtRow(g, 190), 1115);
    g.viewScale = 1;
    EXPECT_EQ(app::DepthAtRow(g, 159), 3000);  // above the log area
    g.viewTopDepth = 1000;
    EXPECT_EQ(app::DepthAtRow(g, 160), 1012);
    g.viewTopDepth = 2990;
    EXPECT_EQ(app::DepthAtRow(g, 600), 3000);
    g.fileBottomDepth = 1005;  // shorter than the lower bound: the last depth
    g.viewTopDepth = 1000;
    EXPECT_EQ(app::DepthAtRow(g, 160), 1005);
}

TEST(Scrolling, DepthAtRowOfTheWindowFollowsTheLogRowsOfItsLayout)
{
    qputenv("USER", "tester");
    shell::LogWindow window(nullptr, QStringLiteral("StrativM"));
    window.SetupWindow();  // the demo well, one unit per record, laid out
    const app::LogState& s = window.State();
    const int top = s.layout.format.logAreaTop, row = s.layout.format.pixelsPerStep;
    const std::int32_t viewTop = s.well.file.viewTopDepth;
    ASSERT_GT(s.view.logAreaBottom, top + 4 * row);
    ASSERT_LT(viewTop + 12, s.well.file.fileBottomDepth);

    EXPECT_EQ(window.DepthAtRow(top + 3 * row + row / 2), viewTop + 3);
    EXPECT_EQ(window.DepthAtRow(s.view.logAreaBottom),
              std::min(viewTop + (s.view.logAreaBottom - top) / row, s.well.file.fileBottomDepth));
    EXPECT_EQ(window.DepthAtRow(s.view.logAreaBottom + 1), s.well.file.fileBottomDepth);
    EXPECT_EQ(window.DepthAtRow(top - 1), s.well.file.fileBottomDepth);
}

TEST(Scrolling, TheDepthBarIsMadeAtThePercentageOfTheWellAboveTheViewTop)
{
    const app::DepthRange well{1000, 3000, 40};
    EXPECT_EQ(app::DepthBarCreatePosition(1000, well), 0);
    EXPECT_EQ(app::DepthBarCreatePosition(1500, well), 25);
    EXPECT_EQ(app::DepthBarCreatePosition(1999, well), 49);  // 49.95 truncated
    EXPECT_EQ(app::DepthBarCreatePosition(3000, well), 100);
    // A well of one record has no span: it counts as 1, never as a division by zero.
    EXPECT_EQ(app::DepthBarCreatePosition(1000, {1000, 1000, 40}), 0);
    EXPECT_EQ(app::DepthBarCreatePosition(1000, {1000, 990, 40}), 0);
}
