#pragma once
// The print set-up of a log print: the depth range and options the run is printed with, moved into the
// run's settings and the window's print flags when the user presses "Print".
#include "print/printcfg.h"

#include <functional>

namespace app {
struct LogState;
}

namespace print {

// 1 when the print is to go on, 0 when it is cancelled or the range is refused.
using RunPrintSetupFn = std::function<int(app::LogState& log, PRINTCFG& cfg)>;

// What the set-up offers for the open well and the printer in hand, taken as if the user pressed
// "Print" without changing anything: the range from `cfg` (or the view), the whole file with "Print
// All", the window's scale, line styles and rate units, the full header, colour on a colour printer.
int RunPrintSetup(app::LogState& log, PRINTCFG& cfg);

}  // namespace print
