#include "wits/ui/witswindowservices.h"

#include "app/logstate.h"
#include "wits/ui/witsalarmwindows.h"
#include "wits/witsalarmhost.h"

namespace wits {

WitsWindowServices::WitsWindowServices(QWidget* window, WitsServices& rest) : window_(window), rest_(rest) {}

void WitsWindowServices::Install(app::LogState& log)
{
    log.engines.makeWitsAlarmPopup = [this](WitsAlarms& table, int channel, const QString& text) {
        return MakeAlarmPopup(table, channel, text);
    };
}

AlarmPopup* WitsWindowServices::MakeAlarmPopup(WitsAlarms& table, int channel, const QString& text)
{
    return ShowWitsAlarmDisplay(window_, table, channel, text);
}

void WitsWindowServices::CmWitsAlarms(app::LogState& log)
{
    WitsAlarmsDlg dlg(window_, MakeWitsAlarmHost(log));
    dlg.Execute();
}

}  // namespace wits
