// The values of the custom-track curves: every code on one record of known values, where the walks
// stop, the gas units and test gas, the remembered mud weights, the drilling exponent, the e-log rows,
// the FIT values and the bounds of the slots and records.
#include "layout/curvenames.h"
#include "tracks/curvehelpers.h"
#include "tracks/curvevalues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace tracks;
using wellfile::CUSTDATAREC;
using wellfile::EXTRECORD;
using wellfile::RECORD;

namespace {

constexpr float kUntouched = 777.0f;
constexpr float kNone = std::numeric_limits<float>::quiet_NaN();  // the slot keeps the caller's value

void SetGas(float (&block)[wellfile::GAS_COUNT], std::initializer_list<float> values)
{
    int i = 0;
    for (float v : values)
        block[i++] = v;
}

// One record of known values; the half-step sample differs from the full-step one in every field.
RECORD KnownRecord()
{
    RECORD r;
    r.depth = 1000;
    r.rateOdd = 2.0f;
    r.rateOne = 4.0f;
    SetGas(r.halfGas, {20, 5, 2, 1.5f, 0.5f, 0.5f, 0.25f, 0.25f});
    SetGas(r.gas, {40, 10, -4, 2, 1, 1, 0.5f, 0.5f});  // C2 flagged negative
    r.co2 = 3;
    r.weightOnBit[0] = 11;
    r.weightOnBit[1] = 12;
    r.torqueMax[0] = 13;
    r.torqueMax[1] = 14;
    r.pumpPressureAvg[0] = 15;
    r.pumpPressureAvg[1] = 16;
    r.flareLength = 17;
    r.rtGamma[0] = 18;
    r.rtGamma[1] = 19;
    r.custom1 = 21;
    r.custom2 = 22;
    r.hardness = 23;
    r.mudWeightOut = 10;
    r.mudWeightIn = 9.5f;
    r.lagTime = 64;
    r.torqueAvg[0] = 51;
    r.torqueAvg[1] = 52;
    r.pumpPressureMax[0] = 53;
    r.pumpPressureMax[1] = 54;
    return r;
}

CUSTDATAREC KnownCustom()
{
    CUSTDATAREC c;
    c.depth = 1000;
    c.las28 = 20;  // weight on bit
    c.rpm = 100;
    c.caliper = 8.5f;
    c.spm = 60;
    c.custom[0] = 65.5f;
    c.custom[1] = 66.5f;
    c.casingPressure = 68.5f;
    c.flow = 17.5f;
    c.totalMud = 19.5f;
    c.pumpOutput = 0.1f;
    c.gainLoss = 29.5f;
    c.downholePressure = 30.5f;
    c.downholeTemperature = 31.5f;
    return c;
}

CurveValueSettings Settings()
{
    CurveValueSettings s;
    s.profile = 12;
    s.firstDepth = 900;
    s.lastDepth = 2000;
    return s;
}

// The slots of `code` with `count` over the records, each slot first set to kUntouched.
std::vector<float> Plot(std::uint16_t code, float minimum, const CurveRecords& in, int count,
                        const CurveValueSettings& s, PainterState& state, std::size_t size = 0)
{
    std::vector<float> values(size ? size : std::size_t(2 * count + 10), kUntouched);
    PlotCurve(values, code, minimum, in, count, s, state);
    return values;
}

void ExpectSlot(float actual, float expected, const std::string& where)
{
    if (std::isnan(expected))
        EXPECT_EQ(actual, kUntouched) << where;
    else
        EXPECT_NEAR(actual, expected, 1e-4) << where;
}

}  // namespace

TEST(CurveValues, EveryCodeOnOneRecordAtCountOne)
{
    // Minimum 1; upper = half-step sample (slot 0), lower = full-step sample (slot 1); single codes one slot.
    struct Case {
        int code;
        float upper, lower;
    };
    const Case cases[] = {
        {0, kNone, kNone},  {1, 19, 39},          {2, 4, 9},           {3, 1, 3},  // C2 drawn at its magnitude
        {4, 0.5f, 1},       {5, -0.5f, 0},        {6, -0.5f, 0},       {7, -0.75f, -0.5f},
        {8, -0.75f, -0.5f}, {9, 2, 2},            {10, 1, 3},          {11, 10, 11},
        {12, 12, 13},       {13, 99, kNone},      {14, 14, 15},        {15, 59, kNone},
        {16, 29, 14},       {17, 16.5f, kNone},   {18, 16, 16},        {19, 18.5f, kNone},
        {20, 17, 18},       {21, 20, 20},         {22, 21, 21},        {23, 22, 22},
        {24, -0.4f, -0.5f}, {25, 49, 46.368421f}, {26, 1.333333f, 1.8f}, {27, 0, 0.5f},
        // The drilling exponent: the upper slot takes rate "One M" (R 15), the lower "Odd M" (R 30).
        {28, 0.4547076f, 0.2864138f}, {29, 28.5f, kNone}, {30, 29.5f, kNone}, {31, 30.5f, kNone},
        {47, 1.5f, 1.5f},   {48, 2.333333f, 4},   {49, 4, 4},          {50, 9, 9},
        {51, 50, 51},       {52, 52, 53},         {53, kNone, kNone},  {54, 7.5f, kNone},
        {55, 49, 51.631579f}, {56, 19, 20.052632f}, {57, 14, 9.526316f}, {58, 4, 4.263158f},
        {59, 4, 4.263158f}, {60, 1.5f, 1.631579f}, {61, 1.5f, 1.631579f}, {62, kNone, kNone},
        {63, kNone, kNone}, {64, 63, 63},         {65, 64.5f, kNone},  {66, 65.5f, kNone},
        // Gas gravity, not offset by the minimum: (10 x 0.554 + 4 x 1.038 + 2 x 1.523 + 1 x 2.007 +
        // 1 x 2.007 + 0.5 x 2.491) / (10 + 4 + 2 + 1 + 1 + 0.5) = 17.9975 / 18.5.
        {67, 0.9728378f, 0.9728378f},
        {68, 67.5f, kNone}, {79, 9, 9},           {80, 8.5f, 8.5f},    {81, -0.8f, -0.6f},
    };
    const RECORD rec = KnownRecord();
    const CUSTDATAREC cust = KnownCustom();
    const CurveRecords in{{&rec, 1}, {&cust, 1}, {}, nullptr};
    std::vector<int> seen(91, 0);
    for (const Case& c : cases) {
        seen[std::size_t(c.code)] = 1;
        PainterState state;
        const std::vector<float> s = Plot(std::uint16_t(c.code), 1.0f, in, 1, Settings(), state);
        const std::string where = "code " + std::to_string(c.code);
        ExpectSlot(s[0], c.upper, where + " upper");
        ExpectSlot(s[1], c.lower, where + " lower");
        for (std::size_t i = 2; i < s.size(); ++i)
            EXPECT_EQ(s[i], kUntouched) << where << " slot " << i;
        EXPECT_EQ(CurveIsPaired(std::uint16_t(c.code)), !std::isnan(c.lower)) << where;
    }
    // Every other code up to 90 names no data here: the e-log codes without curves, the cell contents
    // and the reserves.
    for (int code = 0; code <= 90; ++code) {
        if (seen[std::size_t(code)])
            continue;
        PainterState state;
        const std::vector<float> s = Plot(std::uint16_t(code), 1.0f, in, 1, Settings(), state);
        EXPECT_EQ(s[0], kUntouched) << "code " << code;
        EXPECT_EQ(s[1], kUntouched) << "code " << code;
    }
    for (int code : {175, 204, 300, 65535}) {
        CurveValueSettings fit = Settings();
        fit.fitData = true;
        const EXTRECORD ext;
        PainterState state;
        const std::vector<float> s = Plot(std::uint16_t(code), 1.0f, {{&rec, 1}, {&cust, 1}, {&ext, 1}}, 1, fit, state);
        EXPECT_EQ(s[0], kUntouched) << "code " << code;
    }
}

TEST(CurveValues, WalksStopAtADepthOfZeroOrTheLastDepth)
{
    std::vector<RECORD> recs(3, KnownRecord());
    recs[1].depth = 0;
    recs[2].depth = 1002;
    std::vector<CUSTDATAREC> cust(3, KnownCustom());
    const CurveRecords in{recs, cust, {}, nullptr};
    // Count 6: P and D take three records; R, S and M (pairs below 2 x count) could take six.
    auto written = [&](int code, const CurveValueSettings& s) {
        PainterState state;
        const std::vector<float> values = Plot(std::uint16_t(code), 0.0f, in, 6, s, state);
        int n = 0;
        while (n < int(values.size()) && values[std::size_t(n)] != kUntouched)
            ++n;
        return n;
    };
    for (int code : {1, 25, 28, 79})  // P, S, D, M stop after the first record
        EXPECT_EQ(written(code, Settings()), 2) << "code " << code;
    for (int code : {11, 9})  // Q and R go on over the record of depth 0, to the records there are
        EXPECT_EQ(written(code, Settings()), 6) << "code " << code;

    // The last depth: P stops before a record at it, M only past it.
    recs[1].depth = 1001;
    CurveValueSettings s = Settings();
    s.lastDepth = 1001;
    EXPECT_EQ(written(1, s), 2);
    EXPECT_EQ(written(79, s), 4);
}

TEST(CurveValues, GasUnitsOfProfile134AndTestGas)
{
    RECORD rec = KnownRecord();
    rec.gas[wellfile::GAS_TG] = 250;
    rec.gas[wellfile::GAS_C1] = 0.5f;
    rec.testGas[wellfile::TEST_C1] = 100;
    rec.testGas[wellfile::TEST_TG] = 100;
    const CurveRecords in{{&rec, 1}, {}, {}, nullptr};
    CurveValueSettings s = Settings();
    s.testGas = true;
    PainterState state;

    s.profile = 134;  // other units, and never divided
    EXPECT_FLOAT_EQ(Plot(1, 0.5f, in, 1, s, state)[1], 2.5f - 0.5f);
    EXPECT_FLOAT_EQ(Plot(2, 0.5f, in, 1, s, state)[1], 50.0f - 0.5f);

    s.profile = 12;
    rec.gas[wellfile::GAS_C1] = 200;
    EXPECT_FLOAT_EQ(Plot(2, 0.0f, in, 1, s, state)[1], 2.0f);
    EXPECT_FLOAT_EQ(Plot(1, 0.0f, in, 1, s, state)[1], 250.0f);  // total gas is never divided
    rec.testGas[wellfile::TEST_C1] = 0;
    EXPECT_FLOAT_EQ(Plot(2, 0.0f, in, 1, s, state)[1], 200.0f);
    s.testGas = false;
    rec.testGas[wellfile::TEST_C1] = 100;
    EXPECT_FLOAT_EQ(Plot(2, 0.0f, in, 1, s, state)[1], 200.0f);
}

TEST(CurveValues, MudWeightsRepeatTheLastAcceptedValue)
{
    std::vector<RECORD> recs(5, KnownRecord());
    const float outs[] = {-1.0f, 3.0f, 12.0f, 30.0f, 3.0f};
    for (std::size_t i = 0; i < recs.size(); ++i) {
        recs[i].depth = std::int32_t(1000 + i);
        recs[i].mudWeightOut = outs[i];
        recs[i].mudWeightIn = 30.0f;
    }
    const CurveRecords in{recs, {}, {}, nullptr};
    PainterState state;
    state.rememberedMudOut = 6.0f;  // the value the painter found above the window
    const std::vector<float> out = Plot(79, 1.0f, in, 5, Settings(), state);
    const float expected[] = {0, 0, 5, 5, 11, 11, 11, 11, 11, 11};
    for (std::size_t i = 0; i < 10; ++i)
        EXPECT_FLOAT_EQ(out[i], expected[i]) << "slot " << i;
    EXPECT_FLOAT_EQ(state.rememberedMudOut, 12.0f);

    const std::vector<float> in30 = Plot(80, 1.0f, in, 5, Settings(), state);  // no upper bound on the way in
    EXPECT_FLOAT_EQ(in30[0], 29.0f);
    EXPECT_FLOAT_EQ(state.rememberedMudIn, 30.0f);
}

TEST(CurveValues, RatesPercentagesSpecificGravityAndNormalisedGas)
{
    RECORD rec = KnownRecord();
    rec.rateOdd = 0;
    rec.rateOne = 0;
    CUSTDATAREC cust = KnownCustom();
    const CurveRecords in{{&rec, 1}, {&cust, 1}, {}, nullptr};
    PainterState state;
    EXPECT_FLOAT_EQ(Plot(16, 1.0f, in, 1, Settings(), state)[1], 599.0f);  // "ROP M/Hr" of a rate of 0
    EXPECT_FLOAT_EQ(Plot(10, 1.0f, in, 1, Settings(), state)[1], -1.0f);   // "ROP Min/M"

    SetGas(rec.gas, {1, 0.4f, 0.4f, 0.4f, 0.4f, 0.4f, 0.4f, 0.4f});
    EXPECT_NEAR(Plot(55, 1.0f, in, 1, Settings(), state)[1], 14.2857f - 1.0f, 1e-4);
    SetGas(rec.gas, {1, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f, 0.1f});  // a total below 1 counts as 1
    EXPECT_NEAR(Plot(61, 1.0f, in, 1, Settings(), state)[1], 10.0f - 1.0f, 1e-4);

    SetGas(rec.gas, {0, 2, 0, 0, 0, 0, 0, 0});  // methane alone, whatever the total gas
    EXPECT_NEAR(Plot(67, 5.0f, in, 1, Settings(), state)[1], 0.554f, 1e-6);
    SetGas(rec.gas, {0, 0, 0, 0, 0, 0, 0, 0});  // no gas
    EXPECT_EQ(Plot(67, 5.0f, in, 1, Settings(), state)[1], 0.0f);

    SetGas(rec.gas, {250, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_NEAR(Plot(81, 1.0f, in, 1, Settings(), state)[1], 1.5f, 1e-4);  // with no rate either
    cust.spm = 0;  // no flow: nothing
    EXPECT_EQ(Plot(81, 1.0f, in, 1, Settings(), state)[1], kUntouched);

    // A ratio whose divisor is 0 is not written.
    SetGas(rec.gas, {0, 0, 0, 0, 0, 0, 0, 0});
    for (int code : {24, 25, 26, 27, 47, 48, 49, 50})
        EXPECT_EQ(Plot(std::uint16_t(code), 0.0f, in, 1, Settings(), state)[1], kUntouched) << "code " << code;
}

TEST(CurveValues, DrillingExponentWithMotorAndRememberedMudWeight)
{
    std::vector<RECORD> recs(3, KnownRecord());
    recs[0].rateOne = 1.0f;  // R 60
    recs[0].rateOdd = 0.0f;  // R 1.0
    recs[0].mudWeightOut = 1.5f;  // not above 2: the remembered weight, none yet, so 9.0
    recs[1].depth = 1001;
    recs[1].mudWeightOut = 11.0f;
    recs[2].depth = 1002;
    recs[2].mudWeightOut = 0.0f;  // repeats 11
    std::vector<CUSTDATAREC> cust(3, KnownCustom());
    cust[0].motorFactor = 0.5f;  // adds 0.5 x 42 x 0.2 x 50 = 210 to the 100 RPM
    cust[0].spm = 50.9f;         // truncated
    cust[0].pumpOutput = 0.2f;
    cust[1].las28 = 0;           // no weight on bit: not written
    const CurveRecords in{recs, cust, {}, nullptr};
    PainterState state;
    const std::vector<float> out = Plot(28, 0.0f, in, 6, Settings(), state);
    EXPECT_NEAR(out[0], 1.5475784f, 1e-5);
    EXPECT_NEAR(out[1], 2.6521264f, 1e-5);
    EXPECT_EQ(out[2], kUntouched);
    EXPECT_EQ(out[3], kUntouched);
    // Mud weight 11 remembered from record 1; rates One M 4 (R 15) and Odd M 2 (R 30).
    const double e15 = std::log10(15.0 / 6000) / std::log10(240000.0 / 8.5e6) * 8.661 / 11;
    EXPECT_NEAR(out[4], e15, 1e-5);
    EXPECT_FLOAT_EQ(state.drillingMudWeight, 11.0f);

    // A weight on bit equal to the size makes the exponent's divisor 0: 0, not a division by zero.
    cust[1].las28 = 1000.0f;
    cust[1].caliper = 12.0f;
    const std::vector<float> flat = Plot(28, 1.0f, in, 6, Settings(), state);
    EXPECT_FLOAT_EQ(flat[2], -1.0f);
}

TEST(CurveValues, ElogRowsByDepthWithinTheCurveFile)
{
    // Rows 0..99 hold depths 1..100; curve 1 (gamma) is 10 x the depth.
    std::vector<ElogRow> rows(100);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i][0] = float(i + 1);
        rows[i][1] = float(10 * (i + 1));
    }
    ElogView view{rows};
    std::vector<RECORD> recs(4, KnownRecord());
    for (std::size_t i = 0; i < recs.size(); ++i)
        recs[i].depth = std::int32_t(50 + i);
    CurveRecords in{recs, {}, {}, &view};
    CurveValueSettings s = Settings();
    s.firstDepth = 10;
    view.depthOffset = 2;  // depth 50 reads the row of depth 52
    PainterState state;
    std::vector<float> out = Plot(32, 1.0f, in, 4, s, state);
    EXPECT_FLOAT_EQ(out[0], 519.0f);
    EXPECT_FLOAT_EQ(out[3], 549.0f);
    EXPECT_EQ(out[4], kUntouched);

    // The walk stops at the file's last row (depth 99 = rows - 1) and above the first depth + 20.
    recs[0].depth = 97;
    view.depthOffset = 0;
    out = Plot(32, 0.0f, in, 4, s, state);
    EXPECT_FLOAT_EQ(out[0], 970.0f);
    EXPECT_FLOAT_EQ(out[1], 980.0f);
    EXPECT_EQ(out[2], kUntouched);
    recs[0].depth = 30;  // 30 < 10 + 20 is not
    EXPECT_FLOAT_EQ(Plot(32, 0.0f, in, 1, s, state)[0], 300.0f);
    recs[0].depth = 29;
    EXPECT_EQ(Plot(32, 0.0f, in, 1, s, state)[0], kUntouched);

    // Rows outside the curve file are never read: above its first row, or past its end.
    for (std::int32_t depth : {-5, 0, 101, 5000}) {
        recs[0].depth = depth;
        EXPECT_EQ(Plot(32, 0.0f, in, 4, s, state)[0], kUntouched) << depth;
    }
    in.elog = nullptr;
    recs[0].depth = 50;
    EXPECT_EQ(Plot(32, 0.0f, in, 4, s, state)[0], kUntouched);
}

TEST(CurveValues, RealTimeResistivityTakesAlternateSamplesTenShortOfTheCount)
{
    std::vector<RECORD> recs(12, KnownRecord());
    for (std::size_t i = 0; i < recs.size(); ++i) {
        recs[i].depth = std::int32_t(1000 + i);
        recs[i].resistivityA[0] = float(100 + i);
        recs[i].resistivityA[4] = float(200 + i);
        recs[i].resistivityB[0] = float(300 + i);
        recs[i].resistivityB[4] = float(400 + i);
    }
    const CurveRecords in{recs, {}, {}, nullptr};
    PainterState state;
    EXPECT_EQ(Plot(62, 0.0f, in, 9, Settings(), state)[0], kUntouched);  // below ten: nothing
    std::vector<float> out = Plot(62, 0.0f, in, 14, Settings(), state);
    const float expected[] = {100, 201, 102, 203};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(out[i], expected[i]) << i;
    EXPECT_EQ(out[4], kUntouched);
    out = Plot(63, 0.0f, in, 12, Settings(), state);
    EXPECT_FLOAT_EQ(out[0], 300.0f);
    EXPECT_FLOAT_EQ(out[1], 401.0f);
    // Stops once a record lies within the real-time margin of the last depth.
    CurveValueSettings s = Settings();
    s.lastDepth = 1003;
    s.realTimeDepthMargin = 3.0f;
    out = Plot(62, 0.0f, in, 14, s, state);
    EXPECT_FLOAT_EQ(out[1], 201.0f);
    EXPECT_EQ(out[2], kUntouched);
}

TEST(CurveValues, FitValuesByTheirBytesAndTheGuard)
{
    constexpr int n = 4;
    std::vector<EXTRECORD> ext(n);
    for (auto& e : ext) {
        auto* bytes = reinterpret_cast<unsigned char*>(&e);
        // Each float holds its own byte number: 8 ... 168, then (past the length word) 174 ... 458.
        for (int b = 8; b <= 458; b += b == 168 ? 6 : 4) {
            const float v = float(b);
            std::memcpy(bytes + b, &v, 4);
        }
    }
    std::vector<CUSTDATAREC> cust(n, KnownCustom());
    for (int i = 0; i < n; ++i)
        cust[std::size_t(i)].depth = float(1000 + i);
    std::vector<RECORD> recs(n, KnownRecord());
    CurveRecords in{recs, cust, ext, nullptr};
    CurveValueSettings s = Settings();
    s.fitData = true;
    s.customDataEndDepth = 5000;
    PainterState state;
    struct Case {
        int code;
        float value;
    };
    const Case cases[] = {
        {91, 358}, {112, 442}, {113, 186}, {116, 198}, {117, 446}, {120, 458}, {121, 314}, {131, 354},
        {133, 8},  {141, 40},  {142, 48},  {147, 68},  {148, 72},  {149, 72},  {150, 80},  {151, 80},
        {152, 88}, {153, 310}, {154, 92},  {155, 96},  {156, 96},  {157, 104}, {173, 168}, {174, 174},
        {176, 182}, {177, 202}, {193, 266}, {194, 27.0f}, {197, 28.2f}, {198, 286}, {200, 294}, {201, 306},
        {202, 298}, {203, 298},
    };
    for (const Case& c : cases) {
        const std::vector<float> out = Plot(std::uint16_t(c.code), 1.0f, in, n, s, state);
        for (int i = 0; i < n; ++i)
            EXPECT_NEAR(out[std::size_t(i)], c.value - 1.0f, 1e-4) << "code " << c.code << " slot " << i;
        EXPECT_EQ(out[n], kUntouched) << "code " << c.code;
    }
    EXPECT_EQ(Plot(132, 1.0f, in, n, s, state)[0], kUntouched);

    // A guarded code stops at a custom record of depth 0 or of the custom data end depth; an unguarded
    // one goes on.
    cust[2].depth = 0.0f;
    std::vector<float> out = Plot(133, 0.0f, in, n, s, state);
    EXPECT_FLOAT_EQ(out[1], 8.0f);
    EXPECT_EQ(out[2], kUntouched);
    EXPECT_EQ(out[3], kUntouched);
    EXPECT_FLOAT_EQ(Plot(91, 0.0f, in, n, s, state)[3], 358.0f);
    cust[2].depth = 1002.0f;
    s.customDataEndDepth = 1001;
    EXPECT_EQ(Plot(113, 0.0f, in, n, s, state)[1], kUntouched);

    // FIT off or no ext records: nothing; "Custom 3" and "Custom 4" only while FIT is off.
    EXPECT_EQ(Plot(65, 0.0f, in, n, s, state)[0], kUntouched);
    s.fitData = false;
    EXPECT_EQ(Plot(91, 0.0f, in, n, s, state)[0], kUntouched);
    s.fitData = true;
    in.ext = {};
    EXPECT_EQ(Plot(91, 0.0f, in, n, s, state)[0], kUntouched);
}

TEST(CurveValues, WritesOnlyInsideItsSlotsAndReadsOnlyItsRecords)
{
    // Walk R over count records writes 2 x count slots: a caller that sized count + 10 keeps the rest.
    constexpr int count = 40;
    std::vector<RECORD> recs(2 * count, KnownRecord());
    for (std::size_t i = 0; i < recs.size(); ++i)
        recs[i].depth = std::int32_t(1000 + i);
    std::vector<CUSTDATAREC> cust(2 * count, KnownCustom());
    std::vector<float> buffer(3 * count, kUntouched);
    const std::span<float> values(buffer.data(), count + 10);
    PainterState state;
    for (int code : {9, 21, 28, 79}) {
        PlotCurve(values, std::uint16_t(code), 0.0f, {recs, cust, {}, nullptr}, count, Settings(), state);
        for (std::size_t i = count + 10; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], kUntouched) << "code " << code << " slot " << i;
    }
    // Fewer records than the count: the walks end with the records (the sanitizer sees any read past).
    for (int code = 0; code <= 203; ++code) {
        std::vector<float> out(2 * count + 10, kUntouched);
        CurveValueSettings s = Settings();
        s.fitData = true;
        const std::vector<EXTRECORD> ext(3);
        PlotCurve(out, std::uint16_t(code), 0.0f, {{recs.data(), 3}, {cust.data(), 2}, ext, nullptr}, count, s, state);
        EXPECT_EQ(out[6], kUntouched) << "code " << code;
    }
}

TEST(CurveHelpers, DrillingExponentAndPumpVolume)
{
    EXPECT_NEAR(CalcDExponent(30, 6000, 240000, 8.661, 8500000), 1.4853, 5e-5);
    EXPECT_NEAR(CalcDExponent(30, 6000, 240000, 10.0, 8500000), 1.2864, 5e-5);
    EXPECT_EQ(CalcDExponent(30, 6000, 8500000, 10.0, 8500000), 0.0);  // log10(weight / size) = 0

    wellfile::LagRecord lag{};
    lag.pump1Output = 0.1f;
    lag.pumpEfficiency[0] = 0.95f;
    lag.pumpOnHole[0] = 1;
    EXPECT_NEAR(CalcPumpVolume(lag, 0.2f, 100, 0.0f), 79.8f, 1e-4);
    // Both on hole, pump 2 without output: one pump counted, both products summed.
    lag.pumpOnHole[1] = 1;
    lag.pump2Output = 0.0f;
    lag.pumpEfficiency[1] = 0.5f;
    EXPECT_NEAR(CalcPumpVolume(lag, 0.2f, 100, 0.0f), 79.8f, 1e-4);
    lag.pump2Output = 0.3f;  // 0.095 + 0.15 over two pumps
    EXPECT_NEAR(CalcPumpVolume(lag, 1.0f, 1, 0.0f), 42.0f * 0.1225f, 1e-4);
    EXPECT_NEAR(CalcPumpVolume(lag, 1.0f, 10, 2.0f), 840.0f, 1e-3);  // an output given is used as given
    EXPECT_EQ(CalcPumpVolume(wellfile::LagRecord{}, 1.0f, 10, 0.0f), 0.0f);  // no pump on hole
}

TEST(CurveNames, OneNamePerCode)
{
    EXPECT_EQ(layout::CurveCodeName(0), "NONE");
    EXPECT_EQ(layout::CurveCodeName(23), "HARDNESS");
    EXPECT_EQ(layout::CurveCodeName(23, true), "CALCIMITER");
    EXPECT_EQ(layout::CurveCodeName(25), "WETNESS RATIO ");
    EXPECT_EQ(layout::CurveCodeName(28), "DXC");
    EXPECT_EQ(layout::CurveCodeName(61), "NC5/Tot ");
    EXPECT_EQ(layout::CurveCodeName(81), "NORMALIZED TG");
    EXPECT_EQ(layout::CurveCodeName(90), "Reserve");
    EXPECT_EQ(layout::CurveCodeName(91), "FIT THC");
    EXPECT_EQ(layout::CurveCodeName(175), "FIT RAW_NAPH");
    EXPECT_EQ(layout::CurveCodeName(203), "FIT AUX 2");
    EXPECT_EQ(layout::CurveCodeName(204), "");
    EXPECT_EQ(layout::CurveCodeName(-1), "");
    for (int code = 0; code <= 203; ++code)
        EXPECT_FALSE(layout::CurveCodeName(code).empty()) << code;
}
