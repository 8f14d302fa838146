#pragma once
// Saving the open well's settings record (".cfg") from the main window. The save decides where the
// record lives: a shared-folder well's record moves to the data folder and its ".dbc" says so. The window's
// field-settings flag follows that, so every later load (and the save at exit) reads the record just
// written instead of a stale local copy.
#include "wellfile/settingsblock.h"
#include "wellfile/wellconfig.h"

#include <functional>
#include <optional>

namespace app {

struct LogState;
struct WellState;

// Writes `config` as the well's record and keeps the field-settings flag as the save leaves it. A failed
// write is reported ("The settings of the well could not be saved") and gives false. The window's own
// copy (LogState::well.config) is left to the caller.
bool SaveWellConfig(LogState& log, const wellfile::WellConfig& config);
bool SaveWellConfig(WellState& well, const wellfile::WellConfig& config);

// Loads the well's record as stored, lets `change` alter it and saves it with SaveWellConfig. Nothing is
// written when no record can be read (a record that cannot be read is not written over) or when `change`
// returns false. Gives the record written, or nothing.
std::optional<wellfile::WellConfig> UpdateWellConfig(LogState& log,
                                                     const std::function<bool(wellfile::WellConfig&)>& change);
std::optional<wellfile::WellConfig> UpdateWellConfig(WellState& well,
                                                     const std::function<bool(wellfile::WellConfig&)>& change);

// Loads the well's ".dbc", lets `change` alter it and writes it back; a missing ".dbc" is made from a
// cleared block. One that exists but cannot be read is never written over: that, like a failed write, is
// reported with the file's path ("File Error") and gives false.
bool UpdateDbc(const LogState& log, const std::function<void(wellfile::SettingsBlock&)>& change);

}  // namespace app
