#pragma once
// Drilling mode: the drilling command, the window timers and the depth interface. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include "layout/drillersettings.h"

#include <cstdint>
#include <vector>

namespace app {
struct LogState;
}

namespace drilling {

// One slot of the drilling object's lag tables: the depth reached, the lag clock (or the pumped volume
// when lag is counted by pump strokes) and the lag value of that count (the annular volume by strokes,
// else the lag time).
struct LagEntry {
    float depth = 0;
    float clock = 0;
    float lag = 0;
};

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

    // The drilling object's settings while drilling mode is on (the defaults until it is built).
    virtual layout::DrillerSettings Settings(app::LogState& log);
    // Takes the settings stored by "Save and Close" of the Lines and Scales dialog.
    virtual void ApplySettings(app::LogState& log, const layout::DrillerSettings& settings);
    // The anti-bounce delay, set at once by the dialog's spin.
    virtual void SetDelay(app::LogState& log, std::int32_t delay);
    // The on-bottom mode (0 open, 1 closed, 2 disabled): the bit goes on bottom again and the switch
    // state of the depth interface is taken again.
    virtual void SetOnBottomMode(app::LogState& log, int mode);
    // The drilling status box: shown (made when absent; one there keeps its place and shows the state
    // as it is now) or destroyed.
    virtual void ShowStatusBox(app::LogState& log, bool show);
    // Puts a scale code into the 16-bit field at `recordByte` of both working depth records, so that
    // the records still to be drilled carry it.
    virtual void SetWorkingRecordsScale(app::LogState& log, int recordByte, std::uint16_t code);
    // The file's last depth is to move down one unit: the next drilling tick completes the step.
    virtual void PendOneUnitStep(app::LogState& log);
    // The data file was appended to (`appended`) or cut below its last depth: the current rates are
    // set again and the lag tables reloaded from the records.
    virtual void FileDepthChanged(app::LogState& log, bool appended);
    // Records were inserted or deleted at `depth`: while drilling, when that lies below the lag depth,
    // the drilling object rebuilds its lag tables from the records (quietly).
    virtual void LoadLagRecords(app::LogState& log, std::int32_t depth);
    // Lag by pump strokes on or off (the lag calculator and the WITS links call it too).
    virtual void PumpsOn(app::LogState& log);
    // The lag calculator dialog, run modally.
    virtual void RunLagCalculator(app::LogState& log);
    // The alarm setup of the drilling object's alarms (LogAlarm::Setup): settings loaded, the dialog
    // run modally, the settings saved.
    virtual void RunAlarmSetup(app::LogState& log);
    // The lag tables of the drilling object, one entry per slot; empty while drilling mode is off.
    virtual std::vector<LagEntry> LagEntries(app::LogState& log);
    // A plug back starts another hole: the lag tables of the drilling object are cleared and its step
    // index starts again (nothing while there is no drilling object).
    virtual void ClearLagTables(app::LogState& log);
};

// The services in force for this subsystem.
DrillingServices& DefaultDrillingServices();

}  // namespace drilling
