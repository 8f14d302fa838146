#include "shell/ui/drillingwindowservices.h"

#include "drilling/drillingcommands.h"
#include "drilling/ui/alarmwindows.h"
#include "drilling/ui/lagcalcdlg.h"
#include "drilling/ui/statuswindow.h"
#include "shell/ui/logwindow.h"

namespace shell {

void InstallDrillingWindows(
    LogWindow& main, drilling::DrillingCommands& commands, drilling::DrillingStatusWindow& status)
{
    LogWindow* window = &main;
    commands.closeGasChart = [window](app::LogState&) {
        if (window->Tools().gasChart)
            window->CmGasChart();
    };
    drilling::InstallAlarmWindows(commands, window);
    drilling::InstallLagCalculator(commands, window);
    status.statusText = [window](const QString& text) {
        window->WellServices().window->SetStatusText(window->State(), text);
    };
}

}  // namespace shell
