// Where the grid strips' lines stand, as numbers, on the demo well's layout and variants of it.
#include "app/layouthosts.h"
#include "layout/logformat.h"
#include "logview/gridlines.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using logview::GridPen;
using Xs = std::vector<std::int32_t>;

namespace {

class GridLinesTest : public testing_support::ViewTest {};

Xs Between(const Xs& xs, std::int32_t from, std::int32_t to)
{
    Xs out;
    std::copy_if(xs.begin(), xs.end(), std::back_inserter(out), [&](std::int32_t x) { return x >= from && x <= to; });
    return out;
}

Xs Steps(std::int32_t first, std::int32_t step, int count)
{
    Xs xs;
    for (int i = 0; i < count; ++i)
        xs.push_back(first + i * step);
    return xs;
}

}  // namespace

TEST_F(GridLinesTest, MainStripOfTheDemoLayout)
{
    logview::ViewGeometry g = Geometry();
    const logview::StripPlan p = logview::MainStripLines(g);
    EXPECT_EQ(p.width, 1064);
    const Xs border = p.LinesWith(GridPen::HeavyBorder), heavy = p.LinesWith(GridPen::HeavyGrid);
    // Rate track: 26 lines 10 apart, the first black, every fifth blue.
    EXPECT_EQ(Between(p.Lines(), 9, 259), Steps(9, 10, 26));
    EXPECT_EQ(Between(heavy, 9, 259), (Xs{59, 109, 159, 209, 259}));
    EXPECT_EQ(Between(border, 9, 259), (Xs{9}));
    // Lithology edges; the cut column's first and last lines heavy.
    EXPECT_EQ(Between(heavy, 300, 520), (Xs{346, 446, 482, 509}));
    EXPECT_EQ(Between(p.LinesWith(GridPen::Grid), 300, 520), (Xs{491, 500}));
    // Gas: 36 lines 9 apart, the 36th the black border; with one gas track part 2 is that line again.
    Xs gas = Steps(739, 9, 36);
    gas.push_back(1054);
    EXPECT_EQ(Between(p.Lines(), 739, 1064), gas);
    EXPECT_EQ(Between(border, 700, 1064), (Xs{1054, 1054}));

    // A column of no cells keeps its left line.
    g.cut.count = 0;
    g.gas.count = 0;
    const logview::StripPlan empty = logview::MainStripLines(g);
    EXPECT_EQ(Between(empty.Lines(), 470, 520), (Xs{482}));
    EXPECT_EQ(Between(empty.LinesWith(GridPen::HeavyBorder), 700, 1064), (Xs{739, 739}));

    // Profile 16: half cells, so every fifth (heavy) line falls every two and a half cells; an odd
    // cell's 4.5 is truncated after each step.
    g = Geometry();
    g.profile = 16;
    const logview::StripPlan half = logview::MainStripLines(g);
    EXPECT_EQ(Between(half.Lines(), 9, 259), Steps(9, 5, 51));
    EXPECT_EQ(Between(half.LinesWith(GridPen::HeavyGrid), 9, 60), (Xs{34, 59}));
    g.rate.cell = 9;
    EXPECT_EQ(Between(logview::MainStripLines(g).Lines(), 9, 20), (Xs{9, 13, 17}));
}

TEST_F(GridLinesTest, TwoGasPartsDoubleTheirLastLinesAndPartTwoStartsOnPartOne)
{
    s.well.loggerId = 23;  // a wide format: two gas tracks of 20 cells
    layout::SetLogFormat(s.layout.format, 23, 0, app::LayoutInputsOf(s, 1080));
    const logview::ViewGeometry g = Geometry();
    ASSERT_TRUE(g.splitGas);
    ASSERT_EQ(g.gas.count, 20);
    ASSERT_EQ(g.gas2.count, 20);
    const std::int32_t mid = g.gasMiddleX;
    const logview::StripPlan p = logview::MainStripLines(g);
    Xs expected = Steps(g.gas.left + g.gas.cell, g.gas.cell, 20);
    expected.push_back(mid + 1);
    for (std::int32_t x : Steps(mid, g.gas2.cell, 21))
        expected.push_back(x);
    expected.push_back(g.gasRight + 1);
    EXPECT_EQ(Between(p.Lines(), g.gas.left + 1, g.gasRight + 1), expected);  // gas left is the cut's end too
    EXPECT_EQ(Between(p.LinesWith(GridPen::HeavyBorder), g.gas.left, g.gasRight + 1), (Xs{g.gasRight, g.gasRight + 1}));
    const Xs heavy = p.LinesWith(GridPen::HeavyGrid);
    EXPECT_NE(std::find(heavy.begin(), heavy.end(), g.sideLithology.Right()), heavy.end());
}

TEST_F(GridLinesTest, AlternateRateStripFollowsTheScreenWidth)
{
    logview::ViewGeometry g = Geometry();  // rate left 9, cell 10: the strip's cell is 9
    g.screenWidth = 800;
    Xs xs = logview::AlternateRateLines(g).Lines();
    ASSERT_EQ(xs.size(), 30u);
    EXPECT_EQ(xs[0], 8);
    EXPECT_EQ(xs[6], 9 + 54 - 2);
    for (std::int32_t width : {1024, 1920}) {
        g.screenWidth = width;
        const logview::StripPlan p = logview::AlternateRateLines(g);
        xs = p.Lines();
        EXPECT_EQ((Xs{xs[0], xs[4], xs[6], xs[12]}), (Xs{9, 9 + 35, 9 + 52, 9 + 103}));
        EXPECT_EQ(p.LinesWith(GridPen::HeavyGrid).size(), 7u);  // k = 4, 8, .. 28
    }
    g.screenWidth = 900;  // neither correction
    EXPECT_EQ(logview::AlternateRateLines(g).Lines()[12], 9 + 108);
}

TEST_F(GridLinesTest, LogarithmicStripsPutTheirDecadesWhereTheValuesMap)
{
    EXPECT_EQ(logview::DecadeOffsets(0.1, 100, 250), (std::array<std::int32_t, 10>{0, 25, 39, 50, 58, 64, 70, 75, 79, 83}));
    logview::ViewGeometry g = Geometry();
    // 0.1, 1, 10 and 100 min/unit from the strip's left edge, which is laid on the rate track's.
    logview::StripPlan rate = logview::LogRateLines(g);
    EXPECT_EQ(rate.width, 250);
    EXPECT_EQ(rate.LinesWith(GridPen::HeavyGrid), (Xs{0, 83, 166, 249}));
    EXPECT_EQ(rate.LinesWith(GridPen::Grid).back(), 250);
    g.profile = 74;  // 3 to 300, from the right
    rate = logview::LogRateLines(g);
    EXPECT_EQ(rate.LinesWith(GridPen::HeavyGrid), (Xs{250, 125, 0}));
    EXPECT_EQ(rate.Lines()[1], 250 - 37);  // 6: trunc(ln 2 / ln 100 x 250)

    g = Geometry();  // one gas track of 315 pixels
    const logview::LogGasPlan gas = logview::LogGasLines(g);
    EXPECT_EQ(gas.plan.width, 315);
    const std::int32_t d = logview::DecadeOffsets(0.1, 10000, 315)[9];
    EXPECT_EQ(gas.plan.LinesWith(GridPen::HeavyGrid), Steps(0, d, 6));
    EXPECT_EQ(gas.extent, 5 * d + 1);

    // E-log gas: 0.2, then 1, 10, 100, 1000 heavy, 2000 thin at the extent.
    const logview::ElogGasPlan elog = logview::ElogGasLines(g);
    const auto t = logview::DecadeOffsets(0.2, 2000, 315);
    EXPECT_EQ(elog.plan.width, 315 + 50);
    EXPECT_EQ(elog.factorTwoWidth, float(t[1]));
    EXPECT_EQ(elog.plan.LinesWith(GridPen::HeavyGrid), (Xs{0, t[9] - t[1], 2 * t[9] - t[1], 3 * t[9] - t[1], 4 * t[9] - t[1]}));
    EXPECT_EQ(elog.extent, 4 * t[9]);
    EXPECT_EQ(elog.plan.Lines().back(), elog.extent);
}
