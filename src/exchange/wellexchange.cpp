#include "exchange/wellexchange.h"

#include "app/logstate.h"
#include "app/wellservices.h"
#include "exchange/changewatch.h"
#include "exchange/dailyfiles.h"
#include "exchange/datesuffix.h"
#include "exchange/filesets.h"
#include "exchange/housekeeping.h"
#include "platform/folders.h"

namespace exchange {

void TakeCopyOptions(app::LogState& log)
{
    wellfile::OpenWell& well = log.well.file;
    const wellfile::CopyOptions& options = log.well.config.copyOptions;
    well.copyOutFolder = platform::SecondDataFolder();
    well.secondFolderOption = !well.copyOutFolder.isEmpty();
    // The well's record keeps its options as they are; only the window's copy is off without the folder.
    well.copyOut = well.secondFolderOption && options.copyOut != 0;
    log.witsCopy.remoteCopy = well.secondFolderOption && options.remoteCopy != 0;
    // Live update publishes the data file with its custom data: the timed copies follow its flag.
    log.drilling.timedCopy = well.copyOut;
    log.drilling.timedCustomCopy = well.copyOut;
}

namespace {

// The date of the clock record, read now when it was never read.
QDate ClockDate(app::LogState& log)
{
    if (!log.now.isValid())
        MakeDateSuffix(log.now);
    return log.now.date();
}

class Services final : public app::ExchangeWellServices {
public:
    void CopyWellFiles(app::LogState& log, const QString& wellName, const QString& targetFolder) override
    {
        const wellfile::OpenWell& well = log.well.file;
        exchange::CopyWellFiles(platform::JoinPath(well.currentFolder, wellName), targetFolder, false,
                                well.currentFolder);
    }
    void CopyWellFilesLogged(app::LogState& log, const QString& wellName, const QString& targetFolder) override
    {
        exchange::CopyWellFilesLogged(log.well.file.currentFolder, wellName, targetFolder, false);
    }
    void CopyFromFieldFolder(app::LogState& log) override
    {
        const wellfile::OpenWell& well = log.well.file;
        exchange::CopyFromFieldFolder(well.dataFolder, well.currentFolder, well.wellName, 0);
    }
    void ArchiveChartFile(app::LogState& log, const QString& path) override
    {
        exchange::ArchiveChartFile(path, log.well.file.dataFolder, log.well.file.wellName, ClockDate(log));
    }
    void ArchiveWitsFile(app::LogState& log, const QString& path) override
    {
        exchange::ArchiveWitsFile(path, log.well.file.dataFolder, log.well.file.wellName, ClockDate(log));
    }
};

}  // namespace

app::ExchangeWellServices& WellExchangeServices()
{
    static Services services;
    return services;
}

bool CurveFileChanged(app::LogState& log, const QString& path)
{
    const wellfile::OpenWell& well = log.well.file;
    ChangeWatch& watch = log.well.watches.curve;
    Watch(watch, platform::FindFileNoCase(well.dataFolder, well.wellName + QStringLiteral(".svc")));
    return WatchedFileChanged(watch, path);
}

bool DataFileChanged(app::LogState& log, const QString& path)
{
    ChangeWatch& watch = log.well.watches.data;
    Watch(watch, log.well.file.dataFileName);
    return WatchedFileChanged(watch, path);
}

}  // namespace exchange
