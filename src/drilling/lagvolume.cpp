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
    const float k = kBarrelsPerFootSquareInch * (Window().metric ? kFeetPerMetre : 1.0f);
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
    const PumpTotals pumps = CountPumps(l, SetRates(l), l.allPumps != 0);
    for (std::size_t p = 0; p < 3; ++p)
        if (strokes && pumps.counted[p])
            strokes->outputPerStroke[p] = pumps.output[p];
    const float meanOutput = pumps.meanOutput;
    flow = float(pumps.wholeSpm) * meanOutput;
    l.lagMinutes = flow > 0 ? l.annularVolume / flow : 1.0f;
    if (strokes && meanOutput > 0) {
        l.lagStrokes = l.annularVolume / meanOutput;
        strokes->lagStrokes = l.lagStrokes;
    }
    return l.annularVolume;
}

}  // namespace drilling
