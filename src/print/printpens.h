#pragma once
// The 22 pens of the printed log, made from the window's pen table at the print width unit: all black
// on a monochrome print, in the table's colours on a colour print.
#include "print/printstate.h"

namespace print {

// The print width of each pen-table width index 0-4 at width unit `u`.
std::array<int, 5> PrintWidths(int u);

// flag 0: writes every table entry's print width into it and makes the 22 pens; any other flag (1): drops them.
void MakePrintPens(PrintState& state, layout::PenTable& table, int profile, int flag);

}  // namespace print
