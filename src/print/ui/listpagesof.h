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

// The page of the tops list of `log`'s well from its top `first`, read again from its ".top". Returns the
// top the next page starts with, or 0 when the list is done (or the file cannot be read: the page is
// left blank).
std::size_t PrintTopsPage(app::LogState& log, platform::Dc& dc, std::size_t first);

// Fills the tops and DST page painters of `painters` that are unset with the window's.
void FillListPagePainters(app::LogState& log, PrintPagePainters& painters);

} // namespace print
