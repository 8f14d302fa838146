#pragma once
// The drags over the log that move things in depth: a slide interval marked in the depth records (Ctrl
// in the rate track's first block, its blue line growing with the mouse), a formation top moved to
// another depth (its cursor line following the mouse), the offset well's curve matched against the log,
// and the band of the gas track the drag-gas function moves (a rubber band while drilling). Button up
// stores what was moved: the records' slide flags, the tops file, the offset well's entry in the well's
// settings, or hands the band to the drag-gas keys. The window losing the mouse drops every drag.
// Also the depth written beside the pointer over the log-image strip.
#include <cstdint>

namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;
struct MousePoint;
struct ViewGeometry;

// Button down. Each is true when the click is taken (a drag started, or the click ended there).
// Ctrl in the rate track's first block, on the rows down to five rows above the log's bottom.
bool StartSlideInterval(app::LogState& log, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                        std::int32_t depth);
bool StartDragGas(app::LogState& log, const MouseContext& m, const MousePoint& p);
// On the offset well's curve as last drawn; a start before the offset well's first record beeps.
bool StartOffsetMatch(app::LogState& log, const MouseContext& m, const ViewGeometry& g, const MousePoint& p);
// On a top's row in the rate or gas track.
bool StartTopDrag(app::LogState& log, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                  std::int32_t depth);

// Mouse move. True when the slide interval took it.
bool MoveSlideLine(app::LogState& log, const MouseContext& m, const MousePoint& p);
// A move no drag of the boxes took: the last mouse position, the log-image strip's depth label, and the
// drags drawn on the XOR Dc.
void MoveOverLog(app::LogState& log, const MouseContext& m, const MousePoint& p);

// Button up. True when the slide interval or the drag-gas band ended here.
bool DropSlideInterval(app::LogState& log, const MouseContext& m, const MousePoint& p);
bool EndDragGasBand(app::LogState& log, const MouseContext& m, const MousePoint& p);
// After the XOR Dc has gone: the offset well's entry or the moved top stored.
void EndDepthDrags(app::LogState& log, const MouseContext& m, const MousePoint& p);

// The window lost the mouse: every drag under way is dropped without storing, the mouse let go and the
// log painted again.
void CancelDrags(app::LogState& log, const MouseContext& m);

}  // namespace logview
