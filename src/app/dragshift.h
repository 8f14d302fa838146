#pragma once
// The drag-gas function's arithmetic: the user drags a gas column up or down by whole rows and the
// gas values of the dragged interval move by that many records. Kept apart from the window so that
// it is tested on plain record buffers.
#include "wellfile/record.h"

#include <cstdint>
#include <span>

namespace app {

constexpr int kMaxDragOffset = 50;

// Moves a drag offset one row (`step` -1 up, +1 down) unless that passes -50..50; false at a limit.
bool MoveDragOffset(std::int32_t& offset, int step);

struct DragShift {
    std::int32_t offset = 0;      // rows (records) the values move; negative moves them up
    std::int32_t length = 0;      // records in the dragged interval
    std::int32_t startDepth = 0;  // the depth at the row where the drag began
    std::int32_t fileTopDepth = 0;
    std::int32_t fileBottomDepth = 0;
    std::int32_t depthStep = 1;
};

// The run of records a shift reads and rewrites: the dragged interval widened by the offset on both
// sides, never the first record (it carries the file's data) nor the last two depth units. count 0:
// nothing to do (a drag that starts within 10 units of the bottom is dropped).
struct DragSpan {
    int firstIndex = 0;
    int count = 0;
};
DragSpan DragSpanOf(const DragShift& shift);

// Moves total gas and C1-nC4 of the interval by the offset within `records` (the run read from
// `firstIndex`) and clears them in the records the interval leaves behind. Records of depth 0 are
// neither read nor written.
void ShiftDraggedGas(const DragShift& shift, int firstIndex, std::span<wellfile::RECORD> records);

}  // namespace app
