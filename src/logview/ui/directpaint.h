#pragma once
// The one-record-a-row paint as both of its runs use it: the window's paint onto the backing store and
// the off-screen log drawn at idle time for horizontal scrolling. Both read the same records and draw
// through PaintLog; only the geometry's origin and what is written back to the window differ.
#include "logview/device.h"
#include "logview/draw/logpaint.h"
#include "logview/viewgeometry.h"

#include <optional>

namespace app {
struct LogState;
}
namespace platform {
class Dc;
}

namespace logview {

// Draws the log with `g` (the view top already made even and clamped). On the screen (`offScreen`
// false) the paint also fills the window's record cache and works out whether a shown e-log curve is
// loaded; off the screen the cache is left alone, the last paint's e-log flag is used and the rate
// curve keeps its own memory, so the window's view is as it was. Nothing when the records cannot be
// had (no memory).
std::optional<PaintResult> DrawDirectLog(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, bool offScreen);

// The same paint into a log image (`device` of the export): the records of the layout's visible rows
// from the view top, every display switch as on the screen, the pictures but no picture markers, data
// curve or scale heads, and the title band (the header page while the export runs) only with `header`.
std::optional<PaintResult> DrawImageLog(app::LogState& s, platform::Dc& dc, const ViewGeometry& g, const Device& device,
                                        bool header);

}  // namespace logview
