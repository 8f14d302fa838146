#pragma once
// The open well's tops file: where its settings put it, and the tops of the window's state written there
// by whoever changed them (a depth correction, a top dragged on the log).
#include "wellfile/sidefiles_tops.h"

namespace app {

struct LogState;
struct WellState;

// The tops place of the open well: the field folder only for a well in a shared folder whose ".dbc"
// says so.
wellfile::TopsPlace TopsPlaceOf(const LogState& log);
wellfile::TopsPlace TopsPlaceOf(const WellState& well);

// Writes WellState::tops (wellfile::SaveTops) and keeps the field-folder mark the save may have set.
// 1, or 0 when the file could not be written.
int SaveWellTops(LogState& log);

}  // namespace app
