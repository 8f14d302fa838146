// The rate curve drawn on images over the demo view's rate track (9-259, cell 10, rows of 10 from
// y 160): pixels at the places the scales put the rates.
#include "logview/draw/curveplotter.h"
#include "platform/draw/dc.h"
#include "platform/draw/raster.h"
#include "support/images.h"
#include "support/pdfpages.h"
#include "support/testmain.h"
#include "support/viewfixture.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <vector>

using namespace logview;
using platform::COLORREF;
using platform::RGB;
using testing_support::Ink;
using wellfile::RECORD;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kCurve = RGB(0, 0, 200);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr int kTop = 160;

// Records from depth 1100 on with these rates (minutes per unit) in every rate field, code 1.
std::vector<RECORD> Rates(std::vector<float> rates, std::uint16_t code = 1)
{
    std::vector<RECORD> v;
    int depth = 1100;
    for (float r : rates) {
        RECORD rec;
        rec.depth = depth++;
        rec.rateOdd = rec.rateOne = rec.rate2Ft = r;
        rec.minutesScale = code;
        v.push_back(rec);
    }
    return v;
}

class CurvePlotterTest : public testing_support::ViewTest {
protected:
    void SetUp() override
    {
        ViewTest::SetUp();
        g = Geometry();
        g.scaleIndex = 2;
        g.options = {};
        g.pens.table[layout::PEN_RATES] = {kCurve, 1, layout::PS_SOLID};
    }
    int Draw(platform::Dc& dc, const std::vector<RECORD>& recs, std::size_t first, int count, int topY = kTop,
             bool offset = false)
    {
        return DrawCurve(dc, g, Device::Screen(), options, recs, first, count, 10, topY, offset);
    }

    ViewGeometry g;
    CurveOptions options;
    RateCurveMemory memory;
    QImage image = testing_support::White(400, 400);
};

}  // namespace

TEST_F(CurvePlotterTest, DrawsTheRunFromTheRecordBeforeIt)
{
    platform::Dc dc(image);
    // Rate 2 on code 1 lies at 9 + 2 x 50 = 109; the record before the run (rate 3, x 159) starts it.
    const auto recs = Rates({3, 2, 2, 2, 2});
    EXPECT_EQ(Draw(dc, recs, 1, 4), 1);
    const platform::RECT ink = Ink(dc, 400, 400, kCurve);
    EXPECT_EQ(ink, (platform::RECT{109, kTop, 160, kTop + 40}));  // the last point left out, as GDI does
    EXPECT_EQ(dc.GetPixel(134, kTop + 5), kCurve);  // half way down the first segment

    // Reversed: from the right edge, in red. Blocked: across at the row's top line, then down.
    image = testing_support::White(400, 400);
    platform::Dc dc2(image);
    g.options.reverseRop = true;
    g.options.rateLineStyle = 0;
    Draw(dc2, recs, 1, 4);
    EXPECT_EQ(dc2.GetPixel(130, kTop), kRed);
    EXPECT_EQ(dc2.GetPixel(159, kTop + 25), kRed);
    EXPECT_EQ(dc2.GetPixel(110, kTop + 5), kWhite);  // no diagonal
}

TEST_F(CurvePlotterTest, OffsetCurveOnADragTakesItselfOffAndLeavesTheSavedPointsAlone)
{
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 400; ++x)
            image.setPixel(x, y, 0xFF336699);
    const QImage before = image;
    options.memory = &memory;
    memory.offsetPoints = {{1, 2}};
    // The third rate is off scale: its wrap fill goes under XOR too.
    const auto recs = Rates({1, 2, 6, 3, 1});
    {
        platform::Dc dc(image);
        dc.SetROP2(platform::R2_XORPEN);
        options.onDragDc = true;
        Draw(dc, recs, 1, 4, kTop, true);
        EXPECT_NE(image, before);
        Draw(dc, recs, 1, 4, kTop, true);
        EXPECT_EQ(dc.GetROP2(), platform::R2_XORPEN);
    }
    EXPECT_EQ(image, before);
    EXPECT_EQ(memory.offsetPoints, (std::vector<platform::POINT>{{1, 2}}));

    // Outside a drag the offset well is red and its points are kept for the mouse.
    image = testing_support::White(400, 400);
    platform::Dc dc(image);
    options.onDragDc = false;
    Draw(dc, recs, 1, 4, kTop, true);
    EXPECT_EQ(dc.GetPixel(200, kTop + 10), kRed);
    EXPECT_EQ(memory.offsetPoints, (std::vector<platform::POINT>{{59, 160}, {109, 170}, {309, 180}, {159, 190}, {59, 200}}));
}

TEST_F(CurvePlotterTest, AStyledRatesPenDrawsSideBySideLines)
{
    // A styled " RATES " entry 3 wide: each steep segment three times, a pixel further right each time.
    g.pens.table[layout::PEN_RATES] = {kCurve, 1, layout::PS_DASH};
    g.pens.rateWidth = 3;
    platform::Dc dc(image);
    Draw(dc, Rates({2, 2, 2}), 1, 2);
    const platform::RECT ink = Ink(dc, 400, 400, kCurve);
    EXPECT_EQ(ink.left, 109);
    EXPECT_EQ(ink.right, 112);
}

TEST_F(CurvePlotterTest, WhileDrillingANewStepJoinsTheLastScreenDraw)
{
    platform::Dc dc(image);
    options.memory = &memory;
    options.drilling = true;
    const auto recs = Rates({1, 1, 1, 3, 4});
    Draw(dc, recs, 1, 3);
    EXPECT_EQ(memory.lastRateX, 159);

    // The drilling step's one record starts at x 159, not at the record before it (x 59).
    Draw(dc, recs, 4, 1, kTop + 30);
    EXPECT_EQ(dc.GetPixel(159, kTop + 30), kCurve);
    EXPECT_EQ(dc.GetPixel(59, kTop + 30), kWhite);
    EXPECT_EQ(memory.lastRateX, 209);

    // An offset curve does not move it.
    Draw(dc, recs, 1, 2, kTop, true);
    EXPECT_EQ(memory.lastRateX, 209);
}

namespace {

constexpr COLORREF kFill = RGB(200, 255, 200);
constexpr COLORREF kShade = RGB(0, 128, 255);

class CurveWrapTest : public CurvePlotterTest {
protected:
    void SetUp() override
    {
        CurvePlotterTest::SetUp();
        g.pens.table[layout::PEN_OFFSCALE_RATES_FILL].colour = kFill;
    }
};

}  // namespace

TEST_F(CurveWrapTest, ACurveBeyondTheRightEdgeGoesOnFromTheLeftOverAFill)
{
    platform::Dc dc(image);
    // 6 minutes lie at 309, beyond the right clip edge 260: wrapped 251 to the left, at 58.
    Draw(dc, Rates({2, 2, 6, 6, 2}), 1, 4);
    EXPECT_EQ(dc.GetPixel(200, kTop + 10), kCurve);   // out to the edge along the row's line
    EXPECT_EQ(dc.GetPixel(58, kTop + 25), kCurve);    // the wrapped copy
    EXPECT_EQ(dc.GetPixel(30, kTop + 27), kFill);     // between the left edge and the copy
    EXPECT_EQ(dc.GetPixel(70, kTop + 27), kWhite);
    EXPECT_EQ(dc.GetPixel(184, kTop + 35), kCurve);   // back from the edge to the next point
    EXPECT_EQ(Ink(dc, 400, 400, kFill).bottom, kTop + 30);
    EXPECT_LE(testing_support::Touched(dc, 400, 400, kWhite).right, 261);
    EXPECT_EQ(dc.GetROP2(), platform::R2_COPYPEN);

    // A curve that stays beyond the edge is closed at the left edge at its last sample.
    image = testing_support::White(400, 400);
    platform::Dc dc2(image);
    Draw(dc2, Rates({2, 6, 6, 6}), 1, 3);
    EXPECT_EQ(dc2.GetPixel(20, kTop + 28), kFill);
    EXPECT_EQ(Ink(dc2, 400, 400, kFill).bottom, kTop + 30);

    // Above the top margin the outline starts at the margin: nothing is filled above the wrapped
    // points.
    image = testing_support::White(400, 400);
    platform::Dc dc3(image);
    Draw(dc3, Rates({6, 6, 2}), 1, 2, kTop - 20);
    EXPECT_GE(Ink(dc3, 400, 400, kFill).top, kTop - 10);
    EXPECT_EQ(dc3.GetPixel(10, kTop - 15), kWhite);
}

TEST_F(CurveWrapTest, BlockedAndReversedCurvesWrapToo)
{
    platform::Dc dc(image);
    g.options.rateLineStyle = 0;
    Draw(dc, Rates({2, 6, 6, 2}), 1, 3);
    // The step out to the edge and the wrapped steps in the outline pen, filled from the left edge.
    const COLORREF outline = RGB(0, 0, 0);
    EXPECT_EQ(dc.GetPixel(200, kTop), outline);
    EXPECT_EQ(dc.GetPixel(58, kTop + 15), outline);
    EXPECT_EQ(dc.GetPixel(30, kTop + 15), kFill);
    EXPECT_EQ(dc.GetPixel(180, kTop + 21), outline);  // back inside, one below the row line
    EXPECT_EQ(dc.GetPixel(109, kTop + 25), outline);

    // Reversed, a rate beyond the left edge comes back in from the right.
    image = testing_support::White(400, 400);
    platform::Dc dc2(image);
    g.options.rateLineStyle = 1;
    g.options.reverseRop = true;
    Draw(dc2, Rates({2, 6, 2}), 1, 2);
    EXPECT_EQ(dc2.GetPixel(100, kTop), kRed);
    EXPECT_EQ(dc2.GetPixel(250, kTop + 7), kFill);
    EXPECT_EQ(dc2.GetPixel(100, kTop + 5), kWhite);
    EXPECT_GT(Ink(dc2, 400, 400, kFill).left, 210);  // wrapped 251 to the right, to 210
}

TEST_F(CurveWrapTest, FastDrillingIsShadedUpToTheHighlightRate)
{
    // 1.5 minutes lie at 84; rates of 1 (x 59) are shaded, 0.1 (x 14, within a unit of the left edge)
    // is not.
    g.options.highlightBelow = 1.5f;
    const auto recs = Rates({1, 1, 1, 0.1f, 0.1f});
    for (int style : {1, 0}) {
        image = testing_support::White(400, 400);
        platform::Dc dc(image);
        g.options.rateLineStyle = style;
        Draw(dc, recs, 1, 4);
        EXPECT_EQ(dc.GetPixel(75, kTop + 15), kShade) << style;
        EXPECT_EQ(dc.GetPixel(90, kTop + 15), kWhite) << style;
        // Point to point shades down to the last shaded sample's successor; a step shades its own row.
        EXPECT_EQ(Ink(dc, 400, 400, kShade).bottom, style ? kTop + 30 : kTop + 20) << style;
    }
    // None on ten-foot rows, none reversed.
    for (bool tenFoot : {true, false}) {
        image = testing_support::White(400, 400);
        platform::Dc dc(image);
        g.scaleIndex = tenFoot ? 3 : 2;
        g.options.reverseRop = !tenFoot;
        Draw(dc, recs, 1, 4);
        EXPECT_EQ(Ink(dc, 400, 400, kShade).right, 0) << tenFoot;
    }
}

namespace {

constexpr COLORREF kEdge = RGB(0, 0, 0);        // print pen 9
constexpr COLORREF kThin = RGB(0, 160, 0);      // 10
constexpr COLORREF kHeavy = RGB(160, 0, 0);     // 11
constexpr COLORREF kFirst = RGB(0, 0, 160);     // 15

// Paper on an image: the printer's rate track 20-270, 25 cells of 10.
class PrintedGridTest : public CurvePlotterTest {
protected:
    void SetUp() override
    {
        CurvePlotterTest::SetUp();
        paper.printing = true;
        paper.printer.rateLeft = 20;
        paper.printer.rateRight = 270;
        paper.printer.rateCellWidth = 10;
        paper.printer.rateCellCount = 25;
        paper.printer.rowHeight = 30;
        paper.printPens[PRINT_PEN_RATE] = {kEdge, 1, 0};
        paper.printPens[PRINT_PEN_THIN_GRID] = {kThin, 1, 0};
        paper.printPens[PRINT_PEN_HEAVY_GRID] = {kHeavy, 1, 0};
        paper.printPens[PRINT_PEN_FIRST_GRID] = {kFirst, 1, 0};
        image = testing_support::White(400, 600);
    }
    // The grid lines crossing row y: x and colour, left to right.
    std::vector<std::pair<int, COLORREF>> Lines(const platform::Dc& dc, int y) const
    {
        std::vector<std::pair<int, COLORREF>> v;
        for (int x = 0; x < 400; ++x)
            if (const COLORREF c = dc.GetPixel(x, y); c != kWhite)
                v.push_back({x, c});
        return v;
    }
    std::vector<int> Xs(const std::vector<std::pair<int, COLORREF>>& lines, COLORREF only = 0xFFFFFFFF) const
    {
        std::vector<int> x;
        for (auto [at, c] : lines)
            if (only == 0xFFFFFFFF || c == only)
                x.push_back(at);
        return x;
    }
    Device paper;
    int rowHeight = 30;
};

}  // namespace

TEST_F(PrintedGridTest, EachRowFollowsItsRecordsScaleCode)
{
    platform::Dc dc(image);
    auto recs = Rates({1, 1, 1});
    recs[1].minutesScale = 2;
    // Rows of records 1 (code 2) and 2 (code 1).
    EXPECT_EQ(PrintRateGrid(dc, g, paper, recs, 1, 2, rowHeight, 100), 270);

    // Code 2: 31 lines 8 apart (0.85 of a cell), the first in pen 15, every fourth heavy, the last
    // heavy again.
    auto row = Lines(dc, 115);
    ASSERT_EQ(row.size(), 31u);
    EXPECT_EQ(row.front(), std::make_pair(20, kFirst));
    EXPECT_EQ(row[1], std::make_pair(28, kThin));
    EXPECT_EQ(Xs(row, kHeavy), (std::vector<int>{52, 84, 116, 148, 180, 212, 244, 260}));
    // Code 1: the track's 25 cells, every fifth heavy.
    row = Lines(dc, 145);
    ASSERT_EQ(row.size(), 26u);
    EXPECT_EQ(Xs(row, kHeavy), (std::vector<int>{70, 120, 170, 220, 270}));
    // A thin line along each row's top; the grid closed at the bottom one cell short of the last line.
    EXPECT_EQ(dc.GetPixel(265, 130), kThin);
    EXPECT_EQ(dc.GetPixel(265, 160), kWhite);

    // Per hour every row has the track's cells.
    image = testing_support::White(400, 600);
    platform::Dc dc2(image);
    g.options.ratePerHour = true;
    PrintRateGrid(dc2, g, paper, recs, 1, 1, rowHeight, 100);
    EXPECT_EQ(Lines(dc2, 115).size(), 26u);
}

TEST_F(PrintedGridTest, GridAndRowStepsOfThePrinter)
{
    const auto recs = Rates({2, 2, 2, 2, 2, 2, 2, 2}, 2);
    paper.gridStep = true;
    // Row heights 18 and 36 lose a unit after lines 0, 5, 10 ...; 30 and 60 gain one after 0, 3, 6 ...
    const struct {
        int height, lastX;
        std::vector<int> first;
    } cases[] = {{18, 254, {20, 27, 35, 43, 51, 59, 66}}, {36, 254, {20, 27, 35, 43, 51, 59, 66}},
                 {30, 270, {20, 29, 37, 45, 54, 62, 70}}, {60, 270, {20, 29, 37, 45, 54, 62, 70}}};
    for (const auto& c : cases) {
        image = testing_support::White(400, 600);
        platform::Dc dc(image);
        paper.printer.rowHeight = c.height;
        EXPECT_EQ(PrintRateGrid(dc, g, paper, recs, 1, 1, c.height, 100), c.lastX) << c.height;
        const auto x = Xs(Lines(dc, 105));
        EXPECT_EQ(std::vector<int>(x.begin(), x.begin() + 7), c.first) << c.height;
    }

    // The row step: every fifth row 4 units up.
    image = testing_support::White(400, 600);
    platform::Dc dc(image);
    paper.gridStep = false;
    paper.rowStep = true;
    paper.printer.rowHeight = 30;
    PrintRateGrid(dc, g, paper, recs, 1, 6, 30, 100);
    EXPECT_EQ(dc.GetPixel(25, 100 + 120), kThin);
    EXPECT_EQ(dc.GetPixel(25, 100 + 146), kThin);
    EXPECT_EQ(dc.GetPixel(25, 100 + 150), kWhite);
}

TEST_F(PrintedGridTest, TheLogarithmicGridHasThreeDecadesPerRow)
{
    platform::Dc dc(image);
    g.options.logRateScale = true;
    PrintRateGrid(dc, g, paper, Rates({1, 1}), 1, 1, rowHeight, 100);
    const auto row = Lines(dc, 115);
    ASSERT_EQ(row.size(), 28u);
    EXPECT_EQ(row.front(), std::make_pair(20, kEdge));
    // The decade lines at ln 10 / ln 1000 of the width apart.
    EXPECT_EQ(Xs(row, kHeavy), (std::vector<int>{20 + 83, 20 + 166, 20 + 249}));
    EXPECT_EQ(row[1].first, 20 + 25);  // 2: ln 2 / ln 1000 x 250
}

TEST_F(PrintedGridTest, ThePrintedCurveDrawsOverItsGridOnlyWhenShown)
{
    platform::Dc dc(image);
    const auto recs = Rates({2, 2, 2});
    g.rateShown = false;
    EXPECT_EQ(DrawCurve(dc, g, paper, options, recs, 1, 1, rowHeight, 100, false), 0);
    EXPECT_EQ(Lines(dc, 145).size(), 26u);  // one row more than asked: the page closes on the next
    EXPECT_EQ(dc.GetPixel(120, 115), kHeavy);
    g.rateShown = true;
    EXPECT_EQ(DrawCurve(dc, g, paper, options, recs, 1, 1, rowHeight, 100, false), 1);
    EXPECT_EQ(dc.GetPixel(120, 115), kEdge);  // pen 9 at 20 + 2 x 50
}

TEST_F(PrintedGridTest, OnMonochromePaperTheWrapFillIsLightGreyOverTheGrid)
{
    const QString file = testing_support::TestDir() + "rate.pdf";
    paper.printPens[PRINT_PEN_THIN_GRID] = paper.printPens[PRINT_PEN_HEAVY_GRID] =
        paper.printPens[PRINT_PEN_FIRST_GRID] = {kEdge, 1, 0};
    paper.colourPrinting = false;
    {
        QPdfWriter writer(file);
        writer.setResolution(96);
        writer.setPageLayout(QPageLayout(QPageSize(QSizeF(300, 300), QPageSize::Point), QPageLayout::Portrait,
                                         QMarginsF(0, 0, 0, 0)));
        platform::Dc dc(writer);
        // 6 minutes lie at 320, beyond the grid's last line (270): wrapped 250 to the left, to 70.
        EXPECT_EQ(DrawCurve(dc, g, paper, options, Rates({2, 6, 6, 6, 6}), 1, 3, rowHeight, 100, false), 1);
    }
    const QImage page = testing_support::RasterisePdf(file, 384);
    ASSERT_FALSE(page.isNull());
    // Poppler smooths images drawn at less than four times their size: the 96-dpi page is read at
    // 384 dpi and page pixel (x, y) is the centre of its 4 x 4 block.
    const auto at = [&](int x, int y) { return platform::raster::ToColorRef(page.pixel(4 * x + 2, 4 * y + 2)); };
    EXPECT_EQ(at(45, 180), RGB(192, 192, 192));  // the fill
    EXPECT_EQ(at(40, 180), kEdge);                // a grid line under it
    EXPECT_EQ(at(70, 180), kEdge);                // the wrapped curve
    EXPECT_EQ(at(105, 180), kWhite);
    EXPECT_EQ(at(200, 100), kEdge);               // the curve out to the edge
}
