#include "app/depthmatch.h"

#include "platform/text.h"

#include <cmath>

namespace app {

namespace {

const char* Word(double d) { return d > 0 ? "M low" : "M high"; }

}  // namespace

Subsea SubseaAt(float kb, float otherKb, std::int32_t otherShift, std::int32_t depth)
{
    const float d = float(depth);
    return {double(kb - d), double(otherKb - (float(otherShift) + d))};
}

std::string OffsetComparisonText(const Subsea& v, std::int32_t depth)
{
    const double d = v.Difference();
    if (d == 0)
        return platform::CFormat("%s=%5.1f:  %s=%5.1f\n %s is flat             ", "This well", v.thisWell, "Offset",
                                 v.other, "This well");
    return platform::CFormat("%s =%5.1f:  %s =%5.1f\n %s is %5.1f %s at %3.0f ", "This well", v.thisWell, "Offset",
                             v.other, "This well", std::fabs(d), Word(d), double(depth));
}

std::string ElogComparisonText(const Subsea& v)
{
    const double d = v.Difference();
    if (d == 0)
        return platform::CFormat("Mudlog=%5.1f Elog=%5.1f:  Mudlog is flat             ", v.thisWell, v.other);
    return platform::CFormat("Mudlog=%5.1f Elog=%5.1f:  Mudlog is %3.f %s  ", v.thisWell, v.other, std::fabs(d), Word(d));
}

std::int32_t DragSteps(std::int32_t startRow, std::int32_t y, std::int32_t rowHeight, std::int32_t scaleIndex)
{
    const std::int32_t half = rowHeight / 2;
    const std::int32_t steps = half != 0 ? (startRow - y) / half : 0;
    return scaleIndex == 3 ? steps * 5 : steps;
}

}  // namespace app
