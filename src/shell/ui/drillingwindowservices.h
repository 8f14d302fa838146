#pragma once
// Drilling mode's side of a main window: what the drilling commands and the status window ask of it
// besides its state (the gas chart closed, the alarm windows, the lag calculator, the status line).
namespace drilling { class DrillingCommands; class DrillingStatusWindow; }

namespace shell {

class LogWindow;

// Gives `commands` and `status` their callbacks into `main`, which outlives both.
void InstallDrillingWindows(
    LogWindow& main, drilling::DrillingCommands& commands, drilling::DrillingStatusWindow& status);

}  // namespace shell
