#pragma once
// The values of one custom-track curve: the curve's code names its data (a field of the depth records,
// the custom-data or FIT records, an e-log curve, or a value computed from several fields) and the
// values come out as float slots, each the value less the curve's scale minimum. The custom curve
// painter, the horizontal view's curve track and the mouse read-out of the log call it.
//
// Slots of the depth-record codes come in pairs: record k fills slot 2k with its half-step sample and
// 2k+1 with its full-step sample. Slots of the custom-data, FIT and e-log codes are one per record.
// Slots a code does not write keep what the caller put there. Walks over 2 x count records write up to
// 2 x count slots: callers size the slots 2 x count + 10.
#include "tracks/elogview.h"
#include "tracks/painterstate.h"
#include "wellfile/customdata.h"
#include "wellfile/lagrecord.h"
#include "wellfile/record.h"

#include <cstdint>
#include <span>

namespace tracks {

// The records of the call, index i of each the same depth step. `ext` is empty without FIT records;
// `elog` null without e-log curves.
struct CurveRecords {
    std::span<const wellfile::RECORD> records;
    std::span<const wellfile::CUSTDATAREC> custom;
    std::span<const wellfile::EXTRECORD> ext;
    const ElogView* elog = nullptr;
};

// The window's and the custom-track object's settings the values read.
struct CurveValueSettings {
    std::int32_t profile = 0;           // the logging-company profile: 134 keeps its gas in other units
    bool testGas = false;               // components are divided by their test-gas values
    bool fitData = false;               // the FIT data option
    float realTimeDepthMargin = 0.0f;   // the real-time resistivity stops this far above the last depth
    std::int32_t firstDepth = 0;        // the data file's first and last depth
    std::int32_t lastDepth = 0;
    std::int32_t customDataEndDepth = 0;  // CUSTOMDATA::extLastDepth
    float defaultMotorFactor = 0.0f;      // CUSTOMDATA::defaultMotorFactor
    wellfile::LagRecord lag{};            // CUSTOMDATA::lagSettings: the pumps of the mud-motor speed
};

// Fills the slots `out` with the values of curve `code` (scale minimum `minimum`) for `count` samples. Writes
// only inside `out` and reads only the records given. Changes the remembered mud weights of `state`
// (codes 79 and 80) and its drilling mud weight (code 28) as it meets accepted values.
void PlotCurve(std::span<float> out, std::uint16_t code, float minimum, const CurveRecords& in, int count,
               const CurveValueSettings& settings, PainterState& state);

// True when the painter reads two slots per row for `code`: the codes written as a pair per depth record.
bool CurveIsPaired(std::uint16_t code);

}  // namespace tracks
