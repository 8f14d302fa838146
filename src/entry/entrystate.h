#pragma once
// What the main window keeps for manual data entry by depth (app/entrystate.h), by the names the entry
// code uses.
#include "app/entrystate.h"

namespace entry {

using app::EntryState;
using app::ShowColours;

}  // namespace entry
