#pragma once
// What the main window keeps for manual data entry by depth. The entry-open flag and the records being
// typed in are the view's (app::InteractionState::dataEntryActive and dataEntryRecords), which the paint
// reads while an entry runs; the double-click's request to start at a depth is the interaction state's
// mouse-entry request. The entry code names these types in entry:: too (entry/entrystate.h).
#include "wellfile/record.h"

#include <cstdint>
#include <vector>

namespace app {

// The colours of the show entry's fluorescence, cut and calcimeter boxes: the last ones an entry stored,
// which the next show entry starts with. 32-bit colour values as the records keep them.
struct ShowColours {
    std::uint32_t fluorescence = 0;
    std::uint32_t cut = 0;
    std::uint32_t calcimeter = 0;
};

struct EntryState {
    // The records as they were read for the running entry: "Done" puts back only the fields the dialog
    // changed against these, so values other writers booked meanwhile are kept.
    std::vector<wellfile::RECORD> snapshot;
    int recordIndex = 0;  // the record index the entry was read from
    int count = 0;        // records read (0 after a failed read: nothing is written)
    bool gasEntry = false;  // the gas entry runs
    // Where the lithology entry goes on: the deepest depth typed so far (its dialog keeps it).
    std::int32_t lithologyResumeDepth = 0;
    // The gas entry's options: each pass begins at total gas (clear: at C1); it offers "Use Ratios" and
    // the "CO2" box.
    bool gasTotalFirst = true;
    bool gasRatios = true;
    bool gasCo2 = true;
    ShowColours showColours;
    bool showColourOption = true;  // the show entry offers its "Color" button
    // The flare entry starts at `flareStartDepth` without asking once while `flareContinue` is set.
    std::int32_t flareStartDepth = 0;
    bool flareContinue = false;
};

}  // namespace app
