#include "exchange/remoterefresh.h"

#include "app/logstate.h"
#include "app/wellservices.h"
#include "elog/elog_services.h"
#include "app/opendatafile.h"
#include "app/startup.h"
#include "exchange/changewatch.h"
#include "exchange/dailyfiles.h"
#include "exchange/datesuffix.h"
#include "exchange/filehelpers.h"
#include "exchange/housekeeping.h"
#include "exchange/remotemonitor.h"
#include "exchange/sharedwells.h"
#include "exchange/wellexchange.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/reportindex.h"
#include "wellfile/sidefiles_settings.h"

#include <QDir>
#include <QFileInfo>

namespace exchange {

namespace {

// The file's last write as the runtime's ctime writes it, the text FormatTimeText reads.
QString CtimeText(const QDateTime& t)
{
    static const char* const days[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const QDate d = t.date();
    const QTime h = t.time();
    return QString::fromStdString(platform::CFormat("%s %s %2d %02d:%02d:%02d %d\n", days[d.dayOfWeek() - 1],
                                                    months[d.month() - 1], d.day(), h.hour(), h.minute(),
                                                    h.second(), d.year()));
}

// Only this station's shared folders and the shared-wells root are kept to one well; a well opened
// from any other folder leaves that folder as it is.
void KeepSharedFolderTidy(app::LogState& log, const RefreshChores& chores)
{
    const wellfile::OpenWell& well = log.well.file;
    if (!chores.deleteConflicts)
        return;
    const HousekeepingPlaces places{log.env.installFolder, well.dataFolder, well.wellName, log.well.loggerId,
                                    {log.env.sharedFolder, log.env.sharedChartFolder, SharedWellsRoot(well.dataFolder)}};
    DeleteMatching(places, well.currentFolder);
    const QString chartFolder = SetChartFolder(well.dataFolder, well.currentFolder);
    if (!chartFolder.isEmpty())
        DeleteMatching(places, chartFolder);
    if (chores.removeOtherWells)
        RemoveOtherWells(places, well.currentFolder, chartFolder);
}

void HandOverPdfs(app::LogState& log)
{
    const wellfile::OpenWell& well = log.well.file;
    app::DrillingShell& d = log.drilling;
    if (PickUpPdf(platform::JoinPath(well.dataFolder, QStringLiteral("StrativM.pdf")), d.pdfTarget, d.pdfHandOver))
        d.pdfHandOver = false;
    if (d.secondPdfName.isEmpty())
        return;
    const QString name = d.secondPdfName + QStringLiteral(".pdf");
    if (PickUpPdf(platform::JoinPath(well.dataFolder, name),
                  platform::JoinPath(log.env.installFolder + QStringLiteral("sendfile"), name), d.secondPdfHandOver))
        d.secondPdfHandOver = false;
}

using platform::SameFolder;

// The time-zone offset belongs to a well of the shared folder (read from its ".dbc").
int HourOffset(const app::LogState& log)
{
    const std::int32_t zone = log.well.timeZoneAdjust;
    return log.well.sharedFolderWell && zone >= -24 && zone <= 24 ? int(zone) : 0;
}

// The curve file beside the data file another station writes. The first time it is seen it is loaded
// and becomes the scheme's curve file (name and offset stored, shown in the first scheme, the current
// scheme applied again); after that it is reloaded whenever it is written.
void FollowCurveFile(app::LogState& log, const app::WellServices& services)
{
    const wellfile::OpenWell& well = log.well.file;
    const QString curveFile = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svc"));
    ChangeWatch& watch = log.well.watches.curve;
    Watch(watch, curveFile);
    const bool firstSight = !watch.kept.isValid();
    const bool changed = WatchedFileChanged(watch, curveFile);
    if (!QFileInfo(curveFile).isFile())
        return;
    if (firstSight) {
        services.view->LoadElog(log, curveFile);
        services.view->LinkElogToScheme(log, curveFile);
        services.view->ApplyScheme(log, log.layout.schemes.currentScheme);
        log.view.redrawPending = true;
        log.view.Invalidate();
    } else if (changed) {
        services.view->LoadElog(log, curveFile);
    }
}

void ReloadDepthIndexes(app::LogState& log)
{
    const wellfile::WellPlace place = app::PlaceOf(log);
    wellfile::LoadShowDepthIndex(place, log.well.showDepthIndex);
    wellfile::LoadDstDepthIndex(place, log.well.dstDepthIndex);
    wellfile::LoadReportDepthIndex(place, log.well.reportDepthIndex);
}

bool HasPictures(const QString& folder)
{
    return !QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty();
}

// The data file was written elsewhere (or the tenth tick came): caption, update text, depth ranges,
// memos, indexes on a new even bottom, pictures sent along, repaint.
void TakeRewrittenFile(app::LogState& log, const app::WellServices& services, const QString& folder,
                       std::int32_t lastDepth)
{
    wellfile::OpenWell& well = log.well.file;
    const QFileInfo data(well.dataFileName);
    const int hourOffset = HourOffset(log);
    log.well.lastModifiedText = FormatTimeText(CtimeText(data.lastModified()), hourOffset);
    const QDateTime& now = log.now;
    log.well.updateText = app::FormatTime12((now.time().hour() + hourOffset + 24) % 24, now.time().minute()) +
                          QString::fromStdString(platform::CFormat(",  %2d/%d/%2d  ", now.date().month(),
                                                                   now.date().day(), now.date().year()));
    const QString title = RemoteViewMode(log) ? platform::FromCp1252(QByteArray::fromStdString(log.well.wellTitle)) : data.fileName();
    const QString caption = QStringLiteral("StrativM    ") + title + QStringLiteral("  Last Updated  ") +
                            log.well.lastModifiedText;
    log.well.captionText = caption;
    if (well.hooks.setCaption)
        well.hooks.setCaption(caption);
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    wellfile::ReadCustomFileDepthRange(well, well.customTopDepth, well.customBottomDepth);
    // The view follows the bottom when it showed it.
    if (well.viewTopDepth + well.viewDepthSpan >= lastDepth && well.fileBottomDepth > lastDepth)
        well.viewTopDepth = std::max(well.fileTopDepth, well.fileBottomDepth - well.viewDepthSpan);
    if (QFileInfo::exists(platform::JoinPath(folder, well.wellName + QStringLiteral(".mem"))))
        services.view->LoadMemos(log);
    if (well.fileBottomDepth != lastDepth && well.fileBottomDepth % 2 == 0)
        ReloadDepthIndexes(log);
    // Pictures the other station sent along go into the well's picture folder and the list.
    if (HasPictures(folder)) {
        services.view->ImportNewImages(log, well.wellName);
        services.view->LoadImageList(log);
    }
    log.view.Invalidate();
}

// The received WITS blocks of a viewed well become its daily WITS files, and today's loose daily
// file is filed into "wits/".
void TakeReceivedWits(app::LogState& log, const app::WellServices& services)
{
    const wellfile::OpenWell& well = log.well.file;
    RemoteConfig config;
    wellfile::LoadDownloadConfig(well.dataFolder, config);
    QString receive = log.env.remoteReceiveFolder;
    if (receive.isEmpty())
        receive = RemoteFolder(platform::FieldString(config.receiveFolder));
    if (receive.isEmpty())
        receive = well.dataFolder;
    if (QFileInfo::exists(platform::FindFileNoCase(receive, well.wellName + QStringLiteral(".zl8")))) {
        const QString forward =
            config.copyOn != 0 ? RemoteFolder(platform::FieldString(config.destinationFolder)) : QString();
        ImportReceivedWitsFiles(receive, well.dataFolder, forward);
    }
    const QString today =
        platform::JoinPath(well.dataFolder, well.wellName + DateSuffix(log.now.date()) + QStringLiteral(".wit"));
    if (QFileInfo::exists(today))
        services.exchange->ArchiveWitsFile(log, today);
}

}  // namespace

bool RemoteViewMode(const app::LogState& log)
{
    return log.witsChart.viewingStation[0] || log.witsChart.viewingStation[1];
}

int RefreshRemoteFile(app::LogState& log, const app::WellServices& services, elog::ElogServices& elog)
{
    wellfile::OpenWell& well = log.well.file;
    ReceiveState& state = log.well.receive;
    if (well.drilling || state.working || log.scroll.renderingImage || services.window->DataFileBusy(log))
        return 0;
    state.working = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{state.working};

    state.refreshTick = NextRefreshTick(state.refreshTick);
    const bool liveUpdate = well.copyOut;
    const RefreshChores chores = RefreshChoresOf(state.refreshTick, log.well.config.autoCreateLas != 0, liveUpdate,
                                                 well.drilling, log.well.loggerId);
    if (chores.exportLas)
        elog.ExportCustomLas(log, well.fileTopDepth, well.fileBottomDepth, false, true);
    KeepSharedFolderTidy(log, chores);
    HandOverPdfs(log);

    log.now = platform::services().clock->LocalTime();
    // Memos and pictures come with the second-folder copies when that option is on.
    const QString folder = well.secondFolderOption ? well.currentFolder : well.dataFolder;
    const std::int32_t lastDepth = well.fileBottomDepth;
    if (liveUpdate) {
        FollowCurveFile(log, services);
        if (DataFileChanged(log, well.dataFileName) || state.refreshTick % 10 == 0)
            TakeRewrittenFile(log, services, folder, lastDepth);
    }

    const bool remoteView = RemoteViewMode(log);
    if (remoteView)
        TakeReceivedWits(log, services);
    if (remoteView || !SameFolder(well.currentFolder, well.dataFolder)) {
        // A well viewed from another station follows its bottom.
        wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
        if (HasPictures(folder))
            services.view->ImportNewImages(log, well.wellName);
        if (well.fileBottomDepth != lastDepth && well.fileBottomDepth % 2 == 0) {
            ReloadDepthIndexes(log);
            services.view->LoadMemos(log);
            log.view.Invalidate();
        }
        return 1;
    }
    if (HasPictures(folder)) {
        services.view->ImportNewImages(log, well.wellName);
        services.view->LoadImageList(log);
        log.view.Invalidate();
    }
    return 1;
}

}  // namespace exchange
