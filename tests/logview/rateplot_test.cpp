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

// Records from `depth` on, each with the same rate in every field and the given minutes code.
std::vector<RECORD> Rates(int depth, std::vector<float> rates, std::uint16_t code = 1)
{
    std::vector<RECORD> v;
    for (float r : rates) {
        RECORD rec;
        rec.depth = depth++;
        rec.rateOdd = rec.rateOne = rec.rate2Ft = r;
        rec.minutesScale = code;
        rec.rateScale = code;
        v.push_back(rec);
    }
    return v;
}

std::vector<int> Xs(const std::vector<platform::POINT>& p)
{
    std::vector<int> x;
    for (auto q : p)
        x.push_back(q.x);
    return x;
}
std::vector<int> Ys(const std::vector<platform::POINT>& p)
{
    std::vector<int> y;
    for (auto q : p)
        y.push_back(q.y);
    return y;
}

}  // namespace

TEST(RatePlot, LinearMinutesFromTheLeftEdgeOrTheRightWhenReversed)
{
    RateScale s = Track();
    const auto run = Rates(1100, {5, 0, 2, 2, 2});
    auto pts = BuildRatePoints(s, run, 1, 4, 10, kTop);
    // Code 1: five cells per minute; point 0 is the record before the run.
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{9 + 250, 9, 109, 109, 109}));

    s.reversed = true;
    pts = BuildRatePoints(s, run, 1, 1, 10, kTop);
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{259 - 250, 259}));

    // Codes 0 and 9 draw as code 1; the fixed scale's code replaces whatever the record holds, its
    // index held inside the table.
    RECORD r;
    r.minutesScale = 9;
    EXPECT_EQ(MinutesScaleCode(r, {}), 1);
    r.minutesScale = 0;
    EXPECT_EQ(MinutesScaleCode(r, {}), 1);
    r.minutesScale = 8;
    EXPECT_EQ(MinutesScaleCode(r, {}), 8);
    FixedRateScale fixed{true, {6, 4, 5, 2}, 1};
    EXPECT_EQ(MinutesScaleCode(r, fixed), 4);
    fixed.index = 7;
    EXPECT_EQ(MinutesScaleCode(r, fixed), 2);
    fixed.index = -3;
    EXPECT_EQ(MinutesScaleCode(r, fixed), 6);

    s = Track();
    s.fixed = {true, {6, 4, 5, 2}, 1};  // code 4: one cell per minute
    pts = BuildRatePoints(s, Rates(1100, {3, 3}, 1), 1, 1, 10, kTop);
    EXPECT_EQ(pts.curve[1].x, 9 + 30);
}

TEST(RatePlot, CodesTwoAndThreeCorrectTheScreenButNotPaper)
{
    // Code 2 on screen is 4 (p - 1) per minute, less trunc(v) on scale index 1 and trunc(v) - 1 on 2.
    RateScale s = Track(1);
    const auto run = Rates(1100, {2, 2}, 2);
    auto pts = BuildRatePoints(s, run, 1, 1, 10, kTop);
    ASSERT_EQ(pts.curve.size(), 3u);
    EXPECT_EQ(pts.curve[0].x, 9 + 72);      // the first point is not corrected
    EXPECT_EQ(pts.curve[1].x, 9 + 72 - 2);  // 79
    EXPECT_EQ(pts.curve[2].x, 79);

    s.reversed = true;
    pts = BuildRatePoints(s, run, 1, 1, 10, kTop);
    EXPECT_EQ(pts.curve[1].x, 259 - 72 + 2);

    s = Track(2);
    pts = BuildRatePoints(s, Rates(1100, {2, 2.5f}, 3), 1, 1, 10, kTop);
    EXPECT_EQ(pts.curve[1].x, 9 + 45 - 1);  // code 3: 2 (p - 1) per minute, less trunc(2.5) - 1

    // On paper codes 2 and 3 use q = floor(6 p / 7) and no correction.
    s = Track(1);
    s.paper = true;
    pts = BuildRatePoints(s, run, 1, 1, 10, kTop);
    EXPECT_EQ(pts.curve[1].x, 9 + 2 * 4 * 8);

    // The logarithmic scale has no correction either.
    s = Track(1);
    s.logarithmic = true;
    pts = BuildRatePoints(s, Rates(1100, {10, 10}, 2), 1, 1, 10, kTop);
    EXPECT_EQ(pts.curve[1].x, 9 + 166);
}

TEST(RatePlot, LogarithmicMinutesSpanThreeDecadesWhateverTheOrientation)
{
    for (bool reversed : {false, true}) {
        RateScale s = Track();
        s.logarithmic = true;
        s.reversed = reversed;
        const auto run = Rates(1100, {7, 0.1f, 1, 10, 100, 0.01f, 0});
        const auto pts = BuildRatePoints(s, run, 1, 6, 10, kTop);
        // Point 0 is the run's own first record on the log scale; below 0.1 lies on the left edge.
        EXPECT_EQ(Xs(pts.curve), (std::vector<int>{9, 9, 9 + 83, 9 + 166, 9 + 250, 9, 9})) << reversed;
    }
}

TEST(RatePlot, PerHourPiecesAndTheLogScale)
{
    RateScale s = Track();
    s.perHour = true;
    const int W = 50;  // five cells
    // Code 4: 50 to 600 in pieces; 100, 200 and 600 units per hour lie 2, 3 and 5 W from the right.
    EXPECT_EQ(RatePerHourToX(100, 4, 10, kRight, s), kRight - 2 * W);
    EXPECT_EQ(RatePerHourToX(200, 4, 10, kRight, s), kRight - 3 * W);
    EXPECT_EQ(RatePerHourToX(600, 4, 10, kRight, s), kRight - 5 * W);
    EXPECT_EQ(RatePerHourToX(300, 2, 10, kRight, s), kRight - 5 * W);
    EXPECT_EQ(RatePerHourToX(75, 2, 10, kRight, s), kRight - (2 * W + W / 2));
    EXPECT_EQ(RatePerHourToX(450, 3, 10, kRight, s), kRight - 5 * W);
    EXPECT_EQ(RatePerHourToX(25, 6, 10, kRight, s), kRight - 5 * W);
    EXPECT_EQ(RatePerHourToX(50, 4, 10, kRight, s), kRight - W);
    EXPECT_EQ(RatePerHourToX(50, 9, 10, kRight, s), kRight);  // no such scale

    // Code 0 draws as 1, 7 and above as 5.
    RECORD r;
    EXPECT_EQ(PerHourScaleCode(r), 1);
    r.rateScale = 7;
    EXPECT_EQ(PerHourScaleCode(r), 5);
    r.rateScale = 6;
    EXPECT_EQ(PerHourScaleCode(r), 6);

    // Through the builder: 2 min per unit is 30 per hour; a minutes value of 0 counts as 10 (6 per
    // hour). The curve stays on the track.
    auto pts = BuildRatePoints(s, Rates(1100, {2, 2, 0, 0.01f}, 1), 1, 3, 10, kTop);
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{kRight - 60, kRight - 60, kRight - 12, kLeft}));
    EXPECT_TRUE(pts.highlight.empty());

    // Reversed: measured from the left edge.
    s.reversed = true;
    pts = BuildRatePoints(s, Rates(1100, {2, 2, 0.1f}, 1), 1, 2, 10, kTop);
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{kLeft + 60, kLeft + 60, kRight}));

    // Log code 1: 3 per hour on the origin, 300 one track width away; reversed, mirrored from the left.
    s = Track();
    s.perHour = true;
    s.logarithmic = true;
    EXPECT_EQ(RatePerHourToX(3, 1, 10, kRight, s), kRight);
    EXPECT_EQ(RatePerHourToX(300, 1, 10, kRight, s), kLeft);
    EXPECT_EQ(RatePerHourToX(600, 2, 10, kRight, s), kLeft);
    s.reversed = true;
    EXPECT_EQ(RatePerHourToX(3, 1, 10, kLeft, s), kLeft);
    EXPECT_EQ(RatePerHourToX(300, 1, 10, kLeft, s), kRight);
    pts = BuildRatePoints(s, Rates(1100, {20, 20, 1, 60}, 1), 1, 3, 10, kTop);
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{kLeft, kLeft, kLeft + 162, kLeft}));
}

TEST(RatePlot, AverageRecordsTakesThreeFromAMultipleOfFiveAndStaysInItsSpan)
{
    auto run = Rates(10, {1, 2, 6, 4, 8, 0});
    int used = 0;
    EXPECT_FLOAT_EQ(AverageRecords(run, 0, used), 3.0f);  // depth 10: 1, 2, 6
    EXPECT_EQ(used, 3);
    EXPECT_FLOAT_EQ(AverageRecords(run, 1, used), 4.0f);  // depth 11: 2, 6
    EXPECT_EQ(used, 2);
    EXPECT_FLOAT_EQ(AverageRecords(run, 5, used), 0.1f);  // depth 15, one record left, rate 0
    EXPECT_EQ(used, 1);
    EXPECT_FLOAT_EQ(AverageRecords(run, 6, used), 0.1f);  // nothing left
    EXPECT_EQ(used, 0);
    run[1].rate2Ft = -9;
    EXPECT_FLOAT_EQ(AverageRecords(run, 1, used), 0.1f);  // a negative mean
}

TEST(RatePlot, TenFootRowsTakeTwoSamplesPerFiveUnits)
{
    RateScale s = Track(3);
    std::vector<float> rates;
    for (int d = 1001; d <= 1020; ++d)
        rates.push_back(float(d % 7));
    const auto run = Rates(1001, rates);
    const std::size_t first = 4;  // depth 1005
    const auto pts = BuildRatePoints(s, run, first, 4, 10, kTop);
    // Point 0 averages the group two records before the run (1003, 1004); then 1005-1007, 1008-1009,
    // 1010-1012, 1013-1014, each half a row lower.
    const auto mean = [&](int from, int n) {
        float sum = 0;
        for (int d = from; d < from + n; ++d)
            sum += float(d % 7);
        return kLeft + int(sum / float(n) * 50);
    };
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{mean(1003, 2), mean(1005, 3), mean(1008, 2), mean(1010, 3),
                                                mean(1013, 2)}));
    EXPECT_EQ(Ys(pts.curve), (std::vector<int>{kTop, kTop + 5, kTop + 10, kTop + 15, kTop + 20}));
    EXPECT_TRUE(pts.highlight.empty());

    // A run at the span's start averages from there; a run running out of records ends early.
    const auto early = BuildRatePoints(s, run, 0, 40, 10, kTop);
    EXPECT_EQ(early.curve[0].x, mean(1001, 2));
    EXPECT_LT(early.curve.size(), 41u);

    // The last rate x never moves a ten-foot curve; on an odd row height the minutes pairs keep to
    // their rows.
    const auto odd = BuildRatePoints(s, run, first, 4, 9, kTop, 200);
    EXPECT_EQ(odd.curve[0].x, mean(1003, 2));
    EXPECT_EQ(Ys(odd.curve), (std::vector<int>{kTop, kTop + 4, kTop + 8, kTop + 13, kTop + 17}));
    s.perHour = true;
    const auto perHour = BuildRatePoints(s, run, first, 4, 9, kTop);
    EXPECT_EQ(Ys(perHour.curve), (std::vector<int>{kTop, kTop + 4, kTop + 9, kTop + 13, kTop + 18}));
}

TEST(RatePlot, TheFirstPointOfARun)
{
    RateScale s = Track(2);
    const auto run = Rates(1000, {1, 2, 3});
    // At the file's first record the curve starts half way across the track.
    auto pts = BuildRatePoints(s, run, 0, 2, 10, kTop);
    EXPECT_EQ(pts.curve[0].x, kLeft + 125);
    // Later, the record before the run; a span whose first record is not the file's first starts on it.
    pts = BuildRatePoints(s, run, 1, 2, 10, kTop);
    EXPECT_EQ(pts.curve[0].x, kLeft + 50);
    pts = BuildRatePoints(s, std::span(run).subspan(1), 0, 2, 10, kTop);
    EXPECT_EQ(pts.curve[0].x, kLeft + 100);
    // The last rate x takes its place.
    pts = BuildRatePoints(s, run, 2, 1, 10, kTop, 77);
    EXPECT_EQ(Xs(pts.curve), (std::vector<int>{77, kLeft + 150}));
    // Per hour has no middle start.
    s.perHour = true;
    pts = BuildRatePoints(s, run, 0, 1, 10, kTop);
    EXPECT_EQ(pts.curve[0].x, kRight - 120);
}

TEST(RatePlot, SamplesFollowTheRowsAndCarryTheHighlight)
{
    // Scale index 1: half rows, the odd pixel of an odd row height after the record's second sample.
    RateScale s = Track(1);
    const auto run = Rates(1100, std::vector<float>(8, 2.0f));
    auto pts = BuildRatePoints(s, run, 1, 2, 9, kTop);
    EXPECT_EQ(Ys(pts.curve), (std::vector<int>{kTop, kTop + 4, kTop + 8, kTop + 13, kTop + 17}));

    // On paper with the row step, every fifth record's row ends 4 units higher.
    s.paper = true;
    s.rowStep = true;
    pts = BuildRatePoints(s, run, 1, 6, 10, kTop);
    ASSERT_EQ(pts.curve.size(), 13u);
    EXPECT_EQ(pts.curve[10].y, kTop + 50);
    EXPECT_EQ(pts.curve[11].y, kTop + 51);
    s = Track(2);
    s.paper = true;
    s.rowStep = true;
    pts = BuildRatePoints(s, run, 1, 6, 10, kTop);
    EXPECT_EQ(Ys(pts.curve), (std::vector<int>{kTop, kTop + 10, kTop + 20, kTop + 30, kTop + 40, kTop + 50,
                                                kTop + 56}));

    // The highlight x at every sample's y, the first copying the second; none without a value.
    s = Track(2);
    s.highlight = 1.5f;
    pts = BuildRatePoints(s, run, 1, 2, 10, kTop);
    EXPECT_EQ(Xs(pts.highlight), (std::vector<int>{kLeft + 75, kLeft + 75, kLeft + 75}));
    EXPECT_EQ(Ys(pts.highlight), Ys(pts.curve));
    s.highlight = 0;
    EXPECT_TRUE(BuildRatePoints(s, run, 1, 2, 10, kTop).highlight.empty());
}

TEST(RatePlot, DamagedRatesStayOffTheTrackWithoutOverflow)
{
    RateScale s = Track(2);
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const auto run = Rates(1100, {1, nan, 1e30f, -1e30f, std::numeric_limits<float>::infinity()});
    for (bool perHour : {false, true}) {
        for (bool log : {false, true}) {
            s.perHour = perHour;
            s.logarithmic = log;
            const auto pts = BuildRatePoints(s, run, 1, 4, 10, kTop);
            ASSERT_EQ(pts.curve.size(), 5u);
            for (const auto& p : pts.curve)
                EXPECT_LE(std::abs(p.x), 200000000) << perHour << log;
        }
    }
}
