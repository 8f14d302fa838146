#pragma once
// The one place that reads the window's state for the track painters' settings, right before a pass.
#include "tracks/tracksettings.h"

namespace app {
struct LogState;
}

namespace tracks {

TrackSettings TrackSettingsOf(const app::LogState& s);

}  // namespace tracks
