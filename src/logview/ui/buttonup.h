#pragma once
// The left button let go over the log: the drag under way ends and stores what it moved. The first
// drag found running, in a fixed order, is ended; then, whenever the XOR drag Dc still exists, the
// mouse is let go and the Dc given back its mix and deleted.
namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;

// `x`, `y` are client coordinates (x below 0 is taken as 0); `keys` the MK_ flags of the event.
void LeftButtonUp(app::LogState& log, const MouseContext& m, int x, int y, unsigned keys);

}  // namespace logview
