// The depth scroll bar beside the log: where it stands, where its thumb starts, and that there is one.
#include "layout/custchartcfg.h"
#include "shell/ui/logwindow.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStatusBar>

#include <gtest/gtest.h>

namespace {

struct Window {
    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    app::LogState& s = window.State();
    // A well of first..last laid out as the demo well on a full-HD screen: log width 1064, unit 10,
    // top margin 160, 72 rows of 10.
    Window(int first, int last)
    {
        s.well.file.fileTopDepth = first;
        s.well.file.fileBottomDepth = last;
        s.well.file.viewTopDepth = first;
        layout::LogLayout& L = s.layout.format;
        L.logRight = 1064;
        L.trackUnit = 10;
        L.logAreaTop = 160;
        L.pixelsPerStep = 10;
        L.visibleRows = 72;
        window.resize(1920, 1080);
    }
    QScrollBar& Bar()
    {
        window.CreateDepthScrollBar();
        return *window.DepthScrollBar();
    }
    int VerticalBars() const
    {
        int n = 0;
        for (const QScrollBar* b : window.findChildren<QScrollBar*>())
            n += b->orientation() == Qt::Vertical;
        return n;
    }
};

}  // namespace

TEST(DepthBar, ItsThumbStartsAtThePercentageOfTheWellAboveTheView)
{
    Window w(1000, 3000);
    for (const auto& [top, position] : {std::pair{1500, 25}, {1999, 49}, {3000, 100}, {1000, 0}}) {
        w.s.well.file.viewTopDepth = top;
        EXPECT_EQ(w.Bar().value(), position) << top;
    }
    Window one(1000, 1000);  // one record: no division by zero
    EXPECT_EQ(one.Bar().value(), 0);
    EXPECT_EQ(one.Bar().minimum(), 0);
    EXPECT_EQ(one.Bar().maximum(), 100);
}

TEST(DepthBar, StandsBesideTheLogDownToItsLastRowAndSetsTheLogBottom)
{
    Window w(1000, 3000);
    QScrollBar& bar = w.Bar();
    EXPECT_EQ(bar.x(), 1064 + 10);
    EXPECT_EQ(bar.height(), 72 * 10);
    EXPECT_EQ(w.s.view.logAreaBottom, 72 * 10 + 160);
    EXPECT_EQ(bar.focusPolicy(), Qt::NoFocus);

    // Custom tracks take one more unit.
    w.s.customTracks.data = std::make_unique<layout::CUSTOMDATA>(&w.s.customTracks.host, false);
    EXPECT_EQ(w.Bar().x(), 1064 + 20);
    w.s.customTracks.data.reset();

    // A window narrower than the log keeps the bar inside it, at its right edge.
    w.window.resize(900, 700);
    QScrollBar& narrow = w.Bar();
    EXPECT_EQ(narrow.x(), 900 - narrow.width());
}

// A message on the status line (a drilling fault says one) on a window narrower than the log: the depth
// bar beside the log's rows and the horizontal bar end above the line, at every size of the window.
TEST(DepthBar, TheLogAndItsBarsEndAboveTheStatusLine)
{
    Window w(1000, 3000);
    w.window.resize(900, 700);
    w.window.show();
    w.window.WellServices().window->SetStatusText(w.s, QStringLiteral("Extended data of depth 2000 not written"));
    for (const QSize size : {QSize(900, 700), QSize(1000, 768)}) {
        w.window.resize(size);
        QCoreApplication::processEvents();
        const QWidget* line = w.window.statusBar();
        ASSERT_TRUE(line->isVisible());
        const int lineTop = line->geometry().top();
        ASSERT_NE(w.window.HorizontalScrollBar(), nullptr);
        EXPECT_LT(w.window.HorizontalScrollBar()->geometry().bottom(), lineTop) << size.width();
        EXPECT_LT(w.window.DepthScrollBar()->geometry().bottom(), lineTop) << size.width();
    }
}

TEST(DepthBar, LayoutsAndResizesLeaveExactlyOneBar)
{
    Window w(1000, 3000);
    w.window.SetLogFormat(12);
    w.window.SetLogFormat(12);
    w.window.EvSize(1000, 700);
    w.window.EvSize(1400, 900);
    w.window.SetLogFormat(12);
    EXPECT_EQ(w.VerticalBars(), 1);
    // The log bottom follows the visible rows of the format, not the log-area rectangle.
    const layout::LogLayout& L = w.s.layout.format;
    EXPECT_EQ(w.s.view.logAreaBottom, L.visibleRows * L.pixelsPerStep + L.logAreaTop);
    w.window.EvSize(1400, 900);
    EXPECT_EQ(w.s.view.logAreaBottom, (900 - 160 - 80) / 10 * 10 + 160);
    EXPECT_EQ(w.VerticalBars(), 1);
}
