#pragma once
// The window's painters of the pages that are not the log: the data table, the tops list and the DST
// reports, each drawn at the run's row height from what the window holds at the time of the page.
#include "print/draw/logpage.h"
#include "print/ui/logprintout.h"

namespace app {
struct LogState;
}

namespace print {

// The data table of `log`'s run, its rates per hour when the window shows them so.
DataTableFn DataTableOf(app::LogState& log);

// The tops list of `log`'s well, read again from its ".top". 1, or 0 (the page left blank) when the
// file cannot be read.
int PrintTopsPage(app::LogState& log, platform::Dc& dc);

// Fills the tops and DST page painters of `painters` that are unset with the window's.
void FillListPagePainters(app::LogState& log, PrintPagePainters& painters);

} // namespace print
