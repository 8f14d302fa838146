#pragma once
// The arithmetic of matching the log against another depth reference (the offset well or the e-log
// curves): the subsea values at the cursor depth from the two KB elevations, the two comparison texts,
// and the steps of a drag.
#include <cstdint>
#include <string>

namespace app {

// This well's and the other reference's subsea value at `depth`: A = kb - depth,
// B = otherKb - (otherShift + depth). D = A - B: above 0 this well is low, below 0 high.
struct Subsea {
    double thisWell = 0;
    double other = 0;
    double Difference() const { return thisWell - other; }
};
Subsea SubseaAt(float kb, float otherKb, std::int32_t otherShift, std::int32_t depth);

// "This well =-1000.0:  Offset =-1010.0\n This well is  10.0 M low at 2000 ", or the flat text.
std::string OffsetComparisonText(const Subsea& v, std::int32_t depth);
// "Mudlog=-1000.0 Elog=-1010.0:  Mudlog is  10 M low  ", or the flat text.
std::string ElogComparisonText(const Subsea& v);

// The depth steps of a drag from `startRow` to row `y`: one step a half row (toward zero), five records
// a step on the compressed scale (scale index 3).
std::int32_t DragSteps(std::int32_t startRow, std::int32_t y, std::int32_t rowHeight, std::int32_t scaleIndex);

}  // namespace app
