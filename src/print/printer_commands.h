#pragma once
// The window's printer object and the print preparations, as the window's commands and the report
// printouts call them.
#include <cstdint>

namespace app {
struct LogState;
struct PrintState;
}
namespace platform {
class Printer;
}

namespace print {

using app::PrintState;

// The window's printer, made from the default printer on first use and kept. nullptr when none can be
// made; one that reports under 10 dpi is no printer and is dropped.
platform::Printer* EnsurePrinter(PrintState& state);
// The printer of a print run: as EnsurePrinter, and when there is none the user is told
// " Error Communicating With Printer" ("Printer Error").
platform::Printer* PrinterForRun(PrintState& state);

// After a job printed on a printer that writes files: the user is told where the file went ("\"<file>\"
// written", caption "Print"). Nothing for a print queue.
void TellWhereThePrintWent(const platform::Printer& printer);

// The print dialog over the window's printer (made when there is none), where the user may choose
// another printer; false when cancelled, or when the printer chosen is unusable (it is dropped).
bool PrintDialog(PrintState& state);

// The printer check on the window's printer (made when there is none); 0 without a printer.
std::uint8_t CheckPrinter(app::LogState& log);
// The print fonts for the open well's profile.
void SetPrintFonts(app::LogState& log);
// flag 0 makes the print pens from the window's pen table, 1 drops them.
void MakePrintPens(app::LogState& log, int flag);

// "Page Setup...": the page set-up dialog over the window's printer, made when there is none; only a
// beep while a print runs.
void CmPageSetup(app::LogState& log);

}  // namespace print
