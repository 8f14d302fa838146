#pragma once
// The lag calculator's arithmetic: from a description of the hole, the drill string and the pumps (the
// lag settings record) to the hole, annular and string volumes, the calculated lag time and strokes,
// the pump rates, the time from surface to bit and the pressures at a depth. Numbers only: the
// calculator (lagcalculator.h) reads and writes the dialog's controls around these.
//
// Diameters in inches, lengths in depth units (metres are turned into feet for the volumes), volumes
// in barrels, mud weight in pounds per gallon, pressures in psi.
#include "wellfile/lagrecord.h"

#include <QString>

#include <array>
#include <cstdint>

namespace wellfile {
struct WITSRECORD;
}

namespace drilling {

// The controls of the "LAG CALCULATOR" dialog (resource 45).
namespace lagid {
constexpr int CasingId = 101, OpenHoleDiameter = 102, Liner1Id = 103, Pipe1Id = 104, Collar1Id = 105;
constexpr int Calculate = 106, Displacement = 107, Annular = 108, Pipe1Od = 109, Collar1Od = 110;
constexpr int CasingLength = 111, OpenHoleLength = 112, Liner1Length = 113, Pipe1Length = 114, Collar1Length = 115;
constexpr int Pump1Output = 116, Washout = 117, LagMinutes = 118, LagStrokes = 119, MudWeight = 120;
constexpr int SurfaceToBit = 121, InsideVolume = 122, GallonsPerMinute = 123, BarrelsPerMinute = 124;
constexpr int GallonsPerStroke = 125, Liner2Id = 126, Liner2Length = 127, Pump1Spm = 128, Collar2Id = 129;
constexpr int Collar2Od = 130, Collar2Length = 131, Collar3Id = 132, Collar3Od = 133, Collar3Length = 134;
constexpr int Pipe2Id = 135, Pipe2Od = 136, Pipe2Length = 137, Pump2Spm = 138, Pump2Output = 139;
constexpr int Hydrostatic = 140, Formation = 141, MatrixStress = 142, Differential = 143, Save = 144;
constexpr int MotorRevs = 145, MotorRevsLabel = 146, Pump1OnHole = 147, Pump2OnHole = 148, Pump3OnHole = 149;
constexpr int TotalHoleVolume = 150, Pump3Spm = 151, Pump3Output = 152, Efficiency1 = 153, Efficiency2 = 154;
constexpr int Efficiency3 = 155, ShowAllPumps = 156, LagUsingStrokes = 157, UpdateWashout = 158;
constexpr int MeasuredStrokes = 159, UseAllActivePumps = 160, Metric = 161, MeasuredLag = 162, Help = 163;
constexpr int LagNow = 164, LagNowLabel = 165, UseWitsStrokes = 166, ResetToCalculated = 167;
constexpr int StartCounter = 204, CurrentDepth = 1408, Close = 1;
}  // namespace lagid

constexpr float kBarrelsPerFootSquareInch = 0.000971f;
constexpr float kFeetPerMetre = 3.281f;
constexpr float kGallonsPerBarrel = 42.0f;

// Which values NormaliseInputs changed, for the edits to be written again: the drill-pipe and collar
// sections (pipe 1, pipe 2, collars 1-3) whose diameters were swapped, and the efficiencies.
struct NormalisedInputs {
    std::array<bool, 5> swapped{};
    std::array<bool, 3> efficiency{};
};

// Negative lengths, diameters and pump values become 0 (the washout is left as it is); a section whose
// outside diameter is below its inside one gets the two swapped; an efficiency above 1 is a percentage
// (x 0.01), and one at or below 0.5 becomes 1.0.
NormalisedInputs NormaliseInputs(wellfile::LagRecord& r);

// The pumps that count for the lag: those on the hole (every pump while `allPumps`, the pumps-on byte)
// whose strokes per minute in `rates` are above 0. Their rates are summed (`wholeSpm` sums each rate's
// whole part); the flow is the sum of each pump's rate x output x efficiency, and the mean output the
// flow per stroke of all of them (pumps of different output weigh by their rates); `output` holds each
// counted pump's output times efficiency and 0 for the others.
struct PumpTotals {
    float spm = 0;
    std::int32_t wholeSpm = 0;
    float flow = 0;        // barrels a minute
    float meanOutput = 0;  // barrels a stroke: flow / spm
    int count = 0;
    std::array<float, 3> output{};
    std::array<bool, 3> counted{};
};
PumpTotals CountPumps(const wellfile::LagRecord& lag, const std::array<float, 3>& rates, bool allPumps);
// The set strokes per minute of pumps 1 to 3 in the lag settings.
std::array<float, 3> SetRates(const wellfile::LagRecord& lag);

struct LagFigures {
    float insideVolume = 0;    // inside the drill string
    float displacement = 0;    // the string's steel
    float annularVolume = 0;
    float totalHoleVolume = 0;
    float lagMinutes = 0;      // 0 without pump output
    float lagStrokes = 0;
    PumpTotals pumps;
    float surfaceToBitMinutes = 0;
    // Rates with a total of 0 strokes per minute taken as 1.
    float barrelsPerMinute = 0;
    float gallonsPerMinute = 0;
    float gallonsPerStroke = 0;
};

// The volumes, the calculated lag and the rates of `r` (lengths in metres when `metric`); writes the
// record's inside volume, displacement, annular volume, lag minutes, lag strokes and total hole volume.
LagFigures ComputeLag(wellfile::LagRecord& r, bool metric);

// The inputs allow a lag by strokes: a drill pipe 1 or collar 1 length, and a displacement, annular
// volume and pump rate above 0.
bool InputsSufficient(const wellfile::LagRecord& r, float barrelsPerMinute);

struct Pressures {
    float hydrostatic = 0;
    float formation = 0;
    float matrixStress = 0;
    float differential = 0;  // bottom hole: hydrostatic less formation
};
// The pressures at `depth` (a negative depth taken as 0; in metres when `metric`) under mud of `mudWeight`.
Pressures PressuresAt(float depth, float mudWeight, bool metric);

// The open hole is what the casing and liners leave of `depth` (at least 0): the casing length is
// limited to 0..depth and the liners' sum (not each liner) to 0..depth.
void OpenHoleFromDepth(wellfile::LagRecord& r, float depth);
// Drill pipe 1 is what the collars and drill pipe 2 leave of `depth`: the collars' sum limited to
// 0..depth, drill pipe 2 limited to 0..depth; never below 0 nor above the depth.
void PipeFromDepth(wellfile::LagRecord& r, float depth);

// "Values (s) out of range\n" and the first value found out of range; `totalSpm` the strokes per
// minute of the pumps when the dialog opened.
QString RangeErrorText(const wellfile::LagRecord& r, float totalSpm);

// The measured lag settled against the calculated one: a measured lag of 0, or one beyond the
// tolerance while there is no washout, becomes the calculated lag when that is above 0.
float SettleMeasuredLag(float measured, float lagMinutes, float washout, float tolerance);

// The strokes per minute the WITS feed gives for the pumps on the hole in `lag`.
std::int32_t WitsSpmOnHole(const wellfile::LagRecord& lag, const wellfile::WITSRECORD& live);
// A pump's strokes per minute in the WITS feed, pump 0-2.
std::int32_t WitsSpm(const wellfile::WITSRECORD& live, int pump);
// The lag now at the WITS rate: "PUMPS NOT RUNNING" at 10 strokes a minute or less.
QString LagNowText(float lagStrokes, std::int32_t spmSum);

}  // namespace drilling
