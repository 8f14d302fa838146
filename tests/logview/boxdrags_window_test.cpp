// Memos, note frames and short-report boxes dragged on the painted demo log with real mouse events: the
// new depth and column stored in the ".mem" and ".qpt" files and nothing else changed, drags taken out
// of the log or let go out of range storing nothing, and the note edit opened over a drawn frame.
#include "app/notes.h"
#include "app/scrolling.h"
#include "app/ui/vertnoteedit.h"
#include "entry/memofiles.h"
#include "layout/trackflags.h"
#include "logview/geometryof.h"
#include "logview/memoslot.h"
#include "platform/logfont.h"
#include "platform/text.h"
#include "reports/dailyreport.h"
#include "reports/shortreports.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <cstring>

using wellfile::SVMEMO;
using wellfile::QREPORT;
using testing_support::ReadBytes;

namespace {

// The memos of these tests, all in the rate track's slot 1.
constexpr std::int32_t kMemoDepths[] = {1060, 1100, 1220, 2560};

platform::RECT RectAt(const SVMEMO& m, std::size_t offset)
{
    platform::RECT r;
    std::memcpy(&r, reinterpret_cast<const char*>(&m) + offset, sizeof r);
    return r;
}

QREPORT Report(std::int32_t depth, std::int32_t type, const char* wob)
{
    QREPORT r;
    r.depth = depth;
    r.type = type;
    std::strcpy(r.wob, wob);
    std::strcpy(r.weightOut, "1.12");
    r.mechanicalSlot = 14;
    r.mudSlot = 16;
    r.reserved331[100] = 0x5A;  // bytes nobody reads travel unchanged
    r.slotsConverted = 1;       // the slots of the present layout
    return r;
}

// The byte offsets at which two records differ.
std::vector<int> Changed(const char* a, const char* b, int size)
{
    std::vector<int> at;
    for (int i = 0; i < size; ++i)
        if (a[i] != b[i])
            at.push_back(i);
    return at;
}

class BoxDrags : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(testing_support::ShowDemoWindow(window));
        app::LogState& s = S();
        s.layout.schemes.trackFlags[layout::FLAG_MEMOS] = 1;
        std::vector<SVMEMO> memos;
        for (std::int32_t d : kMemoDepths) {
            SVMEMO m;
            m.depth = d;
            platform::SetFieldText(m.text, d == 1100 ? "Drag me\r\nsecond line\r\nthird line" : "A memo");
            m.slot = 1;
            m.drawRectangle = 1;
            m.shown = 1;
            m.frameColour = platform::RGB(255, 255, 255);
            m.font = platform::MakeLogFont("Arial", -12);
            memos.push_back(m);
        }
        testing_support::WriteRecords(MemPath(), memos);
        ASSERT_TRUE(app::LoadMemos(s));
        const logview::ViewGeometry g = logview::GeometryOf(s);
        ASSERT_EQ(g.rowHeight, 10);
        T = g.topMargin;
        invalidateBefore = s.view.invalidate;
        s.view.invalidate = [this] {
            ++repaints;
            invalidateBefore();
        };
    }

    app::LogState& S() { return window.State(); }
    QString MemPath() { return entry::MemoFilePath(S().well.file.currentFolder, S().well.file.wellName); }
    QString QptPath() { return reports::ShortReportFilePath(S().well.file.currentFolder, S().well.file.wellName); }
    int ClientTop() { return window.menuWidget() && window.menuWidget()->isVisible() ? window.menuWidget()->height() : 0; }
    QPoint At(int x, int y) { return QPoint(x, y + ClientTop()); }
    void Press(int x, int y) { QTest::mousePress(&window, Qt::LeftButton, Qt::ControlModifier, At(x, y)); }
    void Move(int x, int y) { QTest::mouseMove(&window, At(x, y)); }
    void Release(int x, int y)
    {
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::ControlModifier, At(x, y));
        QCoreApplication::processEvents();  // the paint the drag asked for
    }
    // Paints the log from `top`; the memo file then holds the boxes that paint recorded, as any save
    // after a paint writes them.
    void PaintAt(std::int32_t top)
    {
        S().well.file.viewTopDepth = top;
        window.PaintLog();
        QCoreApplication::processEvents();
        ASSERT_EQ(S().well.file.viewTopDepth, top);
        ASSERT_TRUE(app::SaveMemos(S()));
    }
    int RowY(std::int32_t d) { return T + (d - S().well.file.viewTopDepth) * 10 + 5; }
    const SVMEMO& MemoAt(std::int32_t depth)
    {
        const app::NoteState& n = S().notes;
        for (int i = 0; i < n.memoCount; ++i)
            if (n.memos[std::size_t(i)].depth == depth)
                return n.memos[std::size_t(i)];
        ADD_FAILURE() << "no memo at " << depth;
        return n.memos[0];
    }
    platform::RECT Strip(std::int32_t depth) { return RectAt(MemoAt(depth), offsetof(SVMEMO, topStrip)); }
    platform::RECT Handle(std::int32_t depth) { return RectAt(MemoAt(depth), offsetof(SVMEMO, cornerSquare)); }
    logview::SlotPlace SlotAt(int x) { return logview::XToMemoSlot(logview::ScreenMemoSlots(logview::GeometryOf(S())), x); }
    std::vector<SVMEMO> FileMemos()
    {
        const QByteArray bytes = ReadBytes(MemPath());
        std::vector<SVMEMO> m(std::size_t(bytes.size() / wellfile::kMemoSize));
        std::memcpy(m.data(), bytes.constData(), m.size() * sizeof(SVMEMO));
        return m;
    }
    // The memo at 1100 pressed in its box and moved so that its box's top is at (x, y).
    void DragMemoTo(int x, int y)
    {
        const platform::RECT strip = Strip(1100);
        Press(strip.left + 5, strip.top + 5);
        Move(x + 5, y);
    }
    // Three reports at 1100, 1150 and 1200; the 1150 report's box of one kind as the painter records it
    // with the view at `top`. The type of the 1150 report is `type`.
    void ReportsWithBox(std::int32_t top, bool mud, std::int32_t type = 0, std::int32_t boxDepth = 1150,
                        std::array<std::int32_t, 3> depths = {1100, 1150, 1200})
    {
        std::vector<QREPORT> list{Report(depths[0], 0, "10"), Report(depths[1], type, "12"),
                                  Report(depths[2], 0, "14")};
        reports::SortShortReports(list);
        testing_support::WriteRecords(QptPath(), list);
        reports::LoadShortReports(S().shortReports, S().well, S().env.remoteMonitorOn);
        PaintAt(top);
        const int boxTop = T - 10 + (boxDepth - top) * 10;
        box = {600, boxTop, 690, boxTop + 60};
        reports::ShortReportBoxes& table = mud ? S().shortReports.mud : S().shortReports.mechanical;
        table.Clear();
        table.Add(platform::RECT{200, 300, 260, 340}, platform::RECT{200, 300, 260, 320});  // another box
        table.Add(box, platform::RECT{box.left, box.top, box.right, box.top + 20});
    }
    // The 1150 box pressed and let go with its top at y, 40 pixels right.
    void DragBox(int y)
    {
        Press(box.left + 10, box.top + 5);
        const logview::MouseState& ms = S().interaction.mouse;
        EXPECT_TRUE(ms.shortReportDrilling || ms.shortReportMud);
        Move(box.left + 50, y);
        Release(box.left + 50, y);
    }

    shell::LogWindow window{nullptr, QStringLiteral("StrativM")};
    int T = 0;
    int repaints = 0;
    std::function<void()> invalidateBefore;
    platform::RECT box{};
};

}  // namespace

TEST_F(BoxDrags, AMovedMemoFollowsTheMouseAndStoresItsNewDepthAndColumnOnly)
{
    PaintAt(1040);
    const std::vector<SVMEMO> before = FileMemos();
    ASSERT_EQ(before.size(), 4u);
    const platform::RECT strip = Strip(1100);
    const QImage& store = window.BackingStore();
    const QRect boxArea(strip.left, strip.top, strip.right - strip.left, 30);
    const QImage boxImage = store.copy(boxArea);

    Press(strip.left + 5, strip.top + 5);
    Move(strip.left + 45, RowY(1105));
    // The box image stands at the mouse, less the grab offset.
    EXPECT_EQ(store.copy(boxArea.translated(40, RowY(1105) - strip.top)), boxImage);
    Release(strip.left + 45, RowY(1105));

    const std::vector<SVMEMO> after = FileMemos();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(std::int32_t(after[1].depth), 1105);
    const logview::SlotPlace place = SlotAt(strip.left + 40);
    EXPECT_EQ(std::int32_t(after[1].slot), place.slot);
    EXPECT_EQ(std::int32_t(after[1].slotOffset), place.offset);
    EXPECT_NE(place.offset + 0, 0);  // a place inside the slot, not its left edge
    const auto changed = Changed(reinterpret_cast<const char*>(&before[1]), reinterpret_cast<const char*>(&after[1]),
                                 wellfile::kMemoSize);
    for (int at : changed)
        EXPECT_TRUE(at < 4 || (at >= 504 && at < 508) || (at >= 630 && at < 634)) << at;
    for (std::size_t i : {0u, 2u, 3u})
        EXPECT_EQ(std::memcmp(&before[i], &after[i], sizeof(SVMEMO)), 0) << i;
    EXPECT_FALSE(S().interaction.mouse.memoMove);
    EXPECT_GE(repaints, 1);
}

TEST_F(BoxDrags, AMemoTakenOutOfTheLogIsDroppedAtTheLeftEdgeOrAbandoned)
{
    PaintAt(1040);
    const QByteArray before = ReadBytes(MemPath());
    const logview::ViewGeometry g = logview::GeometryOf(S());
    ASSERT_LT(g.logWidth + 5, window.width());
    // Past the right edge, below the log, past the top (a drop at the top margin, within a row of it).
    const QPoint outside[] = {{g.logWidth + 5, RowY(1105)}, {200, S().view.logAreaBottom + 5}, {200, T - 5}};
    for (const QPoint& p : outside) {
        DragMemoTo(200, RowY(1105));
        Move(p.x(), p.y());
        EXPECT_FALSE(S().interaction.mouse.memoMove);
        Release(p.x(), p.y());
        EXPECT_EQ(ReadBytes(MemPath()), before) << p.x() << "," << p.y();
    }
    // Let go out of range: at the view top + 2, at the last depth - 2 or below.
    DragMemoTo(200, RowY(1042));
    Release(205, RowY(1042));
    EXPECT_EQ(ReadBytes(MemPath()), before);

    // Past the left edge: dropped at x = 2, left of the tracks, where the box was last.
    DragMemoTo(200, RowY(1105));
    Move(1, RowY(1100));
    Release(1, RowY(1100));
    const std::vector<SVMEMO> after = FileMemos();
    EXPECT_EQ(std::int32_t(after[1].depth), 1105);
    EXPECT_EQ(std::int32_t(after[1].slot), 0);
    EXPECT_EQ(std::int32_t(after[1].slotOffset), 10);
}

TEST_F(BoxDrags, AMemoLetGoNearTheLastDepthStaysWhereItWas)
{
    const std::int32_t last = S().well.file.fileBottomDepth;
    PaintAt(last - 60);
    const QByteArray before = ReadBytes(MemPath());
    const platform::RECT strip = Strip(2560);
    Press(strip.left + 5, strip.top + 5);
    Move(strip.left + 5, RowY(last - 2));
    Release(strip.left + 5, RowY(last - 2));
    EXPECT_EQ(ReadBytes(MemPath()), before);
    Press(strip.left + 5, strip.top + 5);
    Move(strip.left + 5, RowY(last - 3));
    Release(strip.left + 5, RowY(last - 3));
    EXPECT_EQ(std::int32_t(FileMemos()[3].depth), last - 3);
}

TEST_F(BoxDrags, AMemoAheadOfTheLastDepthSurvivesTheDragOfAnother)
{
    // A memo the memo dialog took 20 below the last depth, as ahead of the drilling as it allows.
    const std::int32_t last = S().well.file.fileBottomDepth;
    std::vector<SVMEMO> memos(2);
    for (std::size_t i = 0; i < memos.size(); ++i) {
        memos[i].depth = i == 0 ? 1500 : last + 20;
        platform::SetFieldText(memos[i].text, "A memo");
        memos[i].slot = 1;
        memos[i].drawRectangle = 1;
        memos[i].shown = 1;
        memos[i].font = platform::MakeLogFont("Arial", -12);
    }
    testing_support::WriteRecords(MemPath(), memos);
    ASSERT_TRUE(app::LoadMemos(S()));
    PaintAt(1460);
    ASSERT_EQ(ReadBytes(MemPath()).size(), 1624);
    const platform::RECT strip = Strip(1500);
    Press(strip.left + 5, strip.top + 5);
    Move(strip.left + 5, RowY(1510));
    Release(strip.left + 5, RowY(1510));
    const std::vector<SVMEMO> after = FileMemos();
    EXPECT_EQ(ReadBytes(MemPath()).size(), 1624);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(std::int32_t(after[0].depth), 1510);
    EXPECT_EQ(std::int32_t(after[1].depth), last + 20);
}

TEST_F(BoxDrags, ADrillingParameterBoxStoresItsDepthAndColumnAndTheFileIsSortedAgain)
{
    ReportsWithBox(1144, false);
    const QByteArray before = ReadBytes(QptPath());
    // The box's top one row above 1210.
    DragBox(RowY(1209));
    const QByteArray after = ReadBytes(QptPath());
    ASSERT_EQ(after.size(), 3 * 512);
    const std::int32_t depths[] = {1100, 1200, 1210};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(testing_support::At<std::int32_t>(after, i * 512), i + 1);
        EXPECT_EQ(testing_support::At<std::int32_t>(after, i * 512 + 4), depths[i]);
    }
    const logview::SlotPlace place = SlotAt(box.left + 40);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 2 * 512 + 182), place.slot);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 2 * 512 + 274), place.offset);
    const auto changed = Changed(before.constData() + 512, after.constData() + 1024, 512);
    for (int at : changed)
        EXPECT_TRUE(at < 8 || (at >= 182 && at < 186) || (at >= 274 && at < 278)) << at;
    EXPECT_EQ(before.mid(0, 512), after.mid(0, 512));
    EXPECT_EQ(before.mid(1024 + 4, 508), after.mid(512 + 4, 508));
    // The window's array is the file's again.
    ASSERT_EQ(S().shortReports.reports.size(), 3u);
    EXPECT_EQ(std::int32_t(S().shortReports.reports[2].depth), 1210);
    EXPECT_FALSE(S().interaction.mouse.shortReportDrilling);
}

TEST_F(BoxDrags, AMudBoxCarriesItsReportsDepthOnlyForAMudOnlyReport)
{
    ReportsWithBox(1144, true, 0);
    DragBox(RowY(1169));
    QByteArray after = ReadBytes(QptPath());
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 4), 1150);
    const logview::SlotPlace place = SlotAt(box.left + 40);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 186), place.slot);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 278), place.offset);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 182), 14);

    // A report the morning report appended behind the window's back stays through the drop.
    ReportsWithBox(1144, true, 1);
    wellfile::REPORTEX daily;
    daily.depth = 1500;
    ASSERT_TRUE(reports::AppendShortReport(QptPath(), daily));
    DragBox(RowY(1169));
    after = ReadBytes(QptPath());
    ASSERT_EQ(after.size(), 4 * 512);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 4), 1170);
    EXPECT_EQ(testing_support::At<std::int32_t>(after, 512 + 186), place.slot);
}

TEST_F(BoxDrags, ABoxLetGoOutOfRangeLeavesTheFileAsItWas)
{
    const std::int32_t first = S().well.file.fileTopDepth, last = S().well.file.fileBottomDepth;
    // The mud box at the view top + 2 (the drilling-parameter box may go there).
    ReportsWithBox(1144, true);
    QByteArray before = ReadBytes(QptPath());
    DragBox(RowY(1145));
    EXPECT_EQ(ReadBytes(QptPath()), before);
    ReportsWithBox(1144, false);
    DragBox(RowY(1145));
    EXPECT_EQ(testing_support::At<std::int32_t>(ReadBytes(QptPath()), 4), 1100);
    EXPECT_EQ(testing_support::At<std::int32_t>(ReadBytes(QptPath()), 512 + 4), 1146);

    // At the first depth + 20, and at the last depth - 2.
    ReportsWithBox(first + 2, false, 0, 1040);
    before = ReadBytes(QptPath());
    DragBox(RowY(first + 19));
    EXPECT_EQ(ReadBytes(QptPath()), before);
    ReportsWithBox(last - 60, false, 0, last - 40, {1100, last - 40, last - 20});
    before = ReadBytes(QptPath());
    DragBox(RowY(last - 3));
    EXPECT_EQ(ReadBytes(QptPath()), before);
    EXPECT_FALSE(S().interaction.mouse.shortReportDrilling);
}

TEST_F(BoxDrags, ABoxWithNoReportAtOrBelowItStartsNoDrag)
{
    // A box whose top lies below the deepest report: no report of its own (and, with memos hidden, no
    // new memo frame either).
    S().layout.schemes.trackFlags[layout::FLAG_MEMOS] = 0;
    ReportsWithBox(1144, false, 0, 1204);
    const QByteArray before = ReadBytes(QptPath());
    Press(box.left + 10, box.top + 5);
    EXPECT_FALSE(S().interaction.mouse.shortReportDrilling);
    Move(box.left + 50, RowY(1170));
    Release(box.left + 50, RowY(1170));
    EXPECT_EQ(ReadBytes(QptPath()), before);

    // The reports read again while a box is moved: the one it stood for is gone, nothing is stored.
    ReportsWithBox(1144, false);
    Press(box.left + 10, box.top + 5);
    ASSERT_TRUE(S().interaction.mouse.shortReportDrilling);
    S().shortReports.reports.resize(1);
    Move(box.left + 50, RowY(1170));
    Release(box.left + 50, RowY(1170));
    EXPECT_EQ(ReadBytes(QptPath()), before);
}

TEST_F(BoxDrags, AMemosFrameOpensTheNoteEditWithItsText)
{
    PaintAt(1040);
    const platform::RECT handle = Handle(1100);
    const platform::RECT strip = Strip(1100);
    ASSERT_GT(handle.bottom - 5, strip.bottom);  // below the band that moves the memo
    Press(handle.right - 5, handle.bottom - 5);
    EXPECT_TRUE(S().interaction.mouse.memoFrame);
    Move(handle.right + 20, handle.bottom + 20);
    Move(handle.right + 30, handle.bottom + 25);
    Release(handle.right + 30, handle.bottom + 25);
    const auto edits = window.findChildren<app::VertNoteEdit*>();
    ASSERT_EQ(edits.size(), 1);
    EXPECT_TRUE(edits[0]->isVisible());
    EXPECT_EQ(edits[0]->toPlainText(), "Drag mesecond linethird line");
    EXPECT_EQ(edits[0]->Rect(), (platform::RECT{strip.left, strip.top, handle.right + 30, handle.bottom + 25}));
    EXPECT_FALSE(S().interaction.mouse.noteFrame);

    // The next click closes it and puts the memo's text back with its line breaks.
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, At(900, RowY(1070)));
    QCoreApplication::processEvents();
    EXPECT_STREQ(MemoAt(1100).text, "Drag me\r\nsecond line\r\nthird line");
}

TEST_F(BoxDrags, ANewMemoFrameOpensTheNoteEditOverItAndTheXorFrameLeavesNothingElse)
{
    PaintAt(1040);
    const logview::ViewGeometry g = logview::GeometryOf(S());
    const int x = g.gas.left + 100, y = RowY(1070);
    const QImage before = window.BackingStore().copy();
    Press(x, y);
    Move(x + 100, y + 40);
    Move(x + 150, y + 60);
    // Only the last frame's outline (a 2-pixel pen) differs from the log as painted.
    const QImage& now = window.BackingStore();
    const QRect outer(x - 2, y - 2, 150 + 5, 60 + 5), inner(x + 2, y + 2, 150 - 4, 60 - 4);
    int outline = 0;
    for (int py = 0; py < now.height(); ++py)
        for (int px = 0; px < now.width(); ++px)
            if (now.pixel(px, py) != before.pixel(px, py)) {
                EXPECT_TRUE(outer.contains(px, py) && !inner.contains(px, py)) << px << "," << py;
                ++outline;
            }
    EXPECT_GT(outline, 2 * (150 + 60));
    Release(x + 150, y + 60);
    const auto edits = window.findChildren<app::VertNoteEdit*>();
    ASSERT_EQ(edits.size(), 1);
    EXPECT_TRUE(edits[0]->isVisible());
    EXPECT_TRUE(edits[0]->toPlainText().isEmpty());
    EXPECT_EQ(edits[0]->Rect(), (platform::RECT{x, y, x + 150, y + 60}));
    EXPECT_EQ(S().notes.currentMemo, -1);

    // Pressed and let go without a move: nothing opens, the log is painted again.
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, At(600, RowY(1050)));  // closes the edit
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.findChildren<app::VertNoteEdit*>().isEmpty() ||
                !window.findChildren<app::VertNoteEdit*>().front()->isVisible());
    repaints = 0;
    Press(x, y);
    Release(x, y);
    QCoreApplication::processEvents();
    EXPECT_GE(repaints, 1);
    for (app::VertNoteEdit* e : window.findChildren<app::VertNoteEdit*>())
        EXPECT_FALSE(e->isVisible());
    EXPECT_FALSE(S().interaction.mouse.noteFrame);
}

// A well with no notes yet (a new well's empty ".mem"): the frame opens the edit all the same, and the
// text typed becomes the well's first note.
TEST_F(BoxDrags, TheFirstNoteOfAWellIsFramedAndStored)
{
    testing_support::WriteBytes(MemPath(), QByteArray());
    ASSERT_TRUE(app::LoadMemos(S()));
    ASSERT_EQ(S().notes.memoCount, 0);
    PaintAt(1040);
    const int x = logview::GeometryOf(S()).gas.left + 100, y = RowY(1070);
    Press(x, y);
    Move(x + 100, y + 40);
    Move(x + 150, y + 60);
    Release(x + 150, y + 60);
    const auto edits = window.findChildren<app::VertNoteEdit*>();
    ASSERT_EQ(edits.size(), 1);
    ASSERT_TRUE(edits[0]->isVisible());
    QTest::keyClicks(edits[0], "First note");
    QTest::keyClick(edits[0], Qt::Key_Return, Qt::ControlModifier);
    const std::vector<SVMEMO> stored = FileMemos();
    ASSERT_EQ(stored.size(), 1u);
    EXPECT_EQ(platform::FieldText(stored[0].text), "First note");
}
