#pragma once
// What the track painters keep from one call to the next (app/painterstate.h), by the names the track
// code uses.
#include "app/painterstate.h"

namespace tracks {

using app::LithRowState;
using app::PainterState;
using app::PendingCells;

}  // namespace tracks
