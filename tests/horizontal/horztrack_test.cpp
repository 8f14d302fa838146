// The track points and the well-path walk as plain values, on the plain layout of a 615-pixel window
// (gas band 0-160, path area 160-376, lower band 428-588), plotLeft 50, records one unit apart from
// MD 2,000.
#include "horizontal/horzpath.h"
#include "horizontal/horztrack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace horizontal;
using platform::POINT;

namespace {

struct Track {
    std::vector<wellfile::RECORD> records;
    HorzViewSettings s;
    TrackInputs in;
    explicit Track(int n = 10)
    {
        for (int i = 0; i < n; ++i) {
            wellfile::RECORD r;
            r.depth = 2000 + i;
            records.push_back(r);
        }
        const std::int32_t plain[10] = {0, 100, 250, 500, 1000, 1500, 2000, 2500, 5000, 10000};
        std::copy(std::begin(plain), std::end(plain), s.gasScales);
        s.gasScale = s.rateScale = 2;
        s.gammaScale = 6;
        s.gammaOffWellTrack = true;
        in.n = n;
        in.fileLastDepth = 3000;
        in.plotFirstDepth = 2000;
        in.bands.gasTop = 0;
        in.bands.gasBandHeight = in.bands.gasBase = in.bands.pathTop = 160;
        in.bands.pathBottom = 376;
        in.bands.lowerTop = 428;
        in.bands.lowerBandHeight = 160;
        in.bands.lowerBase = 588;
    }
    TrackPoints Compute()
    {
        in.records = records;
        return ComputeTrackPoints(in, s);
    }
    static int YAt(const std::vector<POINT>& points, int x)
    {
        for (const POINT& p : points)
            if (p.x == x)
                return p.y;
        return -12345;
    }
};

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

}  // namespace

TEST(HorzTrackPoints, GasFromTheHalfStepBlockLinearAndLogWithVerticalScales)
{
    Track t(5);
    const float tg[4] = {125, 0.9f, 20000, 0};
    for (int i = 0; i < 4; ++i)
        t.records[std::size_t(i)].halfGas[0] = tg[i];
    t.records[3].gas[0] = 500;  // the full-step block is not drawn here
    t.records[4].halfGas[0] = kNaN;
    TrackPoints p = t.Compute();
    EXPECT_EQ(p.gas[0], (std::vector<POINT>{{54, 80}, {62, 160}, {70, 0}, {78, 160}}));  // no point for NaN
    t.s.logGas = true;
    t.records[0].halfGas[0] = 1;
    p = t.Compute();
    EXPECT_EQ(Track::YAt(p.gas[0], 54), 128);
    EXPECT_EQ(Track::YAt(p.gas[0], 70), -9);  // above the band: no top clamp
    EXPECT_EQ(Track::YAt(p.gas[0], 78), 160);
    // Vertical gas scales: code 0 takes scale 2 (250), code 7 the seventh entry (2500).
    t.s.logGas = false;
    t.s.verticalGasScales = true;
    t.s.gasScale = 9;
    t.records[0].halfGas[0] = t.records[1].halfGas[0] = 125;
    t.records[1].gasScale = 7;
    p = t.Compute();
    EXPECT_EQ(Track::YAt(p.gas[0], 54), 80);
    EXPECT_EQ(Track::YAt(p.gas[0], 62), 152);
    // Values no int holds stand at the band's top, as the largest would.
    t.records[0].halfGas[0] = 3e9f;
    t.records[1].halfGas[0] = -3e20f;
    p = t.Compute();
    EXPECT_EQ(Track::YAt(p.gas[0], 54), 0);
    EXPECT_EQ(Track::YAt(p.gas[0], 62), 0);
    // The walk ends after the file's last depth.
    t.in.fileLastDepth = 2001;
    EXPECT_EQ(t.Compute().gas[0].size(), 2u);
}

TEST(HorzTrackPoints, RatesPlainStairsAndPerHour)
{
    Track t(4);
    for (auto& r : t.records)
        r.rateOdd = r.rateOne = 2.5f;
    t.records[1].rateOdd = 7.5f;
    t.records[2].rateOne = kNaN;
    TrackPoints p = t.Compute();
    // Two samples a record at 8i and 8i + 4; 7.5 runs off the top and wraps.
    EXPECT_EQ(Track::YAt(p.rate, 50), 508);
    EXPECT_EQ(Track::YAt(p.rate, 54), 508);
    EXPECT_EQ(Track::YAt(p.rate, 58), 428);
    EXPECT_EQ(p.rate.size(), 7u);  // the NaN sample gives none
    EXPECT_TRUE(p.rateWrapped);
    // Stairs: flat steps, point 1 of record 1 on the band's top with its wrap at 508, a closing point.
    t.s.blockedRop = true;
    t.records[2].rateOne = 2.5f;
    p = t.Compute();
    ASSERT_EQ(p.rate.size(), 17u);
    EXPECT_EQ(p.rate[0], (POINT{50, 588}));
    EXPECT_EQ(p.rate[4], (POINT{58, 428}));
    EXPECT_EQ(p.rateWrap[4].y, 508);
    EXPECT_TRUE(p.rateWrapped);
    EXPECT_EQ(p.rate.back(), (POINT{p.rate[15].x, 588}));
    for (std::size_t k = 8; k + 1 < 16; ++k)  // records 2 and 3: equal rates, no vertical segment
        EXPECT_EQ(p.rate[k].y, 508) << k;
    EXPECT_EQ(p.result, 8);
    // Metres per hour: code 1 and rate 0 give 1 m/hr, code 3 and 2.0 min/unit give 30 m/hr.
    t.s.blockedRop = false;
    t.in.ratesPerHour = true;
    t.records[0].rateOdd = 0;
    t.records[1].rateScale = 3;
    t.records[1].rateOdd = 2.0f;
    p = t.Compute();
    EXPECT_EQ(p.rate[0], (POINT{50, 429}));
    EXPECT_EQ(Track::YAt(p.rate, 58), 438);
    t.in.perHourRates = false;
    EXPECT_TRUE(t.Compute().rate.empty());
    t.in.ratesPerHour = false;  // the minutes-per-unit walk ignores the set-up byte
    EXPECT_FALSE(t.Compute().rate.empty());
}

TEST(HorzTrackPoints, GammaInTheBandAcrossThePathAndWrt)
{
    Track t(4);
    const float gamma[4] = {0, 150, 450, kNaN};
    for (int i = 0; i < 4; ++i)
        t.records[std::size_t(i)].gamma[0] = gamma[i];
    TrackPoints p = t.Compute();
    EXPECT_EQ(p.gamma, (std::vector<POINT>{{50, 588}, {58, 508}, {66, 428}}));
    EXPECT_EQ(p.gammaWrap[2].y, 508);
    EXPECT_TRUE(p.gammaWrapped);
    t.s.logGamma = true;
    t.records[1].gamma[0] = 100;
    t.records[2].gamma[0] = 20000;
    p = t.Compute();
    EXPECT_EQ(p.gamma[1].y, 508);
    EXPECT_EQ(p.gamma[2].y, 428);
    EXPECT_FALSE(p.gammaWrapped);
    // Across the path: offset 80 at slope 0 (taken as 0.01) and at slope 1.
    t.s.gammaOffWellTrack = false;
    t.records[1].gamma[0] = t.records[2].gamma[0] = 150;
    std::vector<POINT> trace;
    for (int x = 50; x < 90; ++x)
        trace.push_back({x, 300});
    const std::vector<float> slopes = {0, 0, 1, 0};
    t.in.pathTrace = trace;
    t.in.pathSlopes = slopes;
    p = t.Compute();
    EXPECT_EQ(Track::YAt(p.gamma, 58 + 3), 220);
    EXPECT_EQ(Track::YAt(p.gamma, 66 + 80), 220);
    EXPECT_TRUE(p.wrt.empty());  // no WRT gamma across the path
}

TEST(HorzTrackPoints, WrtOnlyOverTheDeepestUnits)
{
    Track t(400);
    for (std::size_t i = 0; i < t.records.size(); ++i) {
        t.records[i].depth = 600 + int(i);
        t.records[i].rtGamma[0] = 75;
    }
    t.in.plotFirstDepth = 600;
    t.in.fileLastDepth = 1000;
    TrackPoints p = t.Compute();
    ASSERT_FALSE(p.wrt.empty());
    EXPECT_EQ(p.wrt.front(), (POINT{50 + 100 * 8, 548}));  // MD 700
    EXPECT_EQ(p.wrt[1], (POINT{50 + 101 * 8, 548}));       // one flat step a record
    t.in.profile = 21;
    EXPECT_EQ(t.Compute().wrt.front().x, 50 + 250 * 8);    // MD 850
}

TEST(HorzTrackPoints, VsAtDepthBetweenStations)
{
    std::vector<WellPathRow> table(111);
    for (int i = 0; i <= 100; ++i)
        table[std::size_t(i)].depth = 2000 + i;
    table[0].tvd = table[100].tvd = 1000;
    table[0].vs = 100;
    table[100].vs = 200;
    EXPECT_FLOAT_EQ(VsAtDepth(table, 101, 2050, 3000, 2000, 2200), 200);
    EXPECT_FLOAT_EQ(VsAtDepth(table, 101, 2500, 2050, 2000, 2200), 200);  // past the last depth: as the last
    table[100].vs = 100;
    EXPECT_FLOAT_EQ(VsAtDepth(table, 101, 2050, 3000, 2000, 2200), 200);  // equal VS: A.vs + dMD
}

TEST(HorzWellPathWalk, StationsSlopesSectionJumpsAndBadRecords)
{
    std::vector<wellfile::RECORD> records(301);
    for (int i = 0; i <= 300; ++i)
        records[std::size_t(i)].depth = 2000 + i;
    const std::pair<int, float> stations[] = {{0, 1000}, {100, 1010}, {200, 1020}, {201, 1021}, {250, kNaN}, {260, 5000}};
    for (auto [i, tvd] : stations)
        records[std::size_t(i)].tvd = tvd;
    records[201].depth = 2200;  // two stations in one column
    SectionPlan plan;
    plan.count = 2;
    plan.sections[0] = {1000, 1100, 2000, 2100, 2.0f, 0, 0, 0, 0, {}};
    plan.sections[1] = {1008, 1100, 2100, 2300, 4.0f, 0, 0, 0, 0, {}};
    PathInputs in;
    in.records = records;
    in.count = 301;
    in.plotFirstDepth = 2000;
    in.plotLastDepth = 2300;
    // TVD 5,000 lies below its MD: no station; NaN none either
    in.pathTop = 160;
    in.sections = &plan;
    const PathPlan p = WalkWellPath(in);
    EXPECT_EQ(p.points, (std::vector<POINT>{{50, 160}, {850, 168}, {1650, 208}, {1650, 212}}));
    // Records between stations take the slope of the segment ending at the next one; two stations in
    // one column stand flat, and the records after the last keep its slope.
    EXPECT_FLOAT_EQ(p.slopes[0], 0);
    EXPECT_FLOAT_EQ(p.slopes[50], 8.0f / 800);
    EXPECT_FLOAT_EQ(p.slopes[101], 40.0f / 800);
    EXPECT_FLOAT_EQ(p.slopes[201], 0);
    EXPECT_FLOAT_EQ(p.slopes[290], 0);
    // The station at the first section's end MD: drawn to the old section's y, then the jump.
    const auto jump = std::find_if(p.steps.begin(), p.steps.end(), [](const PathStep& s) { return s.kind == PathStep::Jump; });
    ASSERT_NE(jump, p.steps.end());
    EXPECT_EQ((jump - 1)->to, (POINT{850, 180}));
    EXPECT_EQ(jump->to, (POINT{850, 168}));
    EXPECT_EQ(p.bitMarker.left, 1645);
    EXPECT_EQ(p.bitMarker.top, 207);
    EXPECT_EQ(p.table[50].tvd, 0.0f);
    EXPECT_EQ(p.table[100].vs, 0.0f);
    EXPECT_EQ(p.table[100].tvd, 1010.0f);
    EXPECT_EQ(p.rows, 300);
}

TEST(HorzTrackPoints, Co2AndTheThirdCurveReadDownFromTheirBandsTop)
{
    Track t(6);
    for (wellfile::RECORD& r : t.records)
        r.gas[wellfile::GAS_NINTH] = 0.875f;
    t.records[1].gas[wellfile::GAS_NINTH] = 10.0f;  // past the full scale: held at the band's bottom
    t.in.co2 = true;
    t.in.co2Scale = 1;  // 3.5 %
    const float third[] = {-0.10f, 0.30f, 0.10f, kNaN, -999.25f, 0.50f};
    t.in.thirdValues = third;
    const TrackPoints p = t.Compute();
    EXPECT_EQ(Track::YAt(p.co2, 54), 40);   // a quarter down, half a record right of the record's x
    EXPECT_EQ(Track::YAt(p.co2, 62), 160);
    EXPECT_EQ(p.third, (std::vector<POINT>{{50, 428}, {58, 588}, {66, 508}, {90, 588}}));  // no point for none

    t.in.co2 = false;
    EXPECT_TRUE(t.Compute().co2.empty());
}
