#pragma once
// The drilling services of a main window: the drilling command (51681) with its checks, the drilling
// objects made and torn down with it, the window timers and the depth box on the game port.
//
// Drilling mode is off (office menu, timer 5) or on (drilling menu, timers 2 and 9, a Driller). The
// command toggles between them; a refused check leaves everything as it was. What drilling needs of
// the other subsystems goes through the window's other links and well services, read at each call so
// that a test may point them at doubles.
#include "drilling/alarmform.h"
#include "drilling/drilling_services.h"
#include "drilling/drillinghost.h"
#include "drilling/lagcalculator.h"
#include "drilling/logalarm.h"
#include "drilling/otherlinks.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace app {
struct WellServices;
}
namespace wellfile {
struct WellConfig;
struct PumpStrokeState;
}

namespace drilling {

class Driller;

// The chromatograph trigger, the pump contacts and the depth pulses of the box, by button.
constexpr std::uint32_t kButton1 = 0x1, kButton2 = 0x2, kButton3 = 0x4, kButton4 = 0x8, kButton5 = 0x10;
constexpr std::uint32_t kButton1Changed = 0x100, kButton2Changed = 0x200, kButton3Changed = 0x400,
                        kButton4Changed = 0x800;

// Timer 3 does its work on every 30th tick (5 minutes at 10 s).
constexpr int kTimer3Ticks = 30;

class DrillingCommands final : public DrillingServices {
public:
    // `links` and `wellServices` belong to the window and outlive this object.
    DrillingCommands(const OtherLinks& links, const app::WellServices& wellServices);
    ~DrillingCommands() override;

    void CmDrilling(app::LogState& log) override;
    void CmLagTime(app::LogState& log) override;
    void CmBackupReminder(app::LogState& log) override;
    void EvTimer(app::LogState& log, int id) override;
    // The handler of MM_JOY1BUTTONDOWN and MM_JOY1BUTTONUP: 1 when the polled kind handled the word.
    void EvJoyButton(app::LogState& log, unsigned buttons) override;
    int JoyButton(app::LogState& log, std::uint32_t buttons);

    // The driller's settings of the "Lines and Scales" dialog (the defaults while there is no driller).
    layout::DrillerSettings Settings(app::LogState& log) override;
    void ApplySettings(app::LogState& log, const layout::DrillerSettings& settings) override;
    void SetDelay(app::LogState& log, std::int32_t delay) override;
    // A new mode for the switch: the bit goes on bottom, then the box's switch is read again.
    void SetOnBottomMode(app::LogState& log, int mode) override;
    void ShowStatusBox(app::LogState& log, bool show) override;
    void SetWorkingRecordsScale(app::LogState& log, int recordByte, std::uint16_t code) override;

    // Lag by pump strokes on or off: the stroke counter made or deleted, the pump threads of a WITS link
    // started or stopped; off, the rings are rebuilt by time.
    void PumpsOn(app::LogState& log) override;
    // What saving the lag settings hands to the pump threads and the stroke counter.
    wellfile::PumpStrokeState PumpStrokeStateOf(app::LogState& log);

    // A correction of one unit while drilling: the next tick completes the step.
    void PendOneUnitStep(app::LogState& log) override;
    // After an append the working rates become 0.1, after a cut the last step's minutes; the lag tables
    // are reloaded from the records.
    void FileDepthChanged(app::LogState& log, bool appended) override;

    // The polled kind's handling of a button word.
    void EvJoyButtonPolled(app::LogState& log, std::uint32_t buttons);
    // Reads the box's buttons into the window's joystick word; a failed reading captures the box again.
    // Returns the word read, or the last one when the reading failed.
    std::uint32_t ReadJoystickButtons(app::LogState& log);
    // The switch rule on button 5 of a polled word, then the status box.
    void JoyButtonsToBottom(app::LogState& log, std::uint32_t polled);

    // The drawing surface, the screen and the other subsystems' work given to the driller when it is
    // made; none: the not-built defaults.
    DrillingPeers peers;
    // Closes the real-time gas chart when it is open (the window's).
    std::function<void(app::LogState&)> closeGasChart;

    // The alarm windows, given by the window layer: the "Alarm Status" window's maker and the modal
    // alarm setup dialog (true when it ended with SAVE). None: alarms show no window and the setup
    // says that it needs the main window.
    std::function<AlarmStatusWindow*(LogAlarm& alarms, const QString& firstText)> makeAlarmWindow;
    std::function<bool(const AlarmSetupView& view, AlarmSettings& settings, std::int32_t& lagAlarmInterval)> runAlarmDialog;
    // "&Alarms...": the setup of the driller's alarms.
    void RunAlarmSetup(app::LogState& log) override;
    // What the driller's alarms need of the window, read from `log` at each call.
    AlarmHost AlarmHostOf(app::LogState& log);

    // "Lag &Calculator": the lag calculator on the driller's lag settings (a beep without a driller).
    void RunLagCalculator(app::LogState& log) override;
    // What the lag calculator needs of the window, read from `log`.
    LagCalcHost LagCalcHostOf(app::LogState& log);
    // The modal lag calculator dialog, given by the window layer; none: the command says that it needs
    // the main window.
    std::function<void(const LagCalcHost& host)> runLagCalculator;

    int timer3Count() const { return timer3Count_; }

private:
    void SwitchOn(app::LogState& log, wellfile::WellConfig& config);
    void SwitchOff(app::LogState& log, wellfile::WellConfig& config);
    void DrillingTick(app::LogState& log, Driller& d);
    void PicturesAndPdfs(app::LogState& log);
    void Timer3(app::LogState& log);
    // The switch rule: `switchDown` is the state of the switch's button.
    void ApplySwitch(app::LogState& log, Driller& d, bool switchDown);
    void ChromatographTrigger(app::LogState& log, std::uint32_t buttons);

    const OtherLinks& links_;
    const app::WellServices& wellServices_;
    std::unique_ptr<DrillingHost> host_;      // what the driller works on, made with it
    std::unique_ptr<Driller> driller_;        // the driller this object made
    int timer3Count_ = 0;
};

// Copies the open well's "gasmon.cfg" to data folder + "backup/gasmon.cfg", replacing it; a missing
// file is skipped. Returns 1.
int BackupGasMonitorConfig(const app::LogState& log);

}  // namespace drilling
