// Where gas values stand across the gas track: the logarithmic, linear and compressed scales, the ratio
// column, and the values made ready before they are placed.
#include "tracks/gasscale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tracks;

namespace {

// The gas track from x = 100, 503 wide; the ratio column from 700.
GasAxis Axis()
{
    GasAxis a;
    a.tgLeft = a.componentLeft = a.logTgLeft = a.logComponentLeft = 100;
    a.logWidth = 503;
    a.ratioLeft = 700;
    return a;
}

GasPositions Map(const TrackSettings& s, GasValues v, int code = 0, bool ratio = false, int profile = 12)
{
    wellfile::RECORD rec;
    rec.gasScale = std::uint16_t(code);
    return GasValuesToX(Axis(), s, profile, rec, v, 10, ratio);
}

TrackSettings Log()
{
    TrackSettings s;
    s.logGasScale = true;
    s.hotwire = true;
    return s;
}

}  // namespace

TEST(GasScale, LogarithmicScaleSpansFiveDecadesWithNoRightClamp)
{
    const GasPositions xs = Map(Log(), {1, 10, 10000, 0.05f, 100000, 0.1f, 0, 0});
    EXPECT_EQ(xs[0], 200);   // a fifth of the width
    EXPECT_EQ(xs[1], 301);
    EXPECT_EQ(xs[2], 603);   // the right edge
    EXPECT_EQ(xs[3], 100);   // left of the track: on its edge
    EXPECT_EQ(xs[4], 703);   // a decade beyond the right edge
    EXPECT_EQ(xs[5], 100);
    EXPECT_EQ(xs[6], 100);
}

TEST(GasScale, ValuesAreMadeReadyInPlace)
{
    TrackSettings s = Log();
    GasValues v{0, -50, 0, 0, 0, 0, 0, 0};
    wellfile::RECORD rec;
    EXPECT_EQ(GasValuesToX(Axis(), s, 12, rec, v, 10, false)[1], 100 + int(std::log10(500.0) / 5 * 503));
    EXPECT_EQ(v[1], 50.0f);  // a flagged reading counts at its magnitude, and the caller sees it

    s.hotwire = false;       // TG is the components' sum, whatever the record holds
    s.combineIc4Nc4 = true;
    GasValues w{9999, 1, 2, 3, 4, 5, 6, 7};
    GasValuesToX(Axis(), s, 12, rec, w, 10, false);
    EXPECT_EQ(w[0], 28.0f);
    EXPECT_EQ(w[4], 9.0f);
    EXPECT_EQ(w[5], 0.0f);
    GasValues profile60{0, 1, 2, 3, 4, 5, 6, 7};
    GasValuesToX(Axis(), s, 60, rec, profile60, 10, false);
    EXPECT_EQ(profile60[4], 4.0f);  // never combined on profile 60
}

TEST(GasScale, CompressedAndLinearScales)
{
    TrackSettings compressed;
    compressed.hotwire = true;
    EXPECT_EQ(Map(compressed, {100, 150}, 2)[0], 300);   // 4 label steps of 50
    EXPECT_EQ(Map(compressed, {100, 150}, 2)[1], 350);   // 5 label steps
    EXPECT_EQ(Map(compressed, {100}, 0)[0], 162);        // codes outside the table take code 8's pieces
    EXPECT_EQ(Map(compressed, {100}, 12)[0], 162);

    TrackSettings linear = compressed;
    linear.linearGasScale = true;
    EXPECT_EQ(Map(linear, {700}, 3)[0], 450);            // 7 label steps of 100
    EXPECT_EQ(Map(linear, {700}, 0)[0], 117);            // full scale of code 8: 2000 per step
    EXPECT_EQ(Map(linear, {700}, 10)[0], 117);
}

TEST(GasScale, RatioColumnShowsFractionsOfTheComponentSum)
{
    TrackSettings s;
    s.hotwire = true;
    const GasPositions zero = Map(s, {50, 0, 0, 0, 0, 0, 0, 0}, 0, true);
    for (std::int32_t x : zero)
        EXPECT_EQ(x, 710);  // the ratio origin: the column's left plus a unit
    const GasPositions half = Map(s, {50, 30, 30, 0, 0, 0, 0, 90}, 0, true);
    EXPECT_EQ(half[1], 810);  // half of the 20 units
    EXPECT_EQ(half[7], 1010);  // nC5 is not in the sum: 1.5 of it
}

TEST(GasScale, PercentModeDividesComponentsByTheirTestGas)
{
    TrackSettings s = Log();
    s.gasPercent = true;
    wellfile::RECORD rec;
    rec.testGas[1] = 1000;  // C1: 100 of a test gas of 1000 is 10 %
    rec.testGas[2] = 0;     // unset: divided by 1
    GasValues v{0, 100, 0.1f, 0, 0, 0, 0, 0};
    const GasPositions xs = GasValuesToX(Axis(), s, 12, rec, v, 10, false);
    EXPECT_EQ(xs[1], 301);
    EXPECT_EQ(xs[2], 301);
}

TEST(GasScale, NonFiniteValuesStayOnThePage)
{
    TrackSettings s = Log();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const TrackSettings& t : {s, TrackSettings{}}) {
        const GasPositions xs = Map(t, {1, nan, inf, 3e38f, -inf, 0, 0, 0}, 8);
        EXPECT_EQ(xs[1], 100);  // NaN at the origin
        EXPECT_GT(xs[2], 603);
        EXPECT_LT(xs[2], std::numeric_limits<std::int32_t>::max() / 2);  // room left for a painter's sums
        EXPECT_GT(xs[3], 603);
        EXPECT_GT(xs[4], 603);  // counted at its magnitude
    }
}

TEST(GasScale, PrintedAxisEndsAtTheGridsRightEdge)
{
    logview::ViewGeometry g;
    logview::Device paper;
    paper.printing = true;
    paper.printer.gasLeft = 200;
    paper.printer.gasUnits = 25;
    paper.printer.unitWidth = 20;
    PainterState state;
    EXPECT_EQ(GasAxisOf(g, paper, state).logWidth, 500);  // before any grid: five decades of the track
    state.printedGridRight = 650;
    EXPECT_EQ(GasAxisOf(g, paper, state).logWidth, 450);
    EXPECT_EQ(GasAxisOf(g, paper, state).logTgLeft, 200);
}
