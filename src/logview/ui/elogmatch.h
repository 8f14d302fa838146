#pragma once
// The e-log depth match: a press on the gamma curve the scheme draws over the first track starts it,
// each move draws the GAMMA outline at the new depth shift on the XOR Dc (the last one taken off first)
// and shows it on the window, and button up stores the shift with the curve file's name and paints the
// whole window afresh (the comparison text under the log goes with it). A drawing that finds the
// shifted top past the curve data ends the drag and puts the shift back; losing the mouse does the same.
#include <cstdint>

namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;
struct MousePoint;
struct ViewGeometry;

// True when the press at `p` on the row of `depth` started the drag.
bool StartElogMatch(app::LogState& log, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                    std::int32_t depth, bool ctrl);
// A move while the drag runs; false when no e-log drag runs.
bool MoveElogMatch(app::LogState& log, const MouseContext& m, const MousePoint& p);
// After the XOR Dc has gone: the moved shift stored. False when no e-log drag ran.
bool EndElogMatch(app::LogState& log);
// The drag dropped without storing: the shift it started with comes back.
void CancelElogMatch(app::LogState& log);

}  // namespace logview
