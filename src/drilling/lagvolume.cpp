// The annular volume from the lag settings, and the lag time and lag strokes at the pumps' rate.
#include "drilling/driller.h"

#include "drilling/lagcalc.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"

namespace drilling {

namespace {

float Sq(float v) { return v * v; }

}  // namespace

float Driller::LagVolume(wellfile::LagRecord& l, float depth, bool volumeOnly)
{
    const float k = kBarrelsPerFootSquareInch * (window_.metric ? kFeetPerMetre : 1.0f);
    l.openHoleLength = depth - (l.casingLength + l.liner1Length + l.liner2Length);
    l.stringVolume = k * (l.pipe1Length * Sq(l.pipe1Id) + l.pipe2Length * Sq(l.pipe2Id) + l.collarLength[0] * Sq(l.collarId[0]) +
                          l.collarLength[1] * Sq(l.collarId[1]) + l.collarLength[2] * Sq(l.collarId[2]));
    const float pipeLength = depth - (l.collarLength[0] + l.collarLength[1] + l.collarLength[2]);
    l.stringDisplacement = k * (pipeLength * Sq(l.pipe1Od) + l.collarLength[0] * Sq(l.collarOd[0]) +
                                l.collarLength[1] * Sq(l.collarOd[1]) + l.collarLength[2] * Sq(l.collarOd[2])) -
                           l.stringVolume;
    const float hole = l.openHoleDiameter * (1.0f + l.washout);
    l.annularVolume = k * (l.casingLength * Sq(l.casingId) + l.liner1Length * Sq(l.liner1Id) + l.liner2Length * Sq(l.liner2Id) +
                           l.openHoleLength * Sq(hole)) -
                      (l.stringDisplacement + l.stringVolume);
    if (volumeOnly)
        return l.annularVolume;

    // Outputs are fractions of a barrel: they are summed as floats, so that a pump of 0.1 barrel per
    // stroke gives a flow, not a lag time of one minute for ever.
    STROKES* strokes = Strokes();
    const float outputs[kPumpCount] = {l.pump1Output, l.pump2Output, l.pump3Output};
    const float rates[kPumpCount] = {l.pump1Spm, l.pump2Spm, l.pump3Spm};
    int spmSum = 0;
    float outputSum = 0;
    int counted = 0;
    for (int p = 0; p < kPumpCount; ++p) {
        if ((l.pumpOnHole[p] == 0 && !l.allPumps) || !(rates[p] > 0))
            continue;
        spmSum += int(rates[p]);
        const float output = outputs[p] * l.pumpEfficiency[p];
        outputSum += output;
        if (strokes)
            strokes->outputPerStroke[std::size_t(p)] = output;
        ++counted;
    }
    const float meanOutput = counted ? outputSum / float(counted) : 0.0f;
    flow = float(spmSum) * meanOutput;
    l.lagMinutes = flow > 0 ? l.annularVolume / flow : 1.0f;
    if (strokes && meanOutput > 0) {
        l.lagStrokes = l.annularVolume / meanOutput;
        strokes->lagStrokes = l.lagStrokes;
    }
    return l.annularVolume;
}

}  // namespace drilling
