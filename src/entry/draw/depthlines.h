#pragma once
// The row marker of the gas entry: magenta lines across the log from the rate track's left edge to the
// gas track's, drawn in XOR so that drawing a line again takes it off and leaves the log as it was.
#include "logview/viewgeometry.h"

namespace platform {
class Dc;
}

namespace entry {

// XOR-draws the line of row `y` and, unless `single`, a second one a row lower (a row higher when `up`).
// A step of the entry calls it once with the old row: that row's line goes and the next row's comes.
// Returns whether the last line was drawn.
bool DrawDepthLines(platform::Dc& dc, const logview::ViewGeometry& g, int y, bool up, bool single);

}  // namespace entry
