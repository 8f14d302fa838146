#include "exchange/exchange_services.h"

#include "app/copythreads.h"
#include "app/elogoffset.h"
#include "app/logstate.h"
#include "app/nowindow.h"
#include "app/opendatafile.h"
#include "app/wellservices.h"
#include "drilling/drilling_services.h"
#include "elog/elog_services.h"
#include "elog/picturewindow.h"
#include "exchange/archive.h"
#include "exchange/backups.h"
#include "exchange/dailyfiles.h"
#include "exchange/filesets.h"
#include "exchange/housekeeping.h"
#include "exchange/newwell.h"
#include "exchange/plugback.h"
#include "exchange/receivedupdates.h"
#include "exchange/remoterefresh.h"
#include "exchange/restore.h"
#include "exchange/wellcopy.h"
#include "exchange/wellcreation.h"
#include "exchange/wellexchange.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "reports/shortreports.h"
#include "wellfile/datesuffix.h"
#include "wellfile/profile.h"

#include <QFileInfo>

namespace exchange {

namespace {

// Marks a tick's work as running until the end of the scope: a tick arriving meanwhile (a message loop
// inside the work) is skipped.
struct WorkingMark {
    bool& flag;
    explicit WorkingMark(bool& f) : flag(f) { flag = true; }
    ~WorkingMark() { flag = false; }
};

class Windowless final : public ExchangeServices {
public:
    void CmRestore(app::LogState& log) override
    {
        RestoreDataFile(log.well, log.view, log.interaction, log.marks.archiving, log.env.sharedFolder);
    }
    void CmSendFile(app::LogState& log) override { SendFile(log); }
    void CmRemoteSetup(app::LogState&) override { app::NoWindowCommand("exchange", "CmRemoteSetup"); }
    void CmLiveUpdateConfig(app::LogState&) override { app::NoWindowCommand("exchange", "CmLiveUpdateConfig"); }
    void CmLiveUsers(app::LogState&) override { app::NoWindowCommand("exchange", "CmLiveUsers"); }
};

// ---- New well and plug back ----

// The open well archived; its pictures then go into "sendfile/" as Send File puts them there, so that
// the next package carries them.
void ArchiveOpenWell(app::LogState& log)
{
    const wellfile::OpenWell& well = log.well.file;
    if (ArchiveWell({well.dataFolder, well.currentFolder, well.wellName, well.drilling}))
        elog::CopyImagesToSendFolder(log.pictures, elog::PicturePlaceOf(well, log.witsChart));
}

void SwitchDrillingOn(app::LogState& log, const app::WellServices& services)
{
    if (!log.well.file.drilling && services.drilling)
        services.drilling->CmDrilling(log);
}

// The new data file written (exchange::WriteNewWellFile), opened and drilled.
int CreateNewWell(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                  const wellfile::WellConfig& config, const std::function<bool()>& beforeOpen)
{
    if (!WriteNewWellFile(log.well.file, log.well.loggerId, info, config, beforeOpen) ||
        !app::OpenCheckedDataFile(log, services, info.path))
        return 0;
    SwitchDrillingOn(log, services);
    return 1;
}

// The open well's file set copied to the name of `info`, cut at the kick-off depth and opened; its
// ".svx" brought to the same last depth, the short reports below it dropped and drilling switched on.
int CreatePlugBackWell(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                       const wellfile::NewFileInfo& info, const wellfile::WellConfig& config)
{
    const wellfile::OpenWell& f = log.well.file;
    QString from = f.currentFolder + f.wellName + QStringLiteral(".SVM");
    QString to = info.path;
    if (!exchange::CopyFileChecked(log, elog, from, to) || !CutPlugBackCopy(log.well.file, to, info.startDepth, config) ||
        !app::OpenCheckedDataFile(log, services, to))
        return 0;
    ExtendPlugBackCustomData(log.well.file);
    reports::TruncateShortReports(log.shortReports, log.well);
    SwitchDrillingOn(log, services);
    return 1;
}

// The plug-back copy's curve file cut at the kick-off depth and loaded again.
void CutCurveFile(app::LogState& log, const app::WellServices& services, std::int32_t depth)
{
    const QString curves = WellCurveFile(log.well.file);
    if (curves.isEmpty())
        return;
    services.view->CloseElog(log);
    CutCurveFileAtDepth(curves, depth);
    log.well.elogFileName = curves;
    services.view->LoadElog(log, curves);
    app::SaveElogOffset(log, curves);
}

// ---- Remote refresh ----

// A curve file seen for the first time is loaded and becomes the scheme's curve file (name and offset
// stored, shown in the first scheme, the current scheme applied again); after that it is reloaded
// whenever it is written.
void FollowCurveFile(app::LogState& log, const app::WellServices& services)
{
    const CurveFileNews news = LookAtCurveFile(log.well);
    if (news.firstSight) {
        services.view->LoadElog(log, news.path);
        services.view->LinkElogToScheme(log, news.path);
        services.view->ApplyScheme(log, log.layout.schemes.currentScheme);
        log.view.redrawPending = true;
        log.view.Invalidate();
    } else if (news.changed) {
        services.view->LoadElog(log, news.path);
        // The title band names the curves' depths: drawn again with them.
        log.view.redrawPending = true;
        log.view.Invalidate();
    }
}

// The pictures another station sent along taken into the well's picture folder and the list; false
// when `folder` holds none.
bool TakeSentPictures(app::LogState& log, const app::WellServices& services, const QString& folder)
{
    if (!HasPictures(folder))
        return false;
    services.view->ImportNewImages(log, log.well.file.wellName);
    services.view->LoadImageList(log);
    return true;
}

// The data file was written elsewhere (or the tenth tick came): the records taken, memos and indexes
// read again, the pictures sent along taken into the list, the log repainted.
void TakeRewrittenFile(app::LogState& log, const app::WellServices& services, const QString& folder,
                       std::int32_t lastDepth)
{
    const wellfile::OpenWell& well = log.well.file;
    TakeRewrittenRecords(log.well, log.now, RemoteViewMode(log.witsChart), lastDepth);
    if (QFileInfo::exists(platform::JoinPath(folder, well.wellName + QStringLiteral(".mem"))))
        services.view->LoadMemos(log);
    if (BottomMoved(well, lastDepth))
        ReloadDepthIndexes(log.well);
    TakeSentPictures(log, services, folder);
    log.view.Invalidate();
}

// ---- The open well's services ----

// The date of the clock record, read now when it was never read.
QDate ClockDate(app::LogState& log)
{
    if (!log.now.isValid())
        wellfile::MakeDateSuffix(log.now);
    return log.now.date();
}

// What a package of the open well brought besides its records, read again as opening the well reads it.
void ReloadReceivedFiles(app::LogState& log, const app::WellServices& services)
{
    ReloadReceivedSideFiles(log.well);
    services.view->LoadShortReports(log);
    ReloadDepthIndexes(log.well);
    const wellfile::OpenWell& well = log.well.file;
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

class WellServices final : public app::ExchangeWellServices {
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

void WellServices::PollReceiveDir(app::LogState& log, const app::WellServices& services)
{
    ReceiveState& state = log.well.receive;
    if (state.working)
        return;  // the last tick's work still runs (a message loop inside it)
    const WorkingMark mark(state.working);
    wellfile::OpenWell& well = log.well.file;
    if (bool moved = false; FollowSharedBottom(well, moved)) {
        if (moved) {
            log.view.Invalidate();
            SetUpdateTitle(log.well, log.now, log.view.liveView, well.wellName);
        }
        return;
    }
    // While drilling, or while a data entry or a view of the records holds the data file, a package
    // waits for the next tick.
    if (well.drilling || services.window->DataFileBusy(log))
        return;
    const bool wasMissing = state.folderMissingLogged;
    const PollResult result = PollReceiveFolder(well, log.env.remoteReceiveFolder, state);
    const QString said = PollStatusText(result, log.env.remoteReceiveFolder, well.wellName, platform::LocalTime());
    if (!said.isEmpty() || (wasMissing && !state.folderMissingLogged))
        services.window->SetStatusText(log, said);  // a folder back again takes its notice away
    if (result.outcome != PollOutcome::Taken)
        return;
    // Another well's package changes nothing of the open well: the status line said which one came.
    if (result.package.compare(well.wellName + QStringLiteral(".sv8"), Qt::CaseInsensitive) != 0)
        return;
    services.window->SetStatusText(log, QString());
    TakeReceivedRecords(log.well);
    services.view->LoadMemos(log);
    ReloadReceivedFiles(log, services);
    log.view.Invalidate();
}

}  // namespace

void ExchangeServices::RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog)
{
    wellfile::OpenWell& well = log.well.file;
    ReceiveState& state = log.well.receive;
    if (well.drilling || state.working || log.scroll.renderingImage || services.window->DataFileBusy(log))
        return;
    const WorkingMark mark(state.working);

    const RefreshChores chores = NextRefreshChores(log.well);
    if (chores.exportLas)
        elog.ExportCustomLas(log, well.fileTopDepth, well.fileBottomDepth, false, true);
    RunRefreshChores(chores, log.well, log.env, log.drilling);

    log.now = platform::services().clock->LocalTime();
    // Memos and pictures come with the second-folder copies when that option is on.
    const QString folder = SentAlongFolder(well);
    const std::int32_t lastDepth = well.fileBottomDepth;
    // Live update on is all it takes: the second data folder is where this station copies to.
    if (well.copyOut || well.liveUpdate) {
        FollowCurveFile(log, services);
        if (DataFileChanged(log.well, well.dataFileName) || state.refreshTick % 10 == 0)
            TakeRewrittenFile(log, services, folder, lastDepth);
    }

    const bool remoteView = RemoteViewMode(log.witsChart);
    if (remoteView) {
        if (const QString today = TakeReceivedWits(well, log.env.remoteReceiveFolder, log.now.date()); !today.isEmpty())
            services.exchange->ArchiveWitsFile(log, today);
    }
    if (FollowOtherStation(well, remoteView)) {
        // A well viewed from another station follows its bottom.
        if (HasPictures(folder))
            services.view->ImportNewImages(log, well.wellName);
        if (BottomMoved(well, lastDepth)) {
            ReloadDepthIndexes(log.well);
            services.view->LoadMemos(log);
            log.view.Invalidate();
        }
        return;
    }
    if (TakeSentPictures(log, services, folder))
        log.view.Invalidate();
}

int ExchangeServices::BuildUpdatePackage(app::LogState& log, int mode)
{
    return exchange::BuildUpdatePackage(PackageStateOf(log), mode);
}
void ExchangeServices::ArchiveHText(app::LogState& log) { ArchiveOpenWell(log); }
int ExchangeServices::BackupToDrive(app::LogState& log, int flag)
{
    return exchange::BackupToDrive(log.well, BackupLinksOf(log), flag, {});  // no window: only a quiet backup runs
}

int ExchangeServices::ArchiveFiles(app::LogState& log, const app::WellServices& services,
                                   const wellfile::NewFileInfo& info, const wellfile::WellConfig& config)
{
    const OldWell old = OldWellOf(log.well, log.env.sharedFolder);
    const QString newName = FileBaseName(info.path);
    const StatusLines status = [&](const QString& line1, const QString& line2) {
        services.window->ShowStatus(log, line1, line2);
    };
    const auto archiveAndClear = [&] { return ArchiveAndClear(old, newName, status); };
    if (!CreateNewWell(log, services, info, config, archiveAndClear)) {
        services.window->CloseStatus(log, 0);
        return 0;
    }
    PutOldWellAway(old, log.well, info.keepCopy);
    services.window->ShowStatus(log, QStringLiteral("DONE"), QString());
    services.window->CloseStatus(log, 1000);
    return 1;
}

int ExchangeServices::OpenWellFiles(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog,
                                    const wellfile::NewFileInfo& info, const wellfile::WellConfig& config)
{
    const wellfile::OpenWell& old = log.well.file;
    const QString oldPictures = WellPictureFolder(old);
    if (services.drilling)
        services.drilling->ClearLagTables(log);
    if (!wellfile::FeetFormatProfile(log.well.loggerId))
        ArchiveOpenWell(log);
    if (!CreatePlugBackWell(log, services, elog, info, config))
        return 0;
    CutPlugBackSideFiles(log.well, oldPictures, info.startDepth);
    CutCurveFile(log, services, info.startDepth);
    services.view->LoadImageList(log);
    ReadBackPlugBackWell(log.well);
    return 1;
}

ExchangeServices& DefaultExchangeServices()
{
    static Windowless services;
    return services;
}

app::ExchangeWellServices& WellExchangeServices()
{
    static WellServices services;
    return services;
}

PackageState PackageStateOf(app::LogState& log) { return {log.well, log.engines, log.now, log.env.sharedFolder}; }

BackupLinks BackupLinksOf(const app::LogState& log)
{
    return {log.engineStatus.gasInstrumentType, log.engines.wits != nullptr};
}

void SendFile(app::LogState& log, const SendFileHooks& hooks)
{
    if (log.interaction.commandLock || log.interaction.dataEntryActive) {
        platform::MessageBeep(0);
        return;
    }
    log.now = platform::LocalTime();
    const QDate today = log.now.date();
    if (log.setupOptions.sendAllPictures)
        elog::CopyImagesToSendFolder(log.pictures, elog::PicturePlaceOf(log.well.file, log.witsChart));
    SendWellFile(PackageStateOf(log), log.setupOptions, log.marks.archiving, today, hooks.status);
}

}  // namespace exchange

// The defaults of the window's exchange services: the well's updates, received image and backups are
// this subsystem's own work.
void app::ExchangeWellServices::ApplyPendingUpdates(app::LogState& log, const QString& pattern)
{
    exchange::ApplyPendingUpdates(log.well, log.view, log.now, log.env.remoteMonitorOn, pattern);
}
void app::ExchangeWellServices::RenameReceivedImage(app::LogState& log) { exchange::RenameReceivedImage(log.well.file); }
int app::ExchangeWellServices::BackupWellFiles(app::LogState& log, int flag)
{
    return exchange::BackupWellFiles(log.well, flag, log.env.sharedFolder);
}
int app::ExchangeWellServices::BackupData(app::LogState& log, int flag)
{
    return exchange::BackupData(log.well, log.interaction, log.engines.driller, flag, log.env.sharedFolder);
}
