#pragma once
// The one place that reads the window's state for the track painters' settings, right before a pass.
#include "tracks/tops.h"
#include "tracks/tracksettings.h"

namespace app {
struct LogState;
}

namespace tracks {

TrackSettings TrackSettingsOf(const app::LogState& s);
// The well's tops as the tops painter reads them; the span stays valid while the tops are not changed.
TopsView TopsViewOf(const app::LogState& s);

}  // namespace tracks
