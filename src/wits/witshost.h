#pragma once
// The WITS engine's host as the main window fills it: the groups of its state the engine works on,
// taken again before each engine call, and the window's depth correction and status lines.
#include "wits/witslink.h"

namespace app {
struct LogState;
struct WellServices;
}  // namespace app

namespace wits {

// `log` and `services` must outlive the host (it belongs to the engine they hold).
WitsHost MakeWitsHost(app::LogState& log, const app::WellServices& services);

}  // namespace wits
