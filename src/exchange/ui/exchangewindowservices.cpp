#include "exchange/ui/exchangewindowservices.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "exchange/datesuffix.h"
#include "exchange/liveupdate.h"
#include "exchange/ui/liveupdatedlg.h"
#include "wellfile/wellconfig.h"

namespace exchange {

ExchangeWindowServices::ExchangeWindowServices(QWidget* window, ExchangeServices& inner)
    : window_(window), inner_(inner)
{
}

void ExchangeWindowServices::CmLiveUpdateConfig(app::LogState& log)
{
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::WellConfig config{};
    if (!wellfile::LoadConfig(config, place, log.well.fieldSettings))
        config = log.well.config;  // no file yet: the settings in force
    const auto publish = [&log](bool on, bool wits) {
        wellfile::OpenWell& well = log.well.file;
        well.copyOut = on;
        if (!on)
            return;
        MakeDateSuffix(log.now);  // a fresh reading of the clock
        PublishWell(well.dataFolder, well.wellName, log.env.sharedFolder, wits, log.now.date());
    };
    LUCFGDLG dialog(window_, config, log.well.loggerId, log.engineStatus.gasInstrumentType, publish);
    dialog.Execute();
    wellfile::SaveConfig(config, place, log.well.fieldSettings);
    log.well.config.copyOptions = config.copyOptions;
    log.well.config.copyOptions.liveUpdateInterval = 2;
    log.well.file.copyOut = config.copyOptions.copyOut != 0;
}

void ExchangeWindowServices::CmLiveUsers(app::LogState&)
{
    LIVEUSERDLG dialog(window_, UsersRoot());
    dialog.Execute();
}

}  // namespace exchange
