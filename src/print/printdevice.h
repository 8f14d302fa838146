#pragma once
// The paper device the view's painters draw a printout with, filled from the window's print state, so
// that every painter gets the printer's row height, width unit, pens and flags.
#include "layout/logformat.h"
#include "layout/printlayout.h"
#include "logview/device.h"
#include "print/printstate.h"

namespace print {

// The paper device: printing set, the print geometry, the print pens the view draws with (slots 0-15;
// a slot not made is left as it is), the colour and row-step flags and the print fonts.
void FillPaperDevice(const PrintState& state, logview::Device& device);

// The printer's column edges as the print layout placed them; `screen` gives the block counts of the
// columns the layout only places by their edges. Widths counted in units take the unit FillPaperDevice set.
void FillPrinterColumns(const layout::PrintLayout& print, const layout::LogLayout& screen,
                        logview::PrinterGeometry& printer);

}  // namespace print
