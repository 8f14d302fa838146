#pragma once
// The main window's lines into the activity log: the context of every entry (data folder, depth-step
// label, the drilling figures while drilling) taken from the window state at the moment of writing.
#include "wellfile/activitylog.h"

#include <string>

namespace app {

struct LogState;

// The log context of the window as it stands. Drilling figures only while a driller exists: the
// driller's rate and time count (when drilling mode reports them) and the well's maximum gas depth.
wellfile::ActivityLogContext ActivityContextOf(const LogState& log);

// One entry (Windows-1252 text) into the activity log of the data folder; nothing for an empty text.
void WriteActivityLine(LogState& log, std::string text);

}  // namespace app
