#include "wits/witsalarmhost.h"

#include "app/logstate.h"

namespace wits {

WitsAlarmHost MakeWitsAlarmHost(app::LogState& log)
{
    WitsAlarmHost host;
    host.dataFolder = [&log] { return log.well.file.dataFolder; };
    host.profile = [&log] { return int(log.well.loggerId); };
    host.makePopup = [&log](WitsAlarms& table, int channel, const QString& text) -> AlarmPopup* {
        return log.engines.makeWitsAlarmPopup ? log.engines.makeWitsAlarmPopup(table, channel, text) : nullptr;
    };
    host.reloadEngineTable = [&log] {
        if (log.engines.reloadWitsAlarms)
            log.engines.reloadWitsAlarms();
    };
    host.recaptureDepthBox = [&log] {
        if (log.engines.recaptureDepthBox)
            log.engines.recaptureDepthBox();
    };
    return host;
}

}  // namespace wits
