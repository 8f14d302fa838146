#pragma once
// The owner's side of a WITS alarm table, taken from the main window's state at the moment of each call:
// the data folder and logging-company profile of the open well, the window's pop-up, the WITS engine's
// reload and the depth box's recapture. The WITS engine, the custom link and the drilling object build
// their tables with it.
#include "wits/witsalarms.h"

namespace app {
struct LogState;
}

namespace wits {

// The state must outlive the tables made with the host (they belong to its engines).
WitsAlarmHost MakeWitsAlarmHost(app::LogState& log);

}  // namespace wits
