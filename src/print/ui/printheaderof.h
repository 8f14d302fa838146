#pragma once
// The printed header of the window's log pages: its input taken from the window's state at each call,
// so that the header shows the well header file, the pens and the print layout as they are then.
#include "print/draw/logpage.h"
#include "print/draw/printheader.h"

namespace app {
struct LogState;
}

namespace print {

// What the header reads of `log` for one call.
PrintHeaderInput PrintHeaderInputOf(app::LogState& log);

// The header painter of the window's log pages; it keeps the client title in the print state.
PrintHeaderFn PrintHeaderOf(app::LogState& log);

// The height in printer pixels of the full header `settings` would print now, drawn where nothing
// shows; 0 when the well has no header to print (the page itself says so).
int PrintHeaderHeight(app::LogState& log, const wellfile::PRINTCFG& settings);

}  // namespace print
