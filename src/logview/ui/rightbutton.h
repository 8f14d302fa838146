#pragma once
// The right button pressed over the log. By where it lands and Ctrl: the memo or short-report dialog of
// the box under it, the custom-track configuration or the gas-ratio chart over the custom tracks, the
// gas-label dialog, a casing-point mark toggled, or the log paged by 500 depth units from above or
// below the rows. Nothing while an entry runs, the view is busy, a box is dragged or a memo's note is
// edited. Columns are told apart in log coordinates (the click x plus the horizontal scroll).
#include <cstdint>

namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;

// `x`, `y` are client coordinates (the menu bar not included); `keys` the MK_ flags of the event.
void RightButtonDown(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys);

// The gas-ratio chart of `depth` over the log, at the lithology column's left edge below the top
// margin; `x` is the client x of the click. False, nothing drawn, over a custom track that is neither
// a gas nor a ratio-record track; false after the empty box when no record could be read.
bool ShowGasRatioPopup(app::LogState& s, std::int32_t depth, int x);

// The depth scroll bar's position (0-100) after a page: the share of the file above the view top, 100
// once the top reached the last screen of the file.
int PagedBarPosition(std::int32_t top, std::int32_t first, std::int32_t last, std::int32_t span);

}  // namespace logview
