// The rate curve drawn on images over the demo view's rate track (9-259, cell 10, rows of 10 from
// y 160): pixels at the places the scales put the rates.
#include "logview/draw/curveplotter.h"
#include "platform/draw/dc.h"
#include "support/images.h"
#include "support/viewfixture.h"

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
    EXPECT_EQ(ink.left, 109);
    EXPECT_EQ(ink.right, 160);
    EXPECT_EQ(ink.top, kTop);
    EXPECT_EQ(ink.bottom, kTop + 40);  // the last point is left out, as GDI does
    EXPECT_EQ(dc.GetPixel(109, kTop + 25), kCurve);
    EXPECT_EQ(dc.GetPixel(134, kTop + 5), kCurve);  // half way down the first segment
    EXPECT_EQ(dc.GetROP2(), platform::R2_COPYPEN);

    // Reversed: measured from the right edge, in red.
    image = testing_support::White(400, 400);
    platform::Dc dc2(image);
    g.options.reverseRop = true;
    Draw(dc2, recs, 1, 4);
    EXPECT_EQ(dc2.GetPixel(259 - 100, kTop + 25), kRed);
    EXPECT_EQ(Ink(dc2, 400, 400, kCurve).right, 0);
}

TEST_F(CurvePlotterTest, BlockedStepsHoldEachRateOverItsRow)
{
    platform::Dc dc(image);
    g.options.rateLineStyle = 0;
    Draw(dc, Rates({1, 2, 3}), 1, 2);
    // Point 0 (59, 160), point 1 (109, 170), point 2 (159, 180): across at the row's top, then down.
    EXPECT_EQ(dc.GetPixel(80, kTop), kCurve);
    EXPECT_EQ(dc.GetPixel(109, kTop + 5), kCurve);
    EXPECT_EQ(dc.GetPixel(130, kTop + 10), kCurve);
    EXPECT_EQ(dc.GetPixel(159, kTop + 15), kCurve);
    EXPECT_EQ(dc.GetPixel(84, kTop + 5), kWhite);  // no diagonal
}

TEST_F(CurvePlotterTest, OffsetCurveOnADragTakesItselfOffAndLeavesTheSavedPointsAlone)
{
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 400; ++x)
            image.setPixel(x, y, 0xFF336699);
    const QImage before = image;
    options.memory = &memory;
    memory.offsetPoints = {{1, 2}};
    const auto recs = Rates({1, 2, 4, 3, 1});
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
    EXPECT_EQ(dc.GetPixel(209, kTop + 20), kRed);
    EXPECT_EQ(memory.offsetPoints, (std::vector<platform::POINT>{{59, 160}, {109, 170}, {209, 180}, {159, 190}, {59, 200}}));
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

    // Neither the ten-foot strip nor an offset curve moves it.
    options.tenFootStrip = true;
    Draw(dc, recs, 1, 2);
    options.tenFootStrip = false;
    Draw(dc, recs, 1, 2, kTop, true);
    EXPECT_EQ(memory.lastRateX, 209);
}
