#include "exchange/exchange_services.h"

#include "exchange/backups.h"

#include "app/logstate.h"
#include "app/notbuilt.h"
#include "exchange/archive.h"
#include "exchange/restore.h"
#include "exchange/newwell.h"
#include "exchange/plugback.h"
#include "exchange/remoterefresh.h"
#include "exchange/sendfile.h"

namespace exchange {

namespace {

class NotBuilt final : public ExchangeServices {
public:
    void CmRestore(app::LogState& log) override { RestoreDataFile(log); }
    void CmSendFile(app::LogState& log) override { SendFile(log); }
    void CmRemoteSetup(app::LogState&) override { app::NotBuiltCommand("exchange", "CmRemoteSetup"); }
    void CmLiveUpdateConfig(app::LogState&) override { app::NotBuiltCommand("exchange", "CmLiveUpdateConfig"); }
    void CmLiveUsers(app::LogState&) override { app::NotBuiltCommand("exchange", "CmLiveUsers"); }
};
}  // namespace

void ExchangeServices::RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog)
{
    exchange::RefreshRemoteFile(log, services, elog);
}
int ExchangeServices::BuildUpdatePackage(app::LogState& log, int mode)
{
    return exchange::BuildUpdatePackage(log, mode);
}
void ExchangeServices::ArchiveHText(app::LogState& log)
{
    const wellfile::OpenWell& well = log.well.file;
    ArchiveWell({well.dataFolder, well.currentFolder, well.wellName, well.drilling});
}
int ExchangeServices::BackupToDrive(app::LogState& log, int flag)
{
    return exchange::BackupToDrive(log, flag, {});  // no window: only a quiet backup runs
}

int ExchangeServices::ArchiveFiles(app::LogState& log, const app::WellServices& services,
                                   const wellfile::NewFileInfo& info, const wellfile::WellConfig& config)
{
    return exchange::ArchiveFiles(log, services, info, config);
}

int ExchangeServices::OpenWellFiles(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                                    const wellfile::NewFileInfo& info, const wellfile::WellConfig& config)
{
    return PlugBack(log, services, elog, info, config);
}

ExchangeServices& DefaultExchangeServices()
{
    static NotBuilt services;
    return services;
}

}  // namespace exchange
