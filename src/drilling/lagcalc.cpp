#include "drilling/lagcalc.h"

#include "platform/text.h"
#include "wellfile/witsrecord.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace drilling {

namespace {

float Sq(float v) { return v * v; }

// Sections of the drill string: pipe 1, pipe 2, collars 1-3.
struct Section {
    float* od;
    float* id;
    float* length;
};
std::array<Section, 5> Sections(wellfile::LagRecord& r)
{
    return {{{&r.pipe1Od, &r.pipe1Id, &r.pipe1Length},
             {&r.pipe2Od, &r.pipe2Id, &r.pipe2Length},
             {&r.collarOd[0], &r.collarId[0], &r.collarLength[0]},
             {&r.collarOd[1], &r.collarId[1], &r.collarLength[1]},
             {&r.collarOd[2], &r.collarId[2], &r.collarLength[2]}}};
}

void NotNegative(float& v)
{
    if (v < 0)
        v = 0;
}

}  // namespace

NormalisedInputs NormaliseInputs(wellfile::LagRecord& r)
{
    NormalisedInputs changed;
    for (float* v : {&r.casingId, &r.casingLength, &r.liner1Id, &r.liner2Id, &r.liner1Length, &r.liner2Length,
                     &r.openHoleDiameter, &r.openHoleLength, &r.pump1Output, &r.pump1Spm, &r.pump2Output, &r.pump2Spm,
                     &r.pump3Output, &r.pump3Spm, &r.pumpEfficiency[0], &r.pumpEfficiency[1], &r.pumpEfficiency[2]})
        NotNegative(*v);
    const std::array<Section, 5> sections = Sections(r);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Section& s = sections[i];
        NotNegative(*s.od);
        NotNegative(*s.id);
        NotNegative(*s.length);
        if (*s.od < *s.id) {
            std::swap(*s.od, *s.id);
            changed.swapped[i] = true;
        }
    }
    for (std::size_t p = 0; p < 3; ++p) {
        float& e = r.pumpEfficiency[p];
        const float typed = e;
        if (e > 1)
            e *= 0.01f;
        if (e <= 0.5f)
            e = 1.0f;
        changed.efficiency[p] = e != typed;
    }
    return changed;
}

PumpTotals CountPumps(const wellfile::LagRecord& lag, const std::array<float, 3>& rates, bool allPumps)
{
    const float outputs[3] = {lag.pump1Output, lag.pump2Output, lag.pump3Output};
    PumpTotals t;
    // Outputs are fractions of a barrel: they are summed as floats, and the mean stays a float.
    for (std::size_t p = 0; p < 3; ++p) {
        if ((lag.pumpOnHole[p] == 0 && !allPumps) || !(rates[p] > 0))
            continue;
        t.spm += rates[p];
        t.wholeSpm += std::int32_t(std::min(rates[p], 1.0e6f));
        t.output[p] = outputs[p] * lag.pumpEfficiency[p];
        // A pump of twice the output at a third of the rate moves less mud: each pump's flow is its own.
        t.flow += rates[p] * t.output[p];
        t.counted[p] = true;
        ++t.count;
    }
    if (t.spm > 0)
        t.meanOutput = t.flow / t.spm;
    return t;
}

std::array<float, 3> SetRates(const wellfile::LagRecord& lag) { return {lag.pump1Spm, lag.pump2Spm, lag.pump3Spm}; }

LagFigures ComputeLag(wellfile::LagRecord& r, bool metric)
{
    const float k = metric ? kFeetPerMetre : 1.0f;
    const float c = kBarrelsPerFootSquareInch;
    LagFigures f;
    float outside = 0;
    for (const Section& s : Sections(r)) {
        f.insideVolume += *s.length * k * Sq(*s.id) * c;
        outside += *s.length * k * Sq(*s.od) * c;
    }
    const float hole = r.casingLength * k * Sq(r.casingId) * c + r.liner1Length * k * Sq(r.liner1Id) * c +
                       r.liner2Length * k * Sq(r.liner2Id) * c +
                       r.openHoleLength * k * Sq(r.openHoleDiameter * (1 + r.washout)) * c;
    f.displacement = outside - f.insideVolume;
    f.annularVolume = hole - (f.displacement + f.insideVolume);
    f.totalHoleVolume = f.annularVolume + f.displacement + f.insideVolume;

    f.pumps = CountPumps(r, SetRates(r), false);  // the calculator counts the pumps on the hole only
    const float flow = f.pumps.flow;
    f.lagMinutes = flow > 0 ? f.annularVolume / flow : 0;
    f.lagStrokes = f.pumps.meanOutput > 0 ? f.annularVolume / f.pumps.meanOutput : 0;
    f.surfaceToBitMinutes = flow > 0 ? f.insideVolume / flow : 0;

    const float rateSpm = f.pumps.spm == 0 ? 1.0f : f.pumps.spm;
    f.barrelsPerMinute = flow;
    f.gallonsPerMinute = f.barrelsPerMinute * kGallonsPerBarrel;
    f.gallonsPerStroke = f.gallonsPerMinute / rateSpm;

    r.stringVolume = f.insideVolume;
    r.stringDisplacement = f.displacement;
    r.annularVolume = f.annularVolume;
    r.lagMinutes = f.lagMinutes;
    r.lagStrokes = f.lagStrokes;
    r.totalHoleVolume = f.totalHoleVolume;
    return f;
}

bool InputsSufficient(const wellfile::LagRecord& r, float barrelsPerMinute)
{
    return !(r.pipe1Length <= 0 && r.collarLength[0] <= 0) && r.stringDisplacement > 0 && r.annularVolume > 0 &&
           barrelsPerMinute > 0;
}

Pressures PressuresAt(float depth, float mudWeight, bool metric)
{
    // The gradients are per foot of depth.
    const float d = std::max(depth, 0.0f) * (metric ? kFeetPerMetre : 1.0f);
    Pressures p;
    p.hydrostatic = d * mudWeight * 0.052f;
    p.formation = d * 0.465f;
    p.matrixStress = d * 0.535f;
    p.differential = p.hydrostatic - p.formation;
    return p;
}

void OpenHoleFromDepth(wellfile::LagRecord& r, float depth)
{
    const float d = std::max(depth, 0.0f);
    r.casingLength = std::clamp(r.casingLength, 0.0f, d);
    const float liners = std::clamp(r.liner1Length + r.liner2Length, 0.0f, d);
    r.openHoleLength = std::max(d - liners - r.casingLength, 0.0f);
}

void PipeFromDepth(wellfile::LagRecord& r, float depth)
{
    const float d = std::max(depth, 0.0f);
    const float collars = std::clamp(r.collarLength[0] + r.collarLength[1] + r.collarLength[2], 0.0f, d);
    r.pipe2Length = std::clamp(r.pipe2Length, 0.0f, d);
    // A drill pipe 2 and collars longer together than the hole leave no drill pipe 1, not a negative one.
    r.pipe1Length = std::clamp(d - collars - r.pipe2Length, 0.0f, d);
}

QString RangeErrorText(const wellfile::LagRecord& r, float totalSpm)
{
    const char* value = "Unknown Value\n";
    if (totalSpm == 0)
        value = "SPM \n";
    else if (r.pipe1Id > 0 && r.pipe1Od < r.pipe1Id)
        value = "DP OD\n";
    else if (r.collarId[0] > 0 && r.collarOd[0] < r.collarId[0])
        value = "DC )D\n";
    else if (r.pipe1Id > 0 && r.pipe1Length <= 0)
        value = "DP Length\n";
    else if (r.collarId[0] > 0 && r.collarLength[0] <= 0)
        value = "DC Length\n";
    else if (r.casingId > 0 && r.casingLength <= 0)
        value = "Casing Length\n";
    else if (r.openHoleDiameter <= 0)
        value = "Open Hole Size\n";
    else if (r.annularVolume <= 0)
        value = "Annular Volume\n";
    return QStringLiteral("Values (s) out of range\n") + QLatin1String(value);
}

float SettleMeasuredLag(float measured, float lagMinutes, float washout, float tolerance)
{
    if ((measured == 0 || (washout == 0 && tolerance < measured)) && lagMinutes > 0)
        return lagMinutes;
    return measured;
}

std::int32_t WitsSpm(const wellfile::WITSRECORD& live, int pump)
{
    return pump == 0 ? live.spm1 : pump == 1 ? live.spm2 : live.spm3;
}

std::int32_t WitsSpmOnHole(const wellfile::LagRecord& lag, const wellfile::WITSRECORD& live)
{
    std::int32_t sum = 0;
    for (int p = 0; p < 3; ++p)
        if (lag.pumpOnHole[p] != 0)
            sum += WitsSpm(live, p);
    return sum;
}

QString LagNowText(float lagStrokes, std::int32_t spmSum)
{
    if (spmSum <= 10)
        return QStringLiteral("PUMPS NOT RUNNING");
    return QString::fromStdString(platform::CFormat("%2.2f at %d SPM", double(lagStrokes / float(spmSum)), int(spmSum)));
}

}  // namespace drilling
