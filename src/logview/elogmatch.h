#pragma once
// The e-log depth match in numbers: how far a drag of the GAMMA outline moves the curves.
#include <algorithm>
#include <cstdint>

namespace logview {

// The depth shift a drag from `startY` to `y` adds. The outline has a point a row (one record, five on
// the compressed scales), so that it follows the mouse: one unit for each whole row dragged, five on the
// compressed scales; a row height below 1 counts as 1.
inline std::int32_t ElogDragShift(int startY, int y, int rowHeight, int scaleIndex)
{
    const std::int32_t rows = (startY - y) / std::max(rowHeight, 1);
    return scaleIndex >= 3 ? rows * 5 : rows;
}

}  // namespace logview
