#pragma once
// What the main window keeps for printing (app/printstate.h), by the names the print code uses.
#include "app/printstate.h"
#include "print/printgeometry.h"

namespace print {

using app::FONT_BODY;
using app::FONT_HEADER;
using app::FONT_SMALL;
using app::FONT_TITLE;
using app::HorizontalViewFacts;
using app::kPrintFontSlots;
using app::kPrintPenSlots;
using app::PrintFontSlot;
using app::PrintState;
using app::ProfilePrintOptions;

}  // namespace print
