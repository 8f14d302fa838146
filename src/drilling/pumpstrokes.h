#pragma once
// The pump-stroke threads as the main window holds them, started and toggled by the lag settings, the
// stroke counter's switch and the WITS links.

namespace app {
struct LogState;
}

namespace drilling {

// Starts the stroke thread of pump `number` (1 to 3) in the window's thread slots: 1 when it runs, 0 for
// another number, -1 when it could not be started (reported).
int StartPumpThread(app::LogState& log, int number);
// Stops and joins the stroke thread of `pump` (0 to 2) when it runs, else starts it while pump strokes
// are counted and the pump is on hole. 0 when a thread could not be started, else 1.
int TogglePumpThread(app::LogState& log, int pump);

}  // namespace drilling
