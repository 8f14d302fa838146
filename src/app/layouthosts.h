#pragma once
// What the layout routines read of the main window's state, gathered from the state groups: the inputs
// of the log format, the pen options, and the copies of folders, options and geometry that the scheme
// and custom-track hosts carry. The window calls these right before it hands a host to the layout code,
// so the copies never lag behind the open well.
#include "app/logstate.h"

#include <QString>

#include <array>
#include <cstdint>

namespace app {

// The log format's inputs; `clientBottom` is the bottom of the window's client area.
layout::LayoutInputs LayoutInputsOf(const LogState& s, std::int32_t clientBottom);
layout::PenOptions PenOptionsOf(const LogState& s);

// Brings the value members of the scheme host (folders, send and copy options, profile, custom tracks,
// curve set) up to date.
void RefreshSchemeHost(LogState& s);
// Sets the e-log track on in the first display scheme and saves the schemes, so loaded curves show.
void ShowElogInSchemes(LogState& s);
// Applies the current display scheme again (after the curve set changed).
void ReapplyScheme(LogState& s);
// Brings the value members of the custom-track host (well, ".fit", settings record, folders, screen
// geometry of the log format) up to date.
void RefreshCustomTrackHost(LogState& s);

// The options the scheme dialog edits beside the schemes, as the well's settings record keeps them; taken
// when a well is opened.
void TakeSchemeOptions(LogState& s);
// The names of the well's six schemes for the menu; false when the schemes cannot be loaded.
bool LoadSchemeNames(LogState& s, std::array<QString, 6>& names);
// Stores the field-schemes flag in the user's settings record; false when it could not be written.
bool SaveFieldSchemesFlag(const LogState& s);
// The field-schemes flag of the user's settings record; false when there is none.
bool LoadFieldSchemesFlag(const LogState& s);

}  // namespace app
