#pragma once
// The log pages of the window's printout: each page is drawn by the page painters of print/draw on the
// paper device made from the window's print state and print layout, with the window's neighbour
// painters and track state.
#include "print/draw/logpage.h"
#include "print/ui/logprintout.h"

#include <functional>

namespace app {
struct LogState;
}

namespace print {

// The painter of the log pages of `log` (one record a row, or ten-foot rows on scale kind 3). `header`
// draws the printed header and `dataTable` the data table; either may be empty.
std::function<int(platform::Dc&, const LogPage&)> LogPagePainter(app::LogState& log, PrintHeaderFn header,
                                                                 DataTableFn dataTable);

// The paper device of a page of `log`: the print state's geometry, pens, fonts and flags and the
// printer columns of the window's print layout.
logview::Device PaperDeviceOf(const app::LogState& log);

}  // namespace print
