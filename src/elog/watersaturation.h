#pragma once
// Archie water saturation of the e-log curves, with the saturation exponent fixed at 2:
// Sw = sqrt((a / phi^m) x (Rw / Rt)). Each curve record carries its own Rw, a, m and the porosity and
// resistivity slots the calculation reads. What the set-up dialog saves over an interval and what the
// read-out's table shows, as pure functions over the records.
#include "elog/curverecord.h"

#include <QString>

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace elog {

struct CurvePen;

// Sw of one record from its own parameters: 0 ("no data") for porosity below -0.05 or 0, resistivity
// below 0.1, a slot number that names no porosity or resistivity curve, or a result that is not a real
// number (a negative porosity raised to a non-integer m).
double ArchieSw(const CurveRecord& record);
// Archie's equation itself; 0 when the result is not a finite number.
double ArchieOf(double phi, double rt, double a, double m, double rw);

// The porosity curves the dialogs offer, in list order.
struct PorosityChoice {
    int slot = 0;
    QString text;
};
// " Density ", " Neutron ", " Cross Plot ", " Sonic " for the porosity slots 2-5 that are shown.
std::vector<PorosityChoice> PorosityChoices(std::span<const CurvePen> pens);
// The resistivity slot of `stored` when it names one (8-13); otherwise the first shown of slots 13, 12,
// 11, 10, 9; otherwise `stored` as it is.
std::int32_t ResistivitySlotFor(std::int32_t stored, std::span<const CurvePen> pens);
// The set-up edits' texts of a stored Rw, a or m: `fallback` for 0 or less, else "%1.2f".
QString ParameterText(float value, const char* fallback);

// What the set-up dialog's Save writes.
struct SwInterval {
    float rw = 0, a = 0, m = 0;
    std::int32_t porositySlot = 0;
    std::int32_t resistivitySlot = 0;
    std::int32_t from = 0;  // depths: from <= depth < to, and below the data's last depth
    std::int32_t to = 0;
};
// Writes the parameters, Sw and BVw into every record of the interval: Sw 1.0 and BVw 0 where the
// porosity or the resistivity is 0 or less (or the slots name no curve), else Sw by ArchieSw and
// BVw = Sw x porosity. Returns the number of records changed.
int ApplySwInterval(std::span<CurveRecord> records, std::int32_t lastDepth, const SwInterval& interval);

// One row of the read-out's table: depth, Sw, BVw, porosity and resistivity of `record` (its own slots).
QString SwTableRow(const CurveRecord& record, double sw);

}  // namespace elog
