#include "tracks/curvevalues.h"

#include "layout/curvenames.h"
#include "platform/numbers.h"
#include "tracks/curvehelpers.h"
#include "tracks/gasscale.h"

#include <array>
#include <cmath>
#include <cstring>
#include <optional>

namespace tracks {

namespace {

using wellfile::RECORD;

// How a code walks its records. P, Q, R, S, M and D write a pair of slots per depth record and differ in
// how far they go and where they stop; U is one slot per custom record, E one per e-log row.
enum class Walk : std::uint8_t { None, P, Q, R, S, M, D, U, E, RtRes };

struct Ctx {
    const CurveRecords& in;
    const CurveValueSettings& s;
    PainterState& state;
    float minimum;
    int code;
};

using Pair = std::array<std::optional<float>, 2>;  // the half-step (upper) and full-step (lower) slot
using PairFn = Pair (*)(const Ctx&, std::size_t k);
using SingleFn = std::optional<float> (*)(const Ctx&, std::size_t i);

struct CodeEntry {
    Walk walk = Walk::None;
    PairFn pair = nullptr;
    SingleFn single = nullptr;
};

constexpr std::int32_t kMetricGasProfile = 134;

float Less(const Ctx& c, double v) { return float(v) - c.minimum; }

Pair Both(std::optional<float> v) { return {v, v}; }

// ---- Depth-record fields ----

template <typename Get>
Pair Samples(const Ctx& c, std::size_t k, Get get)
{
    const RECORD& r = c.in.records[k];
    return {Less(c, get(r, 0)), Less(c, get(r, 1))};
}

// Total gas and the seven components, in the units of the profile; components by their test gas.
Pair GasPair(const Ctx& c, std::size_t k)
{
    const RECORD& r = c.in.records[k];
    const bool metric = c.s.profile == kMetricGasProfile;
    const int g = c.code - 1;
    const float factor = g == 0 ? (metric ? 0.01f : 1.0f) : (metric ? 100.0f : 1.0f);
    // A negative gas value is a flagged reading: drawn at its size, as everywhere else in the log.
    float upper = std::fabs(FirstHalfGas(r)[std::size_t(g)] * factor) - c.minimum;
    float lower = std::fabs(FullStepGas(r)[std::size_t(g)] * factor) - c.minimum;
    const float testGas = r.testGas[g];
    if (g > 0 && !metric && c.s.testGas && testGas > 0.0f) {
        upper /= testGas;
        lower /= testGas;
    }
    return {upper, lower};
}

float RopPerHour(float minutesPerUnit) { return 60.0f / (minutesPerUnit > 0.0f ? minutesPerUnit : 0.1f); }

// The mud weight out (79) or in (80): a missing value repeats the last accepted one.
Pair MudWeightPair(const Ctx& c, std::size_t k)
{
    const RECORD& r = c.in.records[k];
    const bool out = c.code == 79;
    const float v = out ? r.mudWeightOut : r.mudWeightIn;
    float& remembered = out ? c.state.rememberedMudOut : c.state.rememberedMudIn;
    float slot;
    if (v == -1.0f)
        slot = 0.0f;
    else if (v <= 5.0f || (out && v >= 25.0f))
        slot = remembered - c.minimum;
    else {
        slot = v - c.minimum;
        remembered = v;
    }
    return Both(slot);
}

// The corrected drilling exponent of both samples; the upper takes rate "One M", the lower "Odd M".
Pair DxcPair(const Ctx& c, std::size_t k)
{
    if (k >= c.in.custom.size())
        return {};
    const RECORD& r = c.in.records[k];
    const wellfile::CUSTDATAREC& cr = c.in.custom[k];
    float rotary = cr.rpm;
    float factor = cr.motorFactor;
    if (factor <= 0.0f && c.s.defaultMotorFactor > 0.0f)
        factor = c.s.defaultMotorFactor;
    if (factor > 0.0f)
        rotary += CalcPumpVolume(c.s.lag, factor, platform::Whole(cr.spm), cr.pumpOutput);
    float mud = r.mudWeightOut;
    if (mud > 2.0f)
        c.state.drillingMudWeight = mud;
    else
        mud = c.state.drillingMudWeight;
    if (mud == 0.0f)
        mud = 9.0f;
    const float weight = cr.las28;
    const float size = cr.caliper;
    auto exponent = [&](float minutesPerUnit) -> std::optional<float> {
        const float rate = minutesPerUnit > 0.0f ? 60.0f / minutesPerUnit : 1.0f;
        if (!(rotary > 0.0f && weight > 0.0f && rate > 0.0f && size > 0.0f && mud > 0.0f))
            return std::nullopt;
        return Less(c, CalcDExponent(rate, double(rotary) * 60.0, double(weight) * 12000.0, mud,
                                     double(size) * 1000000.0));
    };
    return {exponent(r.rateOne), exponent(r.rateOdd)};
}

// Total gas normalised by the flow; the rate and flow terms cancel whenever there is flow.
Pair NormalisedTgPair(const Ctx& c, std::size_t k)
{
    if (k >= c.in.custom.size())
        return {};
    const RECORD& r = c.in.records[k];
    const double flow = double(c.in.custom[k].pumpOutput) * double(c.in.custom[k].spm);
    auto sample = [&](float minutesPerUnit, float tg) -> std::optional<float> {
        const double rate = minutesPerUnit > 0.0f ? minutesPerUnit : 0.1;
        const double p = rate * flow;
        const double h = (60.0 / rate) * (1.0 / 60.0);
        if (!(p * h > 0.0))
            return std::nullopt;
        return Less(c, (tg * 0.01 * flow) / (p * h));
    };
    return {sample(r.rateOdd, FirstHalfGas(r)[0]), sample(r.rateOne, FullStepGas(r)[0])};
}

// The specific gravity of the gas from the full-step sample; not offset by the minimum.
Pair SpecificGravityPair(const Ctx& c, std::size_t k)
{
    return Both(float(GasSpecificGravity(c.in.records[k])));
}

// ---- Gas ratios, each sample from its own gas block ----

using Ratio = std::optional<double> (*)(const GasValues& abs, const GasValues& signedGas);

template <Ratio F>
Pair PerSample(const Ctx& c, std::size_t k)
{
    const RECORD& r = c.in.records[k];
    auto one = [&](const GasValues& g) -> std::optional<float> {
        GasValues a;
        for (std::size_t i = 0; i < a.size(); ++i)
            a[i] = std::fabs(g[i]);
        const std::optional<double> v = F(a, g);
        if (!v)
            return std::nullopt;
        return Less(c, *v);
    };
    return {one(FirstHalfGas(r)), one(FullStepGas(r))};
}

double Sum(const GasValues& a, int from, int to)
{
    double s = 0.0;
    for (int i = from; i <= to; ++i)
        s += a[std::size_t(i)];
    return s;
}

std::optional<double> Quotient(double num, double den)
{
    if (!(den > 0.0))
        return std::nullopt;
    return num / den;
}

std::optional<double> OilIndicator(const GasValues& a, const GasValues& g)
{
    if (!(g[1] > 0.0f))
        return std::nullopt;
    return Sum(a, 3, 7) / a[1];
}
std::optional<double> Wetness(const GasValues& a, const GasValues&)
{
    const auto q = Quotient(Sum(a, 2, 7), Sum(a, 1, 7));
    return q ? std::optional(*q * 100.0) : std::nullopt;
}
std::optional<double> Balance(const GasValues& a, const GasValues&) { return Quotient(Sum(a, 1, 2), Sum(a, 3, 7)); }
std::optional<double> Character(const GasValues& a, const GasValues&) { return Quotient(Sum(a, 4, 7), a[3]); }
std::optional<double> C1OverC2(const GasValues& a, const GasValues&) { return Quotient(a[1], a[2]); }
std::optional<double> C1OverC3(const GasValues& a, const GasValues&) { return Quotient(a[1], a[3]); }
std::optional<double> C1OverC4s(const GasValues& a, const GasValues&) { return Quotient(a[1], Sum(a, 4, 5)); }
std::optional<double> C1OverC5s(const GasValues& a, const GasValues&) { return Quotient(a[1], Sum(a, 6, 7)); }

// The share of one component (C1 for code 55 ... NC5 for 61) in the seven, in percent.
template <int Component>
std::optional<double> Percent(const GasValues& a, const GasValues&)
{
    double total = Sum(a, 1, 7);
    if (total < 1.0)
        total = 1.0;
    return a[Component] / total * 100.0;
}

// ---- Custom-record fields ----

// The record is packed: its fields are read by name, by value, never through a member pointer.
#define STRATIVM_CUSTOM_FIELD(field) \
    [](const Ctx& c, std::size_t i) -> std::optional<float> { return c.in.custom[i].field - c.minimum; }

// "Custom 3" and "Custom 4" share their bytes with FIT values: nothing while FIT data is on.
template <int Index>
std::optional<float> CustomValue(const Ctx& c, std::size_t i)
{
    if (c.s.fitData)
        return std::nullopt;
    return c.in.custom[i].custom[Index] - c.minimum;
}

// ---- The table of codes 0-90 ----

std::array<CodeEntry, layout::kLastPlainCurveCode + 1> BuildTable()
{
    std::array<CodeEntry, layout::kLastPlainCurveCode + 1> t{};
    auto pair = [&](int code, Walk w, PairFn f) { t[std::size_t(code)] = {w, f, nullptr}; };
    auto single = [&](int code, SingleFn f) { t[std::size_t(code)] = {Walk::U, nullptr, f}; };

    for (int code = 1; code <= 8; ++code)
        pair(code, Walk::P, GasPair);
    pair(9, Walk::R, [](const Ctx& c, std::size_t k) { return Both(Less(c, c.in.records[k].co2)); });
    pair(10, Walk::P, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return s ? r.rateOne : r.rateOdd; });
    });
    pair(11, Walk::Q, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return r.weightOnBit[s]; });
    });
    pair(12, Walk::Q, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return float(r.torqueMax[s]); });
    });
    single(13, STRATIVM_CUSTOM_FIELD(rpm));
    pair(14, Walk::Q, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return float(r.pumpPressureAvg[s]); });
    });
    single(15, STRATIVM_CUSTOM_FIELD(spm));
    pair(16, Walk::Q, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return RopPerHour(s ? r.rateOne : r.rateOdd); });
    });
    single(17, STRATIVM_CUSTOM_FIELD(flow));
    pair(18, Walk::Q, [](const Ctx& c, std::size_t k) { return Both(Less(c, c.in.records[k].flareLength)); });
    single(19, STRATIVM_CUSTOM_FIELD(totalMud));
    pair(20, Walk::R, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return r.rtGamma[s]; });
    });
    pair(21, Walk::R, [](const Ctx& c, std::size_t k) { return Both(Less(c, c.in.records[k].custom1)); });
    pair(22, Walk::R, [](const Ctx& c, std::size_t k) { return Both(Less(c, c.in.records[k].custom2)); });
    pair(23, Walk::R, [](const Ctx& c, std::size_t k) { return Both(Less(c, c.in.records[k].hardness)); });
    pair(24, Walk::R, PerSample<OilIndicator>);
    pair(25, Walk::S, PerSample<Wetness>);
    pair(26, Walk::S, PerSample<Balance>);
    pair(27, Walk::S, PerSample<Character>);
    pair(28, Walk::D, DxcPair);
    single(29, STRATIVM_CUSTOM_FIELD(gainLoss));
    single(30, STRATIVM_CUSTOM_FIELD(downholePressure));
    single(31, STRATIVM_CUSTOM_FIELD(downholeTemperature));
    for (int code = 32; code <= 46; ++code)
        t[std::size_t(code)] = {Walk::E, nullptr, nullptr};
    pair(47, Walk::S, PerSample<C1OverC2>);
    pair(48, Walk::S, PerSample<C1OverC3>);
    pair(49, Walk::S, PerSample<C1OverC4s>);
    pair(50, Walk::S, PerSample<C1OverC5s>);
    pair(51, Walk::Q, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return float(r.torqueAvg[s]); });
    });
    pair(52, Walk::Q, [](const Ctx& c, std::size_t k) {
        return Samples(c, k, [](const RECORD& r, int s) { return float(r.pumpPressureMax[s]); });
    });
    single(54, STRATIVM_CUSTOM_FIELD(caliper));
    pair(55, Walk::P, PerSample<Percent<1>>);
    pair(56, Walk::P, PerSample<Percent<2>>);
    pair(57, Walk::P, PerSample<Percent<3>>);
    pair(58, Walk::P, PerSample<Percent<4>>);
    pair(59, Walk::P, PerSample<Percent<5>>);
    pair(60, Walk::P, PerSample<Percent<6>>);
    pair(61, Walk::P, PerSample<Percent<7>>);
    t[62] = t[63] = {Walk::RtRes, nullptr, nullptr};
    pair(64, Walk::R, [](const Ctx& c, std::size_t k) { return Both(Less(c, c.in.records[k].lagTime)); });
    single(65, CustomValue<0>);
    single(66, CustomValue<1>);
    pair(67, Walk::R, SpecificGravityPair);
    single(68, STRATIVM_CUSTOM_FIELD(casingPressure));
    pair(79, Walk::M, MudWeightPair);
    pair(80, Walk::M, MudWeightPair);
    pair(81, Walk::Q, NormalisedTgPair);
    return t;
}
#undef STRATIVM_CUSTOM_FIELD

const CodeEntry& EntryOf(int code)
{
    static const std::array<CodeEntry, layout::kLastPlainCurveCode + 1> table = BuildTable();
    return table[std::size_t(code)];
}

// ---- Walks ----

void Put(std::span<float> out, std::int64_t i, std::optional<float> v)
{
    if (v && i >= 0 && i < std::int64_t(out.size()))
        out[std::size_t(i)] = *v;
}

void WalkPairs(const Ctx& c, Walk walk, PairFn fn, int count, std::span<float> out)
{
    // Pairs are written while their first slot is below the limit (D: at most count).
    const std::int64_t limit = walk == Walk::P || walk == Walk::Q ? count
                               : walk == Walk::D                  ? std::int64_t(count) + 1
                                                                  : 2 * std::int64_t(count);
    const auto& recs = c.in.records;
    const bool stops = walk == Walk::P || walk == Walk::S || walk == Walk::D || walk == Walk::M;
    for (std::size_t k = 0; k < recs.size() && 2 * std::int64_t(k) < limit; ++k) {
        const Pair p = fn(c, k);
        Put(out, 2 * std::int64_t(k), p[0]);
        Put(out, 2 * std::int64_t(k) + 1, p[1]);
        if (stops && k + 1 < recs.size()) {
            const std::int32_t next = recs[k + 1].depth;
            if (next == 0 || (walk == Walk::M ? next > c.s.lastDepth : next >= c.s.lastDepth))
                break;
        }
    }
}

void WalkCustom(const Ctx& c, SingleFn fn, int count, std::span<float> out)
{
    for (std::size_t i = 0; i < c.in.custom.size() && std::int64_t(i) < count; ++i)
        Put(out, std::int64_t(i), fn(c, i));
}

// E-log curve (code - 31) from the row of the first depth record on, until a row lies at the end of the
// curve file or above the data file's first depth + 20.
void WalkElog(const Ctx& c, int count, std::span<float> out)
{
    const ElogView* view = c.in.elog;
    if (!view || view->rows.empty() || c.in.records.empty())
        return;
    const std::size_t curve = std::size_t(c.code - 31);
    const std::int64_t first = std::int64_t(c.in.records[0].depth) + view->depthOffset - 1;
    const double rowCount = double(view->rows.size());
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t row = first + i;
        if (row < 0 || row >= std::int64_t(view->rows.size()))
            break;
        const ElogRow& r = view->rows[std::size_t(row)];
        const float depth = r[0];
        if (!(double(depth) < rowCount - 1.0) || double(depth) < double(c.s.firstDepth) + 20.0)
            break;
        Put(out, i, r[curve] - c.minimum);
    }
}

// Real-time resistivity: even slots from the first sample of record i, odd slots from the last sample of
// record i + 1, ten slots short of the count; stops near the last depth.
void WalkRealTimeResistivity(const Ctx& c, int count, std::span<float> out)
{
    if (count < 10)
        return;
    const auto& recs = c.in.records;
    const bool second = c.code == 63;
    for (std::size_t i = 0; std::int64_t(i) < std::int64_t(count) - 10 && i + 1 < recs.size(); i += 2) {
        const RECORD& even = recs[i];
        const RECORD& odd = recs[i + 1];
        Put(out, std::int64_t(i), (second ? even.resistivityB[0] : even.resistivityA[0]) - c.minimum);
        Put(out, std::int64_t(i) + 1, (second ? odd.resistivityB[4] : odd.resistivityA[4]) - c.minimum);
        if (double(odd.depth) > double(c.s.lastDepth) - double(c.s.realTimeDepthMargin))
            break;
    }
}

// ---- FIT values ----

struct FitRange {
    int first, last;
    int byte;    // byte of the first code of the range
    int stride;  // 4: each code its own float; 0: the codes share one
};

constexpr std::array<FitRange, 19> kFitRanges{{
    {91, 112, 358, 4}, {113, 116, 186, 4}, {117, 120, 446, 4}, {121, 131, 314, 4}, {133, 141, 8, 4},
    {142, 147, 48, 4}, {148, 149, 72, 0}, {150, 151, 80, 0}, {152, 152, 88, 0}, {153, 153, 310, 0},
    {154, 154, 92, 0}, {155, 156, 96, 0}, {157, 173, 104, 4}, {174, 174, 174, 0}, {176, 176, 182, 0},
    {177, 197, 202, 4}, {198, 200, 286, 4}, {201, 201, 306, 0}, {202, 203, 298, 0},
}};

std::optional<int> FitByte(int code)
{
    for (const FitRange& r : kFitRanges)
        if (code >= r.first && code <= r.last)
            return r.byte + r.stride * (code - r.first);
    return std::nullopt;
}

void WalkFit(const Ctx& c, int count, std::span<float> out)
{
    const std::optional<int> byte = FitByte(c.code);
    if (!byte || !c.s.fitData || c.in.ext.empty())
        return;
    // These stop at the end of the custom data: a record of depth 0 or of the custom data end depth.
    const bool guarded = (c.code >= 113 && c.code <= 116) || c.code >= 133;
    const bool tenth = c.code >= 194 && c.code <= 197;
    for (std::size_t i = 0; std::int64_t(i) < count && i < c.in.ext.size(); ++i) {
        if (guarded) {
            if (i >= c.in.custom.size())
                return;
            const float depth = c.in.custom[i].depth;
            if (depth == 0.0f || depth == float(c.s.customDataEndDepth))
                return;
        }
        float v;
        std::memcpy(&v, reinterpret_cast<const unsigned char*>(&c.in.ext[i]) + *byte, sizeof v);
        Put(out, std::int64_t(i), tenth ? float(double(v) * 0.1) - c.minimum : v - c.minimum);
    }
}

}  // namespace

void PlotCurve(std::span<float> out, std::uint16_t code, float minimum, const CurveRecords& in, int count,
               const CurveValueSettings& settings, PainterState& state)
{
    const Ctx c{in, settings, state, minimum, code};
    if (code > layout::kLastPlainCurveCode) {
        WalkFit(c, count, out);
        return;
    }
    const CodeEntry& e = EntryOf(code);
    switch (e.walk) {
    case Walk::None:
        return;
    case Walk::U:
        WalkCustom(c, e.single, count, out);
        return;
    case Walk::E:
        WalkElog(c, count, out);
        return;
    case Walk::RtRes:
        WalkRealTimeResistivity(c, count, out);
        return;
    default:
        WalkPairs(c, e.walk, e.pair, count, out);
        return;
    }
}

bool CurveIsPaired(std::uint16_t code)
{
    if (code > layout::kLastPlainCurveCode)
        return false;
    const Walk w = EntryOf(code).walk;
    return w != Walk::None && w != Walk::U && w != Walk::E && w != Walk::RtRes;
}

}  // namespace tracks
