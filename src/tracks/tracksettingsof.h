#pragma once
// The one place that reads the window's state for the track painters' settings, right before a pass.
// The painters never read it themselves.
#include "tracks/curvevalues.h"
#include "tracks/customtrackwindow.h"
#include "tracks/tops.h"
#include "tracks/tracksettings.h"

namespace app {
struct LogState;
}

namespace tracks {

tracks::TrackSettings TrackSettingsOf(const app::LogState& s);
// The well's tops as the tops painter reads them; the span stays valid while the tops are not changed.
tracks::TopsView TopsViewOf(const app::LogState& s);
// The window's settings of the custom curve values, with the screen custom-track object's end depth,
// motor factor and lag settings when there is one. The window keeps no test-gas switch yet: the
// components are never divided by their test gas.
tracks::CurveValueSettings CurveValueSettingsOf(const app::LogState& s);
// The window's custom-track objects and mode flags; the window itself says whether it is minimised and
// hands its grid strips.
tracks::CustomTrackWindow CustomTrackWindowOf(app::LogState& s);

}  // namespace tracks
