#include "logview/paintrows.h"

namespace logview {

std::int32_t PaintTop(std::int32_t top, std::int32_t first, std::int32_t last, std::int32_t span)
{
    long long t = top;  // 64-bit: a damaged file may hold depths near the ends of the range
    if (t % 2 != 0)
        t += 1;
    if (t < (long long)first + 2)
        t = (long long)first + 2;
    if (t > (long long)last - span)
        t = (long long)last - span;
    if (t < first)
        t = first;
    return std::int32_t(t);
}

}  // namespace logview
