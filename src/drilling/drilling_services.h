#pragma once
// Drilling mode: the drilling command, the window timers and the depth interface. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
namespace app {
struct LogState;
}

namespace drilling {

class DrillingServices {
public:
    virtual ~DrillingServices() = default;
    // Command 51681: drilling mode on or off.
    virtual void CmDrilling(app::LogState& log) = 0;
    // Command 51698: the lag time.
    virtual void CmLagTime(app::LogState& log) = 0;
    // Command 111: the backup reminder button on the log was pressed.
    virtual void CmBackupReminder(app::LogState& log) = 0;
    // Window timer `id` (1-9) of the main window fired.
    virtual void EvTimer(app::LogState& log, int id) = 0;
    // A game-port button state (MM_JOY1BUTTONDOWN and MM_JOY1BUTTONUP).
    virtual void EvJoyButton(app::LogState& log, unsigned buttons) = 0;
};

// The services in force for this subsystem.
DrillingServices& DefaultDrillingServices();

}  // namespace drilling
