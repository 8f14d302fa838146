// Where rates land on the rate track (9-259, cell 10, as the demo view lays it out), as numbers.
#include "logview/rateplot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace logview;
using wellfile::RECORD;

namespace {

constexpr int kLeft = 9;
constexpr int kRight = 259;
constexpr int kTop = 160;

RateScale Track(int scaleIndex = 2)
{
    RateScale s;
    s.left = kLeft;
    s.right = kRight;
    s.cell = 10;
    s.scaleIndex = scaleIndex;
    s.fileFirstDepth = 1000;
    return s;
}

// Records from `depth` on with the same rate in every rate field and `code` as both scale codes.
std::vector<RECORD> Rates(int depth, std::vector<float> rates, std::uint16_t code = 1)
{
    std::vector<RECORD> v;
    for (float r : rates) {
        RECORD rec;
        rec.depth = depth++;
        rec.rateOdd = rec.rateOne = rec.rate2Ft = r;
        rec.minutesScale = rec.rateScale = code;
        v.push_back(rec);
    }
    return v;
}

std::vector<int> Xs(const RatePoints& p)
{
    std::vector<int> x;
    for (auto q : p.curve)
        x.push_back(q.x);
    return x;
}
std::vector<int> Ys(const RatePoints& p)
{
    std::vector<int> y;
    for (auto q : p.curve)
        y.push_back(q.y);
    return y;
}

}  // namespace

TEST(RatePlot, LinearMinutesScalesAndTheirCodes)
{
    RateScale s = Track();
    // Code 1: five cells per minute from the left edge; point 0 is the record before the run. Codes 0
    // and 9 draw as code 1.
    auto recs = Rates(1100, {5, 0, 2, 2});
    recs[2].minutesScale = 0;
    recs[3].minutesScale = 9;
    EXPECT_EQ(Xs(BuildRatePoints(s, recs, 1, 3, 10, kTop)), (std::vector<int>{259, 9, 109, 109}));
    s.reversed = true;
    EXPECT_EQ(Xs(BuildRatePoints(s, recs, 1, 1, 10, kTop)), (std::vector<int>{9, 259}));

    // The fixed scale's code replaces the record's (code 4: a cell per minute), its index held inside
    // the table.
    s = Track();
    s.fixed = {true, {6, 4, 5, 2}, 1};
    EXPECT_EQ(BuildRatePoints(s, recs, 2, 1, 10, kTop).curve[1].x, 9 + 20);
    s.fixed.index = 7;
    EXPECT_EQ(MinutesScaleCode(recs[0], s.fixed), 2);

    // Codes 2 and 3 on screen: 4 (p - 1) and 2 (p - 1) per minute, less trunc(v) on scale index 1 (more
    // when reversed) and trunc(v) - 1 on 2; point 0 uncorrected. Paper uses q = floor(6 p / 7) uncorrected.
    s = Track(1);
    const auto two = Rates(1100, {2, 2}, 2);
    EXPECT_EQ(Xs(BuildRatePoints(s, two, 1, 1, 10, kTop)), (std::vector<int>{81, 79, 79}));
    s.reversed = true;
    EXPECT_EQ(BuildRatePoints(s, two, 1, 1, 10, kTop).curve[1].x, 259 - 72 + 2);
    s = Track(2);
    EXPECT_EQ(BuildRatePoints(s, Rates(1100, {2, 2.5f}, 3), 1, 1, 10, kTop).curve[1].x, 9 + 45 - 1);
    s = Track(1);
    s.paper = true;
    EXPECT_EQ(BuildRatePoints(s, two, 1, 1, 10, kTop).curve[1].x, 9 + 2 * 4 * 8);
}

TEST(RatePlot, LogarithmicMinutesSpanThreeDecadesWhateverTheOrientation)
{
    for (bool reversed : {false, true}) {
        RateScale s = Track();
        s.logarithmic = true;
        s.reversed = reversed;
        // Point 0 is the run's own first record; below 0.1 lies on the left edge; no code-2 correction.
        const auto recs = Rates(1100, {7, 0.1f, 1, 10, 100, 0.01f}, 2);
        EXPECT_EQ(Xs(BuildRatePoints(s, recs, 1, 5, 10, kTop)), (std::vector<int>{9, 9, 9 + 83, 9 + 166, 9 + 250, 9}))
            << reversed;
    }
}

TEST(RatePlot, PerHourPiecesAndTheLogScale)
{
    RateScale s = Track();
    s.perHour = true;
    const int W = 50;  // five cells
    // Code 4, 50 to 600 in pieces: 100, 200 and 600 per hour lie 2, 3 and 5 W from the right edge.
    EXPECT_EQ(RatePerHourToX(100, 4, 10, kRight, s), kRight - 2 * W);
    EXPECT_EQ(RatePerHourToX(200, 4, 10, kRight, s), kRight - 3 * W);
    EXPECT_EQ(RatePerHourToX(600, 4, 10, kRight, s), kRight - 5 * W);
    EXPECT_EQ(RatePerHourToX(75, 2, 10, kRight, s), kRight - (2 * W + W / 2));
    // Code 0 draws as 1, 7 and above as 5.
    RECORD r;
    EXPECT_EQ(PerHourScaleCode(r), 1);
    r.rateScale = 7;
    EXPECT_EQ(PerHourScaleCode(r), 5);

    // 2 minutes per unit is 30 per hour; a minutes value of 0 counts as 10 (6 per hour); the curve is
    // kept on the track, reversed too.
    const auto recs = Rates(1100, {2, 2, 0, 0.01f});
    EXPECT_EQ(Xs(BuildRatePoints(s, recs, 1, 3, 10, kTop)), (std::vector<int>{199, 199, 247, kLeft}));
    EXPECT_TRUE(BuildRatePoints(s, recs, 1, 3, 10, kTop).highlight.empty());
    s.reversed = true;
    EXPECT_EQ(Xs(BuildRatePoints(s, recs, 1, 3, 10, kTop)), (std::vector<int>{69, 69, 21, kRight}));

    // Log code 1: 3 per hour on the origin, 300 one track width away; reversed, mirrored from the left
    // edge rather than pinned to it.
    s = Track();
    s.perHour = s.logarithmic = true;
    EXPECT_EQ(RatePerHourToX(3, 1, 10, kRight, s), kRight);
    EXPECT_EQ(RatePerHourToX(300, 1, 10, kRight, s), kLeft);
    s.reversed = true;
    EXPECT_EQ(RatePerHourToX(300, 1, 10, kLeft, s), kRight);
    EXPECT_EQ(Xs(BuildRatePoints(s, Rates(1100, {20, 20, 1, 60}), 1, 3, 10, kTop)),
              (std::vector<int>{kLeft, kLeft, kLeft + 162, kLeft}));
}

TEST(RatePlot, AverageRecordsTakesThreeFromAMultipleOfFiveAndStaysInItsSpan)
{
    auto recs = Rates(10, {1, 2, 6, 4, 8, 0});
    int used = 0;
    EXPECT_FLOAT_EQ(AverageRecords(recs, 0, used), 3.0f);  // depth 10: 1, 2, 6
    EXPECT_EQ(used, 3);
    EXPECT_FLOAT_EQ(AverageRecords(recs, 1, used), 4.0f);  // depth 11: 2, 6
    EXPECT_EQ(used, 2);
    EXPECT_FLOAT_EQ(AverageRecords(recs, 5, used), 0.1f);  // depth 15: one record left, rate 0
    EXPECT_EQ(used, 1);
    recs[1].rate2Ft = -9;
    EXPECT_FLOAT_EQ(AverageRecords(recs, 1, used), 0.1f);
}

TEST(RatePlot, TenFootRowsTakeTwoSamplesPerFiveUnits)
{
    RateScale s = Track(3);
    std::vector<float> rates;
    for (int d = 1001; d <= 1020; ++d)
        rates.push_back(float(d % 7));
    const auto recs = Rates(1001, rates);
    const auto mean = [&](int from, int n) {
        float sum = 0;
        for (int d = from; d < from + n; ++d)
            sum += float(d % 7);
        return kLeft + int(sum / float(n) * 50);
    };
    // From depth 1005: point 0 averages the two records before the run, then 1005-1007, 1008-1009,
    // 1010-1012, 1013-1014, half a row apart. The last rate x never moves a ten-foot curve.
    const auto pts = BuildRatePoints(s, recs, 4, 4, 10, kTop, 200);
    EXPECT_EQ(Xs(pts), (std::vector<int>{mean(1003, 2), mean(1005, 3), mean(1008, 2), mean(1010, 3), mean(1013, 2)}));
    EXPECT_EQ(Ys(pts), (std::vector<int>{kTop, kTop + 5, kTop + 10, kTop + 15, kTop + 20}));
    EXPECT_TRUE(pts.highlight.empty());

    // At the span's start the group starts there; a run that runs out of records ends early.
    const auto early = BuildRatePoints(s, recs, 0, 40, 10, kTop);
    EXPECT_EQ(early.curve[0].x, mean(1001, 2));
    EXPECT_LT(early.curve.size(), 41u);

    // On an odd row height both curves keep to their rows: the minutes pair gets the odd pixel after
    // it, the per-hour pair between its samples.
    EXPECT_EQ(Ys(BuildRatePoints(s, recs, 4, 4, 9, kTop)), (std::vector<int>{kTop, kTop + 4, kTop + 8, kTop + 13, kTop + 17}));
    s.perHour = true;
    EXPECT_EQ(Ys(BuildRatePoints(s, recs, 4, 4, 9, kTop)), (std::vector<int>{kTop, kTop + 4, kTop + 9, kTop + 13, kTop + 18}));
}

TEST(RatePlot, TheFirstPointAndTheRowsOfARun)
{
    RateScale s = Track(2);
    const auto recs = Rates(1000, {1, 2, 3});
    // At the file's first record the curve starts half way across the track; later on the record
    // before the run; a span that starts with the run, on the run's first record.
    EXPECT_EQ(BuildRatePoints(s, recs, 0, 2, 10, kTop).curve[0].x, kLeft + 125);
    EXPECT_EQ(BuildRatePoints(s, recs, 1, 2, 10, kTop).curve[0].x, kLeft + 50);
    EXPECT_EQ(BuildRatePoints(s, std::span(recs).subspan(1), 0, 2, 10, kTop).curve[0].x, kLeft + 100);
    EXPECT_EQ(Xs(BuildRatePoints(s, recs, 2, 1, 10, kTop, 77)), (std::vector<int>{77, kLeft + 150}));

    // Scale index 1: half rows, the odd pixel after a record's second sample; on paper with the row
    // step every fifth record's row ends 4 units higher.
    s = Track(1);
    const auto more = Rates(1100, std::vector<float>(8, 2.0f));
    EXPECT_EQ(Ys(BuildRatePoints(s, more, 1, 2, 9, kTop)), (std::vector<int>{kTop, kTop + 4, kTop + 8, kTop + 13, kTop + 17}));
    s.paper = s.rowStep = true;
    const auto stepped = BuildRatePoints(s, more, 1, 6, 10, kTop);
    EXPECT_EQ(stepped.curve[10].y, kTop + 50);
    EXPECT_EQ(stepped.curve[11].y, kTop + 51);

    // The highlight x at every sample's y, the first copying the second.
    s = Track(2);
    s.highlight = 1.5f;
    const auto lit = BuildRatePoints(s, more, 1, 2, 10, kTop);
    ASSERT_EQ(lit.highlight.size(), 3u);
    EXPECT_EQ(lit.highlight[0], (platform::POINT{kLeft + 75, kTop}));
    EXPECT_EQ(lit.highlight[2], (platform::POINT{kLeft + 75, kTop + 20}));
}

TEST(RatePlot, DamagedRatesStayOffTheTrackWithoutOverflow)
{
    RateScale s = Track(2);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto recs = Rates(1100, {1, nan, 1e30f, -1e30f, std::numeric_limits<float>::infinity()});
    for (bool perHour : {false, true}) {
        for (bool log : {false, true}) {
            s.perHour = perHour;
            s.logarithmic = log;
            for (const auto& p : BuildRatePoints(s, recs, 1, 4, 10, kTop).curve)
                EXPECT_LE(std::abs(p.x), 200000000) << perHour << log;
        }
    }
}
