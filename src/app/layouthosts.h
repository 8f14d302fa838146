#pragma once
// What the layout routines read of the main window's state, gathered from the state groups: the inputs
// of the log format, the pen options, and the copies of folders, options and geometry that the
// custom-track host carries (the scheme host's are in elog/schemehost.h). The window calls these right
// before it hands a host to the layout code, so the copies never lag behind the open well.
#include "app/logstate.h"

#include <QString>

#include <array>
#include <cstdint>

namespace app {

// The log format's inputs; `clientBottom` is the bottom of the window's client area.
layout::LayoutInputs LayoutInputsOf(const LogState& s, std::int32_t clientBottom);
layout::PenOptions PenOptionsOf(const LogState& s);

// Brings the value members of the custom-track host (well, ".fit", settings record, folders, screen
// geometry of the log format) up to date.
void RefreshCustomTrackHost(LogState& s);

// The options the scheme dialog edits beside the schemes, as the well's settings record keeps them; taken
// when a well is opened.
void TakeSchemeOptions(LogState& s);
// Stores the field-schemes flag in the user's settings record; false when it could not be written.
bool SaveFieldSchemesFlag(const LogState& s);
// The field-schemes flag of the user's settings record; false when there is none.
bool LoadFieldSchemesFlag(const LogState& s);

}  // namespace app
