#pragma once
// The main window's side of drilling mode: the drilling host's reads of the window's state (its
// constructor and calls are here), the well's title, and the state's pointers to the driller.
#include "drilling/drillinghost.h"

namespace app {
struct LogState;
}

namespace drilling {

class Driller;

// Reads the well's title, company, company flag and KB elevation from its header into the state.
// Returns 1.
int LoadWellTitle(app::LogState& log);
// The same when the title is empty or reads "No header file" in any letter case.
void LoadWellTitleWhenMissing(app::LogState& log);

// Makes `driller` the state's driller (null: none): the engines' pointers, the activity log's figures
// and the custom tracks' copy of its lag settings.
void AttachDriller(app::LogState& log, Driller* driller);

}  // namespace drilling
