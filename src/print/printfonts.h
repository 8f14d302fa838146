#pragma once
// The fonts of a print run, made for the logging-company profile from the print row height and width
// unit of the print state.
#include "print/printstate.h"

namespace print {

// Makes the title, body, small and header fonts again; each slot's old font is dropped first.
void SetPrintFonts(PrintState& state, int profile);
// Drops the four fonts at the end of a print run.
void ReleasePrintFonts(PrintState& state);

}  // namespace print
