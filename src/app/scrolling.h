#pragma once
// The arithmetic of the main window's scrolling, sizing and wheel, and of the row-to-depth
// conversion, apart from the window so that it is tested on its own. Scroll codes keep the values the
// Windows scroll bars send.
#include <cstdint>
#include <optional>

namespace app {

struct LogState;

enum ScrollCode : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
// The left/right codes share the values of up/down.
constexpr int SB_LINELEFT = SB_LINEUP, SB_LINERIGHT = SB_LINEDOWN, SB_PAGELEFT = SB_PAGEUP, SB_PAGERIGHT = SB_PAGEDOWN;

// The depth range of the file and the depth units one screen shows.
struct DepthRange {
    std::int32_t first = 0;  // the file's first depth
    std::int32_t last = 0;   // the file's last depth
    std::int32_t span = 40;  // depth units on one screen
};

// The view top a vertical scroll code asks for, before it is limited to the file; nullopt for codes
// that move nothing. `ctrl`: the Control key is down.
std::optional<std::int32_t> ScrollTarget(int code, int thumb, bool ctrl, std::int32_t top, const DepthRange& range);
// At most last - span, then at least first (a file shorter than the span keeps the top at its first
// depth).
std::int32_t LimitTop(std::int32_t top, const DepthRange& range);
// The position of the depth scroll bar (range 0-100) for a view top: 1 at the first depth, 101 (held at
// 100 by the bar) at the bottom limit.
int DepthBarPosition(std::int32_t top, const DepthRange& range);

// The position the depth scroll bar is made with: the percentage of the well's depth range above the
// view top, ((top - first) / span) x 100 kept as a float and truncated; a span below 1 counts as 1.
int DepthBarCreatePosition(std::int32_t top, const DepthRange& range);

// Where the depth scroll bar stands beside the log, and the log bottom y it fixes.
struct DepthBarInputs {
    std::int32_t logWidth = 0;     // right edge of the log's columns
    std::int32_t unitWidth = 10;
    bool customTracks = false;     // the custom tracks take one more unit
    std::int32_t clientRight = 0;  // the client rectangle's right edge
    std::int32_t barWidth = 0;
    std::int32_t topMargin = 160;
    std::int32_t visibleRows = 0;
    std::int32_t rowHeight = 10;
};
struct DepthBarPlace {
    std::int32_t x = 0, top = 0, width = 0, height = 0;
    std::int32_t logBottomY = 0;  // visible rows x row height + top margin
};
// A unit right of the log (two with custom tracks); over a window narrower than the log, at the
// window's right edge.
DepthBarPlace PlaceDepthBar(const DepthBarInputs& in);
// The widest horizontal offset: the log slid so far left that its right end (the last track's scale and
// labels) stands a unit clear of the depth scroll bar, which stands over the log of a window narrower
// than it; line steps of a unit then reach the end too. 0 when the log fits.
std::int32_t HorizontalMax(const DepthBarInputs& in);

// The horizontal offset after a horizontal scroll code; nullopt when the code moves nothing.
// `max` is the widest offset, `unit` the horizontal grid unit.
std::optional<std::int32_t> HorizontalTarget(int code, int thumb, std::int32_t offset, std::int32_t max, std::int32_t unit);
// The horizontal bar's position for an offset (range 0..max).
int HorizontalBarPosition(std::int32_t offset, std::int32_t max);

// The vertical scroll code of a wheel turn: forward pages up, backward pages down; nullopt for none.
std::optional<int> WheelScrollCode(int wheelDelta);

// What the row-to-depth conversion reads of the window.
struct RowGeometry {
    std::int32_t logAreaTop = 160;
    std::int32_t logAreaBottom = 0;
    std::int32_t pixelsPerStep = 10;
    std::int32_t depthStep = 1;
    std::int32_t viewScale = 1;  // 3: five depth units per row
    std::int32_t viewTopDepth = 0;
    std::int32_t fileTopDepth = 0;
    std::int32_t fileBottomDepth = 0;
};
// The depth shown at screen row `y`: within the log area the row's depth, kept between the file's
// first depth + 12 and its last depth; outside it the last depth.
std::int32_t DepthAtRow(const RowGeometry& g, int y);
// The row geometry of the window's state as it stands.
RowGeometry RowGeometryOf(const LogState& log);

}  // namespace app
