#include "exchange/wellexchange.h"

#include "app/logstate.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "app/welltops.h"
#include "exchange/changewatch.h"
#include "exchange/dailyfiles.h"
#include "exchange/datesuffix.h"
#include "exchange/filesets.h"
#include "exchange/housekeeping.h"
#include "exchange/receivedupdates.h"
#include "exchange/remotemonitor.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellheader.h"

#include <QDir>
#include <QFileInfo>

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
    void PollReceiveDir(app::LogState& log, const app::WellServices& services) override;
};

using platform::SameFolder;

// What a package of the open well brought besides its records, read again as opening the well reads
// it: the header, the tops, the custom-data range and tracks, and the curve file.
void ReloadReceivedFiles(app::LogState& log, const app::WellServices& services)
{
    wellfile::OpenWell& well = log.well.file;
    const wellfile::WellPlace place = app::PlaceOf(log);
    if (wellfile::ReadHeader(log.well.header, place))
        log.well.kbElevation = wellfile::KbElevationFromText(log.well.header.kellyBushing, sizeof log.well.header.kellyBushing);
    wellfile::LoadTops(place, app::TopsPlaceOf(log), log.well.tops);
    wellfile::ReadCustomFileDepthRange(well, well.customTopDepth, well.customBottomDepth);
    if (log.well.customTracksEnabled)
        services.view->LoadCustomTracks(log);
    if (!log.well.elogFileName.isEmpty()) {
        if (QFileInfo(log.well.elogFileName).isFile())
            services.view->LoadElog(log, log.well.elogFileName);
    } else if (const QString svc = platform::FindFileNoCase(well.dataFolder, well.wellName + QStringLiteral(".svc"));
               QFileInfo(svc).isFile()) {
        services.view->LoadElog(log, svc);
        services.view->LinkElogToScheme(log, svc);
        services.view->ApplyScheme(log, log.layout.schemes.currentScheme);
    }
    log.view.redrawPending = true;
}

void Services::PollReceiveDir(app::LogState& log, const app::WellServices& services)
{
    ReceiveState& state = log.well.receive;
    if (state.working)
        return;  // the last tick's work still runs (a message loop inside it)
    state.working = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{state.working};

    wellfile::OpenWell& well = log.well.file;
    const std::int32_t lastDepth = well.fileBottomDepth;
    if (!SameFolder(well.currentFolder, well.dataFolder)) {
        // A shared well opened where another station writes it: follow its bottom.
        wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
        if (well.fileBottomDepth != lastDepth && well.fileBottomDepth % 2 == 0) {
            log.view.Invalidate();
            SetUpdateTitle(log, well.wellName);
        }
        return;
    }
    // While drilling, or while a data entry or a view of the records holds the data file, a package
    // waits for the next tick.
    if (well.drilling || services.window->DataFileBusy(log))
        return;
    RemoteConfig config;
    wellfile::LoadDownloadConfig(well.dataFolder, config);
    ReceivePlaces places;
    places.receiveFolder = log.env.remoteReceiveFolder.isEmpty() ? well.dataFolder : log.env.remoteReceiveFolder;
    places.dataFolder = well.dataFolder;
    places.destinationFolder = RemoteFolder(platform::FieldString(config.destinationFolder));
    places.copyOn = config.copyOn != 0;
    const PollResult result = TakeReceivedPackage(places, state);
    if (result.outcome == PollOutcome::Rejected)
        services.window->SetStatusText(log, QStringLiteral("Remote Monitor: package %1 rejected (%2), moved to \"rejected\"")
                                                .arg(result.package, result.reason));
    if (result.outcome != PollOutcome::Taken)
        return;
    services.window->SetStatusText(log, QString());
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    const QString caption = ReceivedCaption(well.wellName, platform::services().clock->LocalTime());
    log.well.captionText = caption;
    if (well.hooks.setCaption)
        well.hooks.setCaption(caption);
    services.view->LoadMemos(log);
    if (result.package.compare(well.wellName + QStringLiteral(".sv8"), Qt::CaseInsensitive) == 0)
        ReloadReceivedFiles(log, services);
    log.view.Invalidate();
}

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
