// The compressed log body: the view top rule, the five-records-a-row walk, the show, DST and report
// marks, the connection and trip marks, and the body painted on the demo well at scale index 3.
#include "logview/compressedrows.h"
#include "logview/draw/logbody.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/logbodypaint.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/recordingpainters.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace platform;
using logview::ViewGeometry;
using testing_support::PainterCall;
using wellfile::RECORD;

namespace {

std::vector<RECORD> Records(int firstDepth, int count)
{
    std::vector<RECORD> r(std::size_t(count) + 10);
    for (int i = 0; i < count; ++i)
        r[std::size_t(i)].depth = firstDepth + i;
    return r;
}

bool DrewText(const Dc& dc, const QString& text, POINT at)
{
    const auto& t = dc.TextRecord();
    return std::any_of(t.begin(), t.end(), [&](const DcText& x) { return x.text == text && x.at == at; });
}

// Records the geometry and viewport origin the row painters are drawn with.
class OriginPainters : public testing_support::RecordingPainters {
public:
    std::vector<int> originX;
    int DrawLithology(const Target& t, Records r, std::size_t index, int rowHeight, int y, int rowCounter, int split,
                      int interpreted) override
    {
        originX.push_back(t.dc.GetViewportOrg().x);
        return RecordingPainters::DrawLithology(t, r, index, rowHeight, y, rowCounter, split, interpreted);
    }
};

class LogBody : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        AttachImages(bitmaps, painters);
        s.view.viewScale = 3;
    }
    void Paint()
    {
        painters.calls.clear();
        Dc dc(bitmaps.backingStore);
        view.Paint(s, dc);
    }
    logview::ViewBitmaps bitmaps;
    OriginPainters painters;
    logview::LogView view;
};

}  // namespace

TEST(CompressedTop, TopsGoDownToTensAwayFromTheEndsAndShortFilesShowTheirRecords)
{
    EXPECT_EQ(logview::CompressedTop(1234, 1000, 5000), 1240);
    EXPECT_EQ(logview::CompressedTop(4900, 1000, 5000), 4800);  // 200 above the last depth
    EXPECT_EQ(logview::CompressedTop(1002, 1000, 5000), 1010);  // 10 below the first depth
    EXPECT_EQ(logview::CompressedTop(1500, 1003, 5000), 1500);
    EXPECT_EQ(logview::CompressedTop(1000, 1003, 5000), 1020);  // first + 10 = 1013 goes on to 1020
    // 1,003-1,010 would start at 1,020, past its last depth: held at its first depth, the read starting at
    // record 0 with the first row on it.
    EXPECT_EQ(logview::CompressedTop(1005, 1003, 1010), 1003);
    const logview::BodyStart start = logview::CompressedStart(1003, 1003, 1);
    EXPECT_EQ(start.readIndex, 0);
    EXPECT_EQ(start.firstElement, 0);
    const logview::BodyStart usual = logview::CompressedStart(1240, 1000, 1);
    EXPECT_EQ(usual.readIndex, 235);
    EXPECT_EQ(usual.firstElement, 5);
}

TEST(CompressedRows, RowsStepFiveRecordsAndEndAtTheLastFullTensOrTheLogBottom)
{
    // Records 1195.. 1234: rows from element 5 (1200); the last full ten units is 1230.
    const std::vector<RECORD> r = Records(1195, 40);
    logview::RowWalk w = logview::WalkCompressedRows(r, 5, 72, 5, 160, 10, 880, 1234);
    EXPECT_EQ(w.elements, (std::vector<int>{5, 10, 15, 20, 25, 30, 35}));  // 1200 .. 1230
    EXPECT_EQ(w.n, 6);
    EXPECT_EQ(w.bottomDepth, 1234);  // the last record of the 1230 row

    // The window's bottom ends the rows first: three rows fit above y 190.
    w = logview::WalkCompressedRows(r, 5, 72, 5, 160, 10, 190, 1234);
    EXPECT_EQ(w.elements.size(), 3u);
    EXPECT_EQ(w.n, 2);
    EXPECT_EQ(w.bottomDepth, 1214);

    // A row running past the file's end ends on its last real record; a depth 0 ends the rows.
    std::vector<RECORD> short_ = Records(1195, 18);  // 1195 .. 1212, then cleared
    w = logview::WalkCompressedRows(short_, 5, 72, 5, 160, 10, 880, 1300);
    EXPECT_EQ(w.elements, (std::vector<int>{5, 10, 15}));
    EXPECT_EQ(w.bottomDepth, 1212);

    // Visible rows run out: n is the row count asked for.
    w = logview::WalkCompressedRows(r, 5, 2, 5, 160, 10, 880, 1234);
    EXPECT_EQ(w.n, 2);
    EXPECT_EQ(w.elements.size(), 2u);
}

TEST(CompressedRows, AShortOffsetReadGivesItsCurveTwoHalfRowsForEachFiveRecords)
{
    EXPECT_EQ(logview::OffsetCurveHalfRows(300, 30), 120);  // (300 / 5) x 2
    EXPECT_EQ(logview::OffsetCurveHalfRows(600, 30), 60);   // two a row
    EXPECT_EQ(logview::CompressedOffsetIndex(1028, 1000, 3), -1);  // 14 - 10 = 4: no read
}

TEST_F(LogBody, MarksStandOnTheRowsOfFiveRecordsWithTheirRangesAndColours)
{
    const ViewGeometry g = Geometry();  // R = 10, T = 160, rate right 259, mark offset 10
    const int top = 1600, to = 1640;
    QImage image = testing_support::White(600, 400);
    Dc dc(image);
    dc.RecordText(true);
    const std::int32_t reports[] = {1599, 1641, 1598, 1642, 0, 1610};
    const std::int32_t shows[] = {1600, 1640, 1630, 0};
    const std::int32_t dsts[] = {1620, 0};
    ViewGeometry at = g;
    at.viewTopDepth = top;
    logview::DrawCompressedReportMarks(dc, at, reports, top, to, false);
    logview::DrawCompressedShowMarks(dc, at, shows, top, to, false);
    logview::DrawCompressedDstMarks(dc, at, dsts, top, to, false);

    // Five depth units a row, as the rows and their depth labels stand: y = 160 + 2 + (d - 1600) x 10 / 5.
    const auto y = [](int d) { return 162 + (d - 1600) * 2; };
    // Reports one unit outside the range are marked, two are not, and the table ends at its 0.
    EXPECT_EQ(image.pixel(245, y(1599) - 5), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(245, y(1641) - 5), qRgb(255, 255, 0));
    EXPECT_TRUE(DrewText(dc, "R", {249, y(1599) - 20}));
    EXPECT_FALSE(DrewText(dc, "R", {249, y(1598) - 20}));
    EXPECT_FALSE(DrewText(dc, "R", {249, y(1642) - 20}));
    EXPECT_FALSE(DrewText(dc, "R", {249, y(1610) - 20}));
    // A show only strictly inside: 1630, not 1600 or 1640; "s" 1.5 rows up without the mark font.
    EXPECT_TRUE(DrewText(dc, "s", {249, y(1630) - 15}));
    EXPECT_EQ(std::count_if(dc.TextRecord().begin(), dc.TextRecord().end(), [](const DcText& t) { return t.text == "s"; }), 1);
    EXPECT_EQ(image.pixel(245, y(1630) - 5), qRgb(255, 0, 0));
    // The DST box is one pixel taller; its letter stands below the box's top.
    EXPECT_EQ(image.pixel(245, y(1620) - 5), qRgb(0, 255, 0));
    EXPECT_TRUE(DrewText(dc, "D", {249, y(1620) + 4}));

    // With the mark font the show letter is "S" at the box's top, in that font.
    dc.RecordText(true);
    logview::DrawCompressedShowMarks(dc, at, shows, top, to, true);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "S");
    EXPECT_EQ(dc.TextRecord()[0].at, (POINT{249, y(1630) - 10}));
    EXPECT_EQ(dc.TextRecord()[0].font, Font::FromLogFont(g.fonts.mark));
    EXPECT_EQ(dc.GetTextAlign(), unsigned(TA_LEFT | TA_TOP));
}

TEST_F(LogBody, TheFirstCodeOfFiveRecordsFromTheOneAboveMarksTheRow)
{
    ViewGeometry g = Geometry();  // profile 12: boxed
    const logview::Device screen = logview::Device::Screen();
    std::vector<RECORD> r = Records(1595, 20);
    // Codes 0, 0, 2, 4, 0 in records 4..8 (the row's first record is element 5): a connection only.
    r[6].tripCode = 2;
    r[7].tripCode = 4;
    QImage image = testing_support::White(1200, 400);
    Dc dc(image);
    dc.RecordText(true);
    EXPECT_EQ(logview::DrawConnectionTripMarks(dc, g, screen, r, 5, 10, 10, 200), 1);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].text, "KD");
    EXPECT_EQ(dc.TextRecord()[0].at, (POINT{g.gas.left + 1, 191}));
    // The box: (gas left - 1, y - R) to (gas left + 2R, y + R), its right and bottom edges left out.
    EXPECT_EQ(testing_support::Ink(dc, 1200, 400, RGB(0, 0, 0)).left, g.gas.left - 1);
    EXPECT_EQ(image.pixel(g.gas.left - 1, 190), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(g.gas.left + 19, 209), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(g.gas.left + 20, 209), qRgb(255, 255, 255));

    // A code of 5 draws a trip; a row without codes draws nothing and says so in the boxed layouts.
    r[6].tripCode = 0;
    r[7].tripCode = 5;
    dc.RecordText(true);
    EXPECT_EQ(logview::DrawConnectionTripMarks(dc, g, screen, r, 5, 10, 10, 200), 1);
    EXPECT_EQ(dc.TextRecord().at(0).text, "Trip");
    r[7].tripCode = 0;
    EXPECT_EQ(logview::DrawConnectionTripMarks(dc, g, screen, r, 5, 10, 10, 200), 0);

    // Profile 10, plain: "_c" beside the rate track, two pixels lower for each record into the row.
    g.profile = 10;
    r[7].tripCode = 1;  // position 3 (element 4 is position 0)
    dc.RecordText(true);
    EXPECT_EQ(logview::DrawConnectionTripMarks(dc, g, screen, r, 5, 10, 10, 200), 1);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].at, (POINT{g.rate.Right() + 3, 185 + 3 * 2}));
    EXPECT_EQ(dc.TextRecord()[0].text, "_c");

    // On paper: the print label font and steps of h / 5 from the printer's rate track.
    logview::Device paper;
    paper.printing = true;
    paper.printer.rateRight = 400;
    paper.printFonts.label = g.fonts.mark;
    paper.printFonts.label.lfHeight = -37;
    dc.RecordText(true);
    const Font before = dc.CurrentFont();
    EXPECT_EQ(logview::DrawConnectionTripMarks(dc, g, paper, r, 5, 30, 10, 200), 1);
    ASSERT_EQ(dc.TextRecord().size(), 1u);
    EXPECT_EQ(dc.TextRecord()[0].at, (POINT{403, 155 + 3 * 6}));
    EXPECT_EQ(dc.TextRecord()[0].font.height, -37);
    EXPECT_EQ(dc.CurrentFont(), before);  // put back
}

TEST_F(LogBody, RowsGetEveryFifthRecordFromTheRoundedTopAndTheBodyFollowsTheScroll)
{
    SetViewTop(1234);
    s.scroll.horizontalOffset = 100;
    Paint();
    EXPECT_EQ(s.well.file.viewTopDepth, 1240);
    const std::vector<PainterCall> lith = painters.Named("DrawLithology");
    const std::vector<PainterCall> gas = painters.Named("DrawGasCurves");
    ASSERT_EQ(lith.size(), 71u);  // the rows above the last visible one
    for (std::size_t r = 0; r < lith.size(); ++r) {
        EXPECT_EQ(lith[r].depths.at(0), 1240 + 5 * int(r)) << r;
        EXPECT_EQ(lith[r].args.at(1), 160 + 10 * int(r) + 10) << r;  // drawn at the row's bottom line
    }
    ASSERT_FALSE(gas.empty());
    EXPECT_EQ(gas[3].depths.at(0), 1240 + 15);  // buffer record 5 + 5r
    EXPECT_EQ(gas[3].args.at(1), 3);            // the row counter
    // The body draws at the scrolled origin, as the one-record paint does; the window's Dc is put back.
    EXPECT_EQ(painters.originX.front(), -100);
    EXPECT_EQ(s.view.bottomDepth, 1240 + 71 * 5 - 1);
    EXPECT_EQ(s.view.logAreaBottom, 160 + 71 * 10);
    EXPECT_FALSE(s.view.openPending);
    EXPECT_TRUE(s.view.paintFailure.isEmpty());
}

TEST_F(LogBody, NearTheBottomRowsStopAtTheLastTensAndMarksThereAreDrawn)
{
    SetViewTop(2590);  // demo well 1000-2600: the top goes to 2400
    s.well.showDepthIndex = {};
    s.well.showDepthIndex[0] = 2590;
    Paint();
    EXPECT_EQ(s.well.file.viewTopDepth, 2400);
    // The last row runs past the file's end; the show ten units above the end is still marked, red at
    // y = 160 + 2 + 190 x 2 (five units a row) beside the rate track's right edge (259), on the row of
    // its record.
    EXPECT_EQ(bitmaps.backingStore.pixel(241, 540), qRgb(255, 0, 0));
    EXPECT_NE(bitmaps.backingStore.pixel(241, 350), qRgb(255, 0, 0));  // where ten units a row put it
    const std::vector<PainterCall> lith = painters.Named("DrawLithology");
    ASSERT_FALSE(lith.empty());
    EXPECT_EQ(lith.back().depths.at(0), 2600);
    EXPECT_EQ(lith.size(), 41u);
    EXPECT_EQ(s.view.bottomDepth, 2600);
}

TEST_F(LogBody, WithoutADataFileNoDialogRunsInsideThePaint)
{
    s.well.file.dataFileName.clear();
    Dc dc(bitmaps.backingStore);
    EXPECT_EQ(logview::DrawLogBody(s, dc), 0);
    EXPECT_TRUE(s.view.openPending);
    view.Paint(s, dc);
    EXPECT_EQ(s.view.paintFailure, "NO Data File");  // the one-record path went on
    EXPECT_TRUE(testing_support::doubles().prompter.messages.isEmpty());
}

TEST_F(LogBody, WithoutTheRateTrackTheDepthColumnAndTheOffsetCurveAreDrawnAndMarksStandOnTheirLabels)
{
    // The demo well as its own offset well; a show on a labelled depth.
    s.well.offset.file = s.well.file.dataFileName;
    s.well.file.offsetTopDepth = s.well.file.fileTopDepth;
    s.well.file.offsetBottomDepth = s.well.file.fileBottomDepth;
    s.options.offsetRop = true;
    s.view.rateCurve.offsetPoints.clear();
    s.well.showDepthIndex = {};
    s.well.showDepthIndex[0] = 1300;
    s.layout.schemes.trackFlags[22] = 0;
    SetViewTop(1240);
    bitmaps.backingStore.fill(Qt::white);
    Dc dc(bitmaps.backingStore);
    dc.RecordText(true);
    view.Paint(s, dc);

    // 1300 is twelve rows of five records down (y 280): its label ends a quarter unit left of the
    // rate track's right edge (259), one pixel above the row line, and the show's red box fills the
    // row above that line.
    EXPECT_TRUE(DrewText(dc, "1300", {256, 279}));
    EXPECT_TRUE(DrewText(dc, "1500", {256, 679}));
    EXPECT_EQ(bitmaps.backingStore.pixel(241, 275), qRgb(255, 0, 0));
    EXPECT_NE(bitmaps.backingStore.pixel(241, 265), qRgb(255, 0, 0));
    // The offset well's curve is drawn, and kept for the mouse, with the rate curve off.
    EXPECT_GT(s.view.rateCurve.offsetPoints.size(), 100u);
}
