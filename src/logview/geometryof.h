#pragma once
// The one place where the view's geometry is taken from the window's state groups. Handlers call it
// right before they hand the geometry to the painters; the painters themselves never see the state.
#include "logview/viewgeometry.h"

namespace app {
struct LogState;
}

namespace logview {

ViewGeometry GeometryOf(const app::LogState& log);

}  // namespace logview
