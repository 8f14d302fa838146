// The log window's paint on the demo well: strips, rows, marks and the neighbour painters' calls, drawn
// into a 1920 x 1080 backing store through the view's services.
#include "app/layouthosts.h"
#include "layout/custchartcfg.h"
#include "logview/draw/logpaint.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/paintrows.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using testing_support::doubles;
using testing_support::PainterCall;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0), kBlack = qRgb(0, 0, 0), kWhite = qRgb(255, 255, 255);

class LogPaint : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        SetViewTop(1590);
    }
    // Paints afresh (a black store first, so that what the paint leaves out shows) with the text record on.
    void Paint()
    {
        painters.calls.clear();
        store().fill(Qt::black);
        Dc dc(store());
        dc.RecordText(true);
        view.Paint(s, dc);
        texts = dc.TextRecord();
    }
    QImage& store() { return bitmaps.backingStore; }
    bool DrewText(const QString& text, POINT at) const
    {
        return std::any_of(texts.begin(), texts.end(), [&](const DcText& t) { return t.text == text && t.at == at; });
    }
    std::vector<std::int32_t> RowDepths(const std::string& painter) const
    {
        std::vector<std::int32_t> out;
        for (const PainterCall& c : painters.Named(painter))
            out.push_back(c.depths.at(0));
        return out;
    }

    logview::ViewBitmaps bitmaps;
    testing_support::RecordingPainters painters;
    logview::LogView view;
    std::vector<DcText> texts;
};

}  // namespace

TEST(PaintTop, OddTopsGoDownTheLogAndTheTopStaysWithinTheFile)
{
    EXPECT_EQ(logview::PaintTop(1001, 1000, 2600, 40), 1002);
    EXPECT_EQ(logview::PaintTop(999, 1000, 2600, 40), 1002);
    EXPECT_EQ(logview::PaintTop(2599, 1000, 2600, 40), 2560);
    EXPECT_EQ(logview::PaintTop(1500, 1000, 1030, 40), 1000);  // shorter than the span: from its first depth
}

TEST_F(LogPaint, RowsShowTheirRecordsOverTheGridWithShowMarkerAndConnectionBox)
{
    Paint();
    // Row i (y = 160 + 10i) shows depth 1591 + i; the per-row painters get that record and y.
    const std::vector<PainterCall> rows = painters.Named("DrawTextColumn");
    ASSERT_EQ(rows.size(), 73u);  // rows down to the last strip's bottom, 160 + 73 x 10
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].depths.at(0), 1591 + std::int32_t(i));
        ASSERT_EQ(rows[i].args.at(0), 160 + 10 * long(i));
    }
    EXPECT_EQ(s.view.logAreaBottom, 890);
    EXPECT_TRUE(s.scroll.notAtBottom);
    EXPECT_EQ(s.view.bottomDepth, 1664);

    // The main strip under every row: the rate track's lines at 9 + 10k.
    for (int k = 0; k <= 25; ++k)
        ASSERT_NE(store().pixel(9 + 10 * k, 165), kWhite) << k;
    EXPECT_NE(store().pixel(14, 885), kBlack);
    EXPECT_EQ(store().pixel(14, 895), kWhite);  // below the strips: blank, nothing of the rows

    // The show report at 1604: a red box beside the rate track's right edge.
    EXPECT_EQ(store().pixel(239, 280), kRed);
    EXPECT_EQ(store().pixel(258, 299), kRed);
    EXPECT_EQ(store().pixel(248, 290), kRed);
    EXPECT_NE(store().pixel(238, 290), kRed);
    EXPECT_NE(store().pixel(248, 300), kRed);

    // The connection at 1620 (code 2, profile 12): a box in the gas track with "KD".
    EXPECT_TRUE(DrewText("KD", {741, 454}));
    EXPECT_EQ(store().pixel(739, 452), kBlack);
    EXPECT_EQ(store().pixel(763, 471), kBlack);
}

TEST_F(LogPaint, TheLastDepthIsTheLastRowDrawn)
{
    SetViewTop(2599);
    Paint();
    EXPECT_EQ(s.well.file.viewTopDepth, 2560);
    const std::vector<std::int32_t> depths = RowDepths("DrawTextColumn");
    ASSERT_FALSE(depths.empty());
    EXPECT_EQ(depths.front(), 2561);
    EXPECT_EQ(depths.back(), 2600);
    EXPECT_FALSE(s.scroll.notAtBottom);
    // The whole-log painters get the rows drawn and one more record.
    const std::vector<PainterCall> tops = painters.Named("DrawTopsColumn");
    ASSERT_EQ(tops.size(), 1u);
    EXPECT_EQ(tops[0].depths.front(), 2561);
}

TEST_F(LogPaint, TrackFlagsAndProfilesChooseTheNeighbourPainters)
{
    layout::TrackFlags& flags = s.layout.schemes.trackFlags;
    flags[31] = 1;  // averaged curve
    Paint();
    EXPECT_EQ(painters.Named("DrawLithology").size(), 2 * 73u);  // the lithology and the interpreted pass
    EXPECT_EQ(painters.Named("DrawGasCurves").size(), 73u);
    EXPECT_EQ(painters.Named("DrawAveragedCurve").size(), 1u);
    EXPECT_TRUE(painters.Named("DrawChromatographTrack").empty());

    flags[16] = 0;
    s.well.loggerId = 4;  // the chromatograph track instead of per-row gas curves
    Paint();
    EXPECT_TRUE(painters.Named("DrawLithology").empty());
    EXPECT_TRUE(painters.Named("DrawGasCurves").empty());
    const std::vector<PainterCall> chromatograph = painters.Named("DrawChromatographTrack");
    ASSERT_EQ(chromatograph.size(), 1u);
    EXPECT_EQ(chromatograph[0].depths.size(), 74u);  // rows + 1
    EXPECT_EQ(chromatograph[0].depths.front(), 1591);
    // Profile 4 boxes its connections too, and has no shows columns.
    EXPECT_TRUE(painters.Named("DrawRatingColumn").empty());

    s.well.loggerId = 60;
    Paint();
    EXPECT_TRUE(painters.Named("DrawAveragedCurve").empty());
}

TEST_F(LogPaint, ADragEntryDrawsItsOwnRecordsWithoutMarksOnTheFirstRow)
{
    // The entry's records from the view top; the file is gone, so nothing can come from it.
    std::vector<wellfile::RECORD> entry(30);
    for (int i = 0; i < 30; ++i)
        entry[std::size_t(i)].depth = 1590 + i;
    entry[1].tripCode = 2;   // row 0: never marked
    entry[1].slide = 1;
    entry[3].tripCode = 2;   // row 2: marked
    entry[5].slide = 1;      // row 4: a slide starts
    entry[20].depth = 0;     // the end: its row is the last drawn
    s.interaction.dataEntryActive = 1;
    s.interaction.dataEntryRecords = entry;
    s.scroll.horizontalBar = true;
    s.view.redrawPending = false;
    ASSERT_TRUE(QFile::remove(s.well.file.dataFileName));
    Paint();

    const std::vector<std::int32_t> depths = RowDepths("DrawTextColumn");
    ASSERT_EQ(depths.size(), 20u);
    EXPECT_EQ(depths.front(), 1591);
    EXPECT_EQ(depths.back(), 0);
    EXPECT_TRUE(DrewText("KD", {741, 160 + 20 + 10 - 6}));
    EXPECT_FALSE(DrewText("KD", {741, 160 + 10 - 6}));
    const COLORREF slide = Geometry().pens.SlideColour();
    const QRgb slidePixel = qRgb(GetRValue(slide), GetGValue(slide), GetBValue(slide));
    EXPECT_TRUE(DrewText("S", {19, 200 - 15}));
    EXPECT_EQ(store().pixel(12, 205), slidePixel);
    EXPECT_FALSE(DrewText("S", {19, 160 - 15}));
    EXPECT_NE(store().pixel(12, 165), slidePixel);
    EXPECT_TRUE(DrewText("R", {19, 210 - 5}));  // the slide ends on the next row
    EXPECT_FALSE(s.view.redrawPending);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    // The entry's buffer grew with the window and kept its records.
    EXPECT_GE(s.interaction.dataEntryRecords.size(), std::size_t(logview::PaintBufferSize(72)));
    EXPECT_EQ(s.interaction.dataEntryRecords[3].tripCode, 2);
}

TEST_F(LogPaint, WithoutADataFileOnlyStripsAndClosingLinesAndTheMessageIsLeftForLater)
{
    s.well.file.dataFileName.clear();
    Paint();
    EXPECT_EQ(s.view.paintFailure, QStringLiteral("NO Data File"));
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());
    EXPECT_TRUE(painters.calls.empty());
    EXPECT_EQ(store().pixel(14, 165), kWhite);      // strips
    EXPECT_EQ(store().pixel(100, 890), kBlack);     // the closing line across the rate track
    EXPECT_EQ(store().pixel(100, 889), kWhite);
    EXPECT_FALSE(s.view.painting);
}

TEST_F(LogPaint, TheRecordCacheGrowsWithTheWindowAndAnOffsetShiftsTheImage)
{
    Paint();
    ASSERT_EQ(s.view.recordCache.size(), std::size_t(logview::PaintBufferSize(72)));
    s.layout.format.visibleRows = 90;  // a taller window
    Paint();
    ASSERT_GE(s.view.recordCache.size(), std::size_t(logview::PaintBufferSize(90)));
    for (int i = 0; i < logview::PaintReadCount(90); ++i)
        ASSERT_EQ(s.view.recordCache[std::size_t(i)].depth, 1590 + i) << i;

    s.layout.format.visibleRows = 72;
    Paint();
    const QImage unscrolled = store().copy();
    s.scroll.horizontalOffset = 37;
    Paint();
    for (int y = 0; y < 1080; y += 3)
        for (int x = 0; x + 37 < 1920; ++x)
            ASSERT_EQ(store().pixel(x, y), unscrolled.pixel(x + 37, y)) << x << "," << y;
}

TEST_F(LogPaint, ARowRepaintChangesOnlyItsRow)
{
    Paint();
    int area[4] = {-1, -1, -1, -1};
    s.view.updateArea = [&](int l, int t, int r, int b) { area[0] = l, area[1] = t, area[2] = r, area[3] = b; };
    store().fill(Qt::black);
    painters.calls.clear();
    view.RepaintRows(s, 1600, 1, logview::ROW_RATE | logview::ROW_GAS);
    // The row of 1600 is row 9: y 250 to 260. Its rate and gas backgrounds came back; nothing else moved.
    EXPECT_NE(store().pixel(14, 255), kBlack);
    EXPECT_NE(store().pixel(760, 255), kBlack);
    EXPECT_EQ(store().pixel(300, 255), kBlack);  // between the tracks: not restored
    for (int y = 0; y < 1080; ++y) {
        if (y >= 250 && y < 260)
            continue;
        for (int x = 0; x < 1920; x += 7)
            ASSERT_EQ(store().pixel(x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(area[1], 250);
    EXPECT_EQ(area[3], 260);
    const std::vector<PainterCall> gas = painters.Named("DrawGasCurves");
    ASSERT_EQ(gas.size(), 1u);
    EXPECT_EQ(gas[0].depths.at(0), 1600);
}

TEST_F(LogPaint, ShowAndMudEntriesRepaintTheirRow)
{
    s.layout.schemes.trackFlags[29] = 1;  // mud weights shown
    Paint();
    int area[4] = {-1, -1, -1, -1};
    s.view.updateArea = [&](int l, int t, int r, int b) { area[0] = l, area[1] = t, area[2] = r, area[3] = b; };
    store().fill(Qt::black);
    painters.calls.clear();
    view.RepaintRows(s, 1605, 1, logview::ROW_SHOWS | logview::ROW_MUD);  // a mud check's depth
    // Row 14 (y 300-310): the porosity, fluorescence and cut columns are restored and drawn for 1605 alone.
    for (const char* column : {"DrawRatingColumn", "DrawBoxColumn", "DrawPorosityColumn", "DrawMudInOut"}) {
        const std::vector<PainterCall> calls = painters.Named(column);
        ASSERT_EQ(calls.size(), 1u) << column;
        EXPECT_EQ(calls[0].depths, std::vector<std::int32_t>{1605}) << column;
    }
    EXPECT_EQ(painters.Named("DrawMudInOut")[0].args, (std::vector<long long>{10, 310}));
    EXPECT_NE(store().pixel(330, 305), kBlack);  // porosity 319-346
    EXPECT_NE(store().pixel(490, 305), kBlack);  // cut 482-509
    EXPECT_EQ(store().pixel(14, 305), kBlack);   // the rate track stays
    // The mud weights' values reach a row above the row, their "out" bar its bottom line.
    EXPECT_EQ(area[1], 290);
    EXPECT_EQ(area[3], 311);
}

TEST_F(LogPaint, AShortDataFileDrawsWhatWasReadAndNothingPastIt)
{
    // The file ends 12 records after the view top, although its depths say 2600.
    QFile file(s.well.file.dataFileName);
    ASSERT_TRUE(file.resize(qint64(1590 - 1000 + 12) * qint64(sizeof(wellfile::RECORD))));
    Paint();
    const std::vector<std::int32_t> depths = RowDepths("DrawTextColumn");
    ASSERT_FALSE(depths.empty());
    EXPECT_LE(depths.size(), 12u);
    EXPECT_EQ(depths.front(), 1591);
    EXPECT_EQ(depths.back(), 0);  // the end mark after the last record read
    for (const PainterCall& c : painters.calls)
        for (const std::int32_t d : c.depths)
            ASSERT_TRUE(d == 0 || (d >= 1590 && d <= 1601)) << c.name << " " << d;
}

TEST_F(LogPaint, TheRateFlagDrawsTheCurveAndTheDepthColumnAndTheBandIsAboveTheRows)
{
    Paint();
    EXPECT_TRUE(DrewText("1600", {256, 249}));
    EXPECT_TRUE(DrewText(" FILE: ELOGDEMO.SVM  ", {14, 10}));
    EXPECT_EQ(store().pixel(5, 80), qRgb(220, 220, 220));  // the title panel
    const QImage with = store().copy(9, 160, 251, 720);

    s.layout.schemes.trackFlags[22] = 0;
    Paint();
    EXPECT_FALSE(DrewText("1600", {256, 249}));
    EXPECT_FALSE(DrewText("KD", {741, 454}));
    const QImage without = store().copy(9, 160, 251, 720);
    // Only the curve (and the depth boxes) made the difference: the grid under them is the same.
    int differing = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            differing += with.pixel(x, y) != without.pixel(x, y);
    EXPECT_GT(differing, 500);
}

TEST_F(LogPaint, ARowRepaintKeepsTheTenUnitLineAboveIt)
{
    // The line under 1600 is the top pixel row of 1601's row (y 260): repainting 1601, the row that
    // takes a new gas booking after 1600, leaves it as the full paint drew it.
    Paint();
    const QImage full = store().copy();
    view.RepaintRows(s, 1601, 1, logview::ROW_RATE | logview::ROW_GAS);
    for (int x = 0; x < 1920; ++x)
        ASSERT_EQ(store().pixel(x, 260), full.pixel(x, 260)) << x;
    // A line under a depth that is not a tenth one stays the row line the grid draws.
    view.RepaintRows(s, 1602, 1, logview::ROW_RATE | logview::ROW_GAS);
    for (int x = 0; x < 1920; ++x)
        ASSERT_EQ(store().pixel(x, 270), full.pixel(x, 270)) << x;
}

TEST_F(LogPaint, CustomTracksArePaintedOnlyOnAWellOfMoreThanTwentyUnits)
{
    s.well.customTracksEnabled = true;
    app::RefreshCustomTrackHost(s);
    layout::LoadCustomTracks(s.customTracks.host, s.customTracks.data, false);
    ASSERT_NE(s.customTracks.data, nullptr);
    Paint();
    EXPECT_EQ(painters.Named("PaintCustomTracks").size(), 1u);
    for (const int span : {20, 21}) {
        s.well.file.fileBottomDepth = s.well.file.fileTopDepth + span;
        Paint();
        EXPECT_EQ(painters.Named("PaintCustomTracks").size(), span > 20 ? 1u : 0u) << span;
    }
}
