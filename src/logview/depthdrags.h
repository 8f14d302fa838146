#pragma once
// The numbers of the drags that move things in depth over the log, apart from the window: the slide
// interval marked in the depth records, the formation top moved to another depth and the band of the
// gas track chosen for the drag-gas function.
#include "wellfile/topsex.h"

#include <cstdint>
#include <optional>
#include <span>

namespace wellfile {
struct OpenWell;
}

namespace logview {

// A slide interval spans at most this many depth units and records.
constexpr std::int32_t kMaxSlideInterval = 50;

// The depth a slide interval starts or ends at for a press or drop on the row of depth `d`: two units
// below it, made even.
std::int32_t SlideDepthOf(std::int32_t d);

// The interval a drop on the row of depth `d` marks from `start`: its end no deeper than the last depth
// nor 50 units past the start, the two swapped when it was dragged upward.
struct SlideInterval {
    std::int32_t start = 0;
    std::int32_t end = 0;
};
SlideInterval SlideDropInterval(std::int32_t start, std::int32_t d, std::int32_t lastDepth);

// What a toggle wrote: `count` records from record `first`, each given the slide flag `value`.
struct SlideToggle {
    int first = 0;
    int count = 0;
    std::uint16_t value = 0;
};
// Marks the records of [start, end) as slide (1), or as rotate (0) when the first of them is slide
// already; only the slide flag of at most 50 records changes. Nothing for an interval of no whole depth
// step, one that starts above the view top, or records that cannot be read or written.
std::optional<SlideToggle> ToggleSlideInterval(wellfile::OpenWell& well, std::int32_t start, std::int32_t end);

// The first of `tops` a press on the row of depth `d` takes: its depth is d - 2, d - 1, d or d + 1.
std::optional<int> TopAtRow(std::span<const wellfile::TOPSEX> tops, std::int32_t d);

// A top dragged from `startY` to `y`: its depth moves a depth step for each whole row, and one unit more
// when the rest of a row is past a third of the row height; kept within the file's first and last depth.
// `rows` is the signed number of whole rows it moved up.
struct MovedTop {
    std::int32_t depth = 0;
    std::int32_t rows = 0;
};
MovedTop MoveTop(std::int32_t depth, int startY, int y, int rowHeight, std::int32_t depthStep, std::int32_t firstDepth,
                 std::int32_t lastDepth);

// `y` moved to the nearest boundary of the log rows (from `topMargin`, every `rowHeight`): a rest past
// half a row goes to the boundary below, else to the one above.
int RowBoundary(int y, int topMargin, int rowHeight);

}  // namespace logview
