#pragma once
// The WITS engine's host as the main window fills it: the groups of its state the engine works on,
// taken again before each engine call, and the window's depth correction and status lines.
#include "wits/witslink.h"

#include <cstdint>

namespace app {
struct LogState;
struct WellServices;
}  // namespace app
namespace logview {
class LogViewServices;
}

namespace wits {

// `log` and `services` must outlive the host (it belongs to the engine they hold).
WitsHost MakeWitsHost(app::LogState& log, const app::WellServices& services);

// The window's drawing of a booked step (WitsHost::repaintRow): the row of `depth` through the view, with
// the row after it, whose curves join to it, and the custom tracks in their WITS-step mode.
void RepaintBookedRow(logview::LogViewServices& view, app::LogState& log, std::int32_t depth, unsigned parts);

}  // namespace wits
