// Where the grid strips' lines stand, as numbers, on the demo well's layout and variants of it.
#include "app/layouthosts.h"
#include "layout/logformat.h"
#include "logview/geometryof.h"
#include "logview/gridlines.h"
#include "support/viewfixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using logview::GridPen;
using logview::GridStroke;
using testing_support::ViewTest;
using Xs = std::vector<std::int32_t>;

namespace {

class GridLinesTest : public ViewTest {
protected:
    // The geometry after laying the demo well out for `profile` on a `screenWidth` screen.
    logview::ViewGeometry LaidOutFor(int profile, int screenWidth = 1920)
    {
        s.env.screenWidth = s.env.desktopWidth = screenWidth;
        s.well.loggerId = profile;
        layout::SetLogFormat(s.layout.format, profile, 0, app::LayoutInputsOf(s, 1080));
        return Geometry();
    }
};

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

bool HasTop(const logview::StripPlan& p, std::int32_t from, std::int32_t to)
{
    return std::any_of(p.strokes.begin(), p.strokes.end(),
                       [&](const GridStroke& s) { return s.kind == GridStroke::Top && s.x == from && s.to == to; });
}

}  // namespace

TEST_F(GridLinesTest, MainStripOfTheDemoLayout)
{
    const logview::StripPlan p = logview::MainStripLines(Geometry());
    EXPECT_EQ(p.width, 1064);
    const Xs heavyBorder = p.LinesWith(GridPen::HeavyBorder), heavy = p.LinesWith(GridPen::HeavyGrid),
             thin = p.LinesWith(GridPen::Grid);

    // Rate track: 26 lines 10 apart from 9, the first black, every fifth blue; its row line on top.
    Xs rate = Between(p.Lines(), 9, 259);
    EXPECT_EQ(rate, Steps(9, 10, 26));
    EXPECT_EQ(Between(heavy, 9, 259), (Xs{59, 109, 159, 209, 259}));
    EXPECT_EQ(Between(heavyBorder, 9, 259), (Xs{9}));
    EXPECT_TRUE(HasTop(p, 9, 259));
    EXPECT_EQ(thin.front(), 1);  // the log's left border

    // Lithology edges and the cut column, whose first and last lines are heavy.
    EXPECT_EQ(Between(heavy, 300, 520), (Xs{346, 446, 482, 509}));
    EXPECT_EQ(Between(thin, 300, 520), (Xs{491, 500}));
    EXPECT_TRUE(HasTop(p, 482, 509));

    // Gas track: 36 lines 9 apart, every fifth heavy, the 36th the black border; with one gas track
    // part 2 is that one border line again.
    EXPECT_EQ(Between(p.Lines(), 739, 1064), [] {
        Xs xs = Steps(739, 9, 36);
        xs.push_back(1054);
        return xs;
    }());
    EXPECT_EQ(Between(heavyBorder, 700, 1064), (Xs{1054, 1054}));
    EXPECT_EQ(Between(heavy, 700, 1064), (Xs{739, 784, 829, 874, 919, 964, 1009}));
    EXPECT_TRUE(HasTop(p, 739, 1054));
}

TEST_F(GridLinesTest, EmptyColumnsKeepTheirLeftLineAndProfile16HalvesTheRateCells)
{
    logview::ViewGeometry g = Geometry();
    g.cut.count = 0;
    g.gas.count = 0;
    const logview::StripPlan p = logview::MainStripLines(g);
    EXPECT_EQ(Between(p.Lines(), 470, 520), (Xs{482}));
    // A gas track of no cells still has its left line, the border, and part 2 on it.
    EXPECT_EQ(Between(p.LinesWith(GridPen::HeavyBorder), 700, 1064), (Xs{739, 739}));

    g = Geometry();
    g.profile = 16;
    const logview::StripPlan half = logview::MainStripLines(g);
    EXPECT_EQ(Between(half.Lines(), 9, 259), Steps(9, 5, 51));
    EXPECT_EQ(Between(half.LinesWith(GridPen::HeavyGrid), 9, 259), (Xs{34, 59, 84, 109, 134, 159, 184, 209, 234, 259}));

    // An odd cell steps by 4.5 and is truncated after each step.
    g.rate.cell = 9;
    EXPECT_EQ(Between(logview::MainStripLines(g).Lines(), 9, 20), (Xs{9, 13, 17}));
}

TEST_F(GridLinesTest, TwoGasPartsDoubleTheirLastLinesAndPartTwoStartsOnPartOne)
{
    const logview::ViewGeometry g = LaidOutFor(23);  // a wide format: two gas tracks of 20 cells
    ASSERT_TRUE(g.splitGas);
    ASSERT_EQ(g.gas.count, 20);
    ASSERT_EQ(g.gas2.count, 20);
    const std::int32_t w = g.gas.cell, mid = g.gas.left + 20 * w;
    ASSERT_EQ(mid, g.gasMiddleX);
    const logview::StripPlan p = logview::MainStripLines(g);
    const Xs gasLines = Between(p.Lines(), g.gas.left + 1, g.gasRight + 1);  // the gas left is the cut column's end too
    Xs expected = Steps(g.gas.left + w, w, 20);
    expected.push_back(mid + 1);
    for (std::int32_t x : Steps(mid, g.gas2.cell, 21))
        expected.push_back(x);
    expected.push_back(g.gasRight + 1);
    EXPECT_EQ(gasLines, expected);
    EXPECT_EQ(Between(p.LinesWith(GridPen::HeavyBorder), g.gas.left, g.gasRight + 1), (Xs{g.gasRight, g.gasRight + 1}));
    // The side lithology column's right edge is heavy.
    ASSERT_GT(g.sideLithology.left, 0);
    const Xs heavy = p.LinesWith(GridPen::HeavyGrid);
    EXPECT_NE(std::find(heavy.begin(), heavy.end(), g.sideLithology.Right()), heavy.end());
}

TEST_F(GridLinesTest, AlternateRateStripFollowsTheScreenWidth)
{
    logview::ViewGeometry g = Geometry();  // rate left 9, cell 10: the strip's cell is 9
    g.screenWidth = 800;
    logview::StripPlan p = logview::AlternateRateLines(g);
    EXPECT_EQ(p.width, 261);
    ASSERT_EQ(p.Lines().size(), 30u);
    EXPECT_EQ(p.Lines()[0], 8);
    EXPECT_EQ(p.LinesWith(GridPen::HeavyBorder), (Xs{8}));
    EXPECT_EQ(p.Lines()[6], 9 + 54 - 2);

    for (std::int32_t width : {1024, 1920}) {
        g.screenWidth = width;
        p = logview::AlternateRateLines(g);
        const Xs xs = p.Lines();
        EXPECT_EQ(xs[0], 9);
        EXPECT_EQ(xs[4], 9 + 35);
        EXPECT_EQ(xs[6], 9 + 52);
        EXPECT_EQ(xs[12], 9 + 103);
        EXPECT_EQ(p.LinesWith(GridPen::HeavyGrid).size(), 7u);  // k = 4, 8, .. 28
    }
    g.screenWidth = 900;  // neither correction
    EXPECT_EQ(logview::AlternateRateLines(g).Lines()[12], 9 + 108);

    g.profile = 16;  // a thin line half a block right of each
    const Xs xs = logview::AlternateRateLines(g).Lines();
    ASSERT_EQ(xs.size(), 60u);
    EXPECT_EQ(xs[1], xs[0] + 4);
}

TEST_F(GridLinesTest, LogarithmicStripsPutTheirDecadesWhereTheValuesMap)
{
    EXPECT_EQ(logview::DecadeOffsets(0.1, 100, 250), (std::array<std::int32_t, 10>{0, 25, 39, 50, 58, 64, 70, 75, 79, 83}));

    logview::ViewGeometry g = Geometry();
    logview::StripPlan rate = logview::LogRateLines(g);
    EXPECT_EQ(rate.width, 250);
    // 0.1, 1, 10 and 100 min/unit from the strip's left edge, which is laid on the rate track's.
    EXPECT_EQ(rate.LinesWith(GridPen::HeavyGrid), (Xs{0, 83, 166, 249}));
    EXPECT_EQ(rate.LinesWith(GridPen::Grid).back(), 250);
    EXPECT_EQ(rate.Lines().size(), 1u + 27u + 1u);
    EXPECT_TRUE(HasTop(rate, 0, 250));

    g.profile = 74;  // 3 to 300, from the right
    rate = logview::LogRateLines(g);
    EXPECT_EQ(rate.LinesWith(GridPen::HeavyGrid), (Xs{250, 125, 0}));
    EXPECT_EQ(rate.Lines()[1], 250 - 37);  // 6: trunc(ln 2 / ln 100 x 250)

    g = Geometry();  // one gas track of 315 pixels
    const logview::LogGasPlan gas = logview::LogGasLines(g);
    EXPECT_EQ(gas.plan.width, 315);
    const Xs decades = gas.plan.LinesWith(GridPen::HeavyGrid);
    ASSERT_EQ(decades.size(), 6u);
    EXPECT_EQ(decades[0], 0);
    const std::int32_t d = logview::DecadeOffsets(0.1, 10000, 315)[9];
    EXPECT_EQ(decades[5], 5 * d);
    EXPECT_EQ(gas.extent, 5 * d + 1);
    EXPECT_LE(gas.extent, 316);

    const logview::ElogGasPlan elog = logview::ElogGasLines(g);
    EXPECT_EQ(elog.plan.width, 315 + 50);
    const auto t = logview::DecadeOffsets(0.2, 2000, 315);
    EXPECT_EQ(elog.factorTwoWidth, float(t[1]));
    // 0.2, then 1, 10, 100, 1000 heavy, 2000 thin at the extent, close to the gas track's width.
    const Xs elogHeavy = elog.plan.LinesWith(GridPen::HeavyGrid);
    EXPECT_EQ(elogHeavy, (Xs{0, t[9] - t[1], 2 * t[9] - t[1], 3 * t[9] - t[1], 4 * t[9] - t[1]}));
    EXPECT_EQ(elog.extent, 4 * t[9]);
    EXPECT_EQ(elog.plan.Lines().back(), elog.extent);
    EXPECT_GE(elog.extent, 315 - 8);
}

TEST_F(GridLinesTest, SmallStripsFromTheirOwnLeftEdge)
{
    logview::ViewGeometry g = Geometry();
    const logview::StripPlan percent = logview::GasPercentLines(g);
    EXPECT_EQ(percent.width, 20 * 9 + 2);
    EXPECT_EQ(percent.LinesWith(GridPen::HeavyBorder), (Xs{0, 180}));
    EXPECT_EQ(percent.LinesWith(GridPen::HeavyGrid), (Xs{45, 90, 135}));

    EXPECT_EQ(logview::GasShowLines(g).width, 0);  // profile 16 only
    EXPECT_EQ(logview::ElogLines(g).width, 0);     // no e-log column
    g.profile = 16;
    const logview::StripPlan show = logview::GasShowLines(g);
    EXPECT_EQ(show.width, 326);  // trunc(9 x 0.9 x 40 + 2)
    const Xs xs = show.Lines();
    ASSERT_EQ(xs.size(), 41u);
    EXPECT_EQ(Xs(xs.begin(), xs.begin() + 4), (Xs{0, 8, 16, 24}));  // 8.1 truncated each step
    EXPECT_EQ(show.LinesWith(GridPen::HeavyGrid), (Xs{0, 80, 160, 240, 320}));

    g.elogCells = 10;
    g.elogCellWidth = 7;
    const logview::StripPlan elog = logview::ElogLines(g);
    EXPECT_EQ(elog.width, 70);
    EXPECT_EQ(elog.LinesWith(GridPen::HeavyBorder), (Xs{70}));
    EXPECT_EQ(elog.LinesWith(GridPen::HeavyGrid), (Xs{0, 35}));
}
