#pragma once
// The printed log's layout for the open well: the screen format's block counts, the scheme's flags and
// the print options of the state, laid out for one print block, and the print copy of the custom tracks.
#include "app/logstate.h"

namespace app {

// Lays the printed columns out for print block `b` (printer units) and keeps the result, print-scale
// factor included, in s.layout.print. With custom tracks on, the print custom-track object is made
// again and its tracks laid out from where the printed log leaves room for them; otherwise it is freed.
const layout::PrintLayout& LayoutPrintTracks(LogState& s, float b);

}  // namespace app
