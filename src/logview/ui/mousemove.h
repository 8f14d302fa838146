#pragma once
// The mouse moved over the log: the drag under way is carried on, one case at a time in a fixed order
// (the first that takes the move ends it). A box or note frame taken out of the log ends there: past
// the left edge it is let go at x = 2, past the top at the top margin, and past the right edge or the
// bottom it is abandoned.
namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;

// `x`, `y` are client coordinates; `keys` the MK_ flags of the event.
void MouseMove(app::LogState& log, const MouseContext& m, int x, int y, unsigned keys);

}  // namespace logview
