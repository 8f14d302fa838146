#pragma once
// The e-log depth match in numbers: how far a drag of the GAMMA outline moves the curves.
#include <algorithm>
#include <cstdint>

namespace logview {

// The depth shift a drag from `startY` to `y` adds: one depth unit for each half row (the divisor at
// least 1, whatever the row height), five on the compressed scales, where a point stands for five.
inline std::int32_t ElogDragShift(int startY, int y, int rowHeight, int scaleIndex)
{
    const int half = std::max(rowHeight / 2, 1);
    const std::int32_t rows = (startY - y) / half;
    return scaleIndex >= 3 ? rows * 5 : rows;
}

}  // namespace logview
