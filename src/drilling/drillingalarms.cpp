// The window's side of the drilling alarms: the profile, the status window, the setup dialog and the
// depth box's recapture, taken from the window's state at each call.
#include "app/logstate.h"
#include "app/nowindow.h"
#include "drilling/driller.h"
#include "drilling/drillingcommands.h"
#include "platform/gameport.h"
#include "platform/services.h"

namespace drilling {

AlarmHost DrillingCommands::AlarmHostOf(app::LogState& log)
{
    AlarmHost host;
    host.profile = [&log] { return int(log.well.loggerId); };
    host.makeStatusWindow = [this](LogAlarm& alarms, const QString& firstText) -> AlarmStatusWindow* {
        return makeAlarmWindow ? makeAlarmWindow(alarms, firstText) : nullptr;
    };
    host.runSetup = [this, &log](AlarmSettings& settings, std::int32_t& lagAlarmInterval) {
        if (!runAlarmDialog) {
            app::NoWindowCommand("drilling", "AlarmSetupDlg");
            return false;
        }
        AlarmSetupView view;
        view.dataFolder = log.well.file.dataFolder;
        view.profile = int(log.well.loggerId);
        view.ratesPerHour = log.view.rateInMetresPerHour != 0;
        view.gasMonitor = log.engines.autoGas != nullptr;
        return runAlarmDialog(view, settings, lagAlarmInterval);
    };
    host.recaptureDepthBox = [&log] {
        if (platform::GamePort* port = platform::services().gamePort)
            port->SetCapture(log.window);
    };
    return host;
}

void DrillingCommands::RunAlarmSetup(app::LogState& log)
{
    Driller* d = log.engines.driller;
    if (!d)
        return;
    if (!d->Alarms())
        d->SetAlarms(std::make_unique<LogAlarm>(log.well.file.dataFolder));
    d->Alarms()->host = AlarmHostOf(log);
    // The dialog is modal: only the interval it returns is taken back, whatever else changed meanwhile.
    std::int32_t interval = d->Setup().lagAlarmInterval;
    d->Alarms()->Setup(interval);
    d->SetLagAlarmInterval(interval);
}

}  // namespace drilling
