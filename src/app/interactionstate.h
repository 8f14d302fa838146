#pragma once
// What the user is doing over the log: one role group of the main window's state (app/logstate.h).
#include "logview/mousestate.h"
#include "wellfile/record.h"

#include <array>
#include <cstdint>
#include <vector>

namespace app {

// A log rectangle as the mouse code keeps it.
struct RowRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// A double-click on a log column asks the matching entry command to start at the clicked depth; the
// command reads the request and clears it.
struct MouseEntryRequest {
    bool set = false;              // the mouse-entry flag
    std::int32_t rateDepth = 0;
    std::int32_t gasDepth = 0;     // also where the gas entry goes on next time, which its dialog keeps
    std::int32_t lithologyDepth = 0;
    bool interpreted = false;      // the interpreted-lithology column was clicked
};

// What the user is doing over the log right now.
struct InteractionState {
    bool dragGasActive = false;
    std::int32_t dragGasColumn = 0;
    std::int32_t dragGasOffset = 0;  // steps, -50..50
    RowRect dragGasRect;
    std::int32_t dragGasLength = 0;
    std::int32_t dragGasStartRow = 0;
    std::int32_t dataEntryActive = 0;  // data entry by depth is under way: view commands beep
    // While a data-entry command runs, the records being typed in (110): the paint draws these instead of
    // reading the file (from element 5 on the compressed scales) and leaves them alone.
    std::vector<wellfile::RECORD> dataEntryRecords;
    MouseEntryRequest mouseEntry;
    bool commandLock = false;          // a view function is under way: the same commands beep
    bool dialogOpen = false;           // the lag calculator runs
    bool fixedOutlinePosition = false; // interval outlines always take the narrow position
    logview::MouseState mouse;         // the drags of the mouse over the log

    // Hit areas of the log rows and columns.
    std::array<std::array<RowRect, 200>, 5> rowRects{};
    std::array<RowRect, 38> columnRects{};
};

}  // namespace app
