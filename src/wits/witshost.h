#pragma once
// The window's drawing of a booked WITS step. (The WITS hosts are made from the window's state by their
// constructors, witshost.cpp.)
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

// The window's drawing of a booked step (WitsHost::repaintRow): the row of `depth` through the view, with
// the row after it, whose curves join to it, and the custom tracks in their WITS-step mode.
void RepaintBookedRow(logview::LogViewServices& view, app::LogState& log, std::int32_t depth, unsigned parts);

}  // namespace wits
