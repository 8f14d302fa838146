#include "exchange/remoterefresh.h"

#include "app/logstate.h"
#include "app/wellservices.h"
#include "elog/elog_services.h"
#include "exchange/changewatch.h"
#include "exchange/filehelpers.h"
#include "exchange/housekeeping.h"
#include "exchange/remotemonitor.h"
#include "exchange/wellexchange.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/datafile.h"

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

void KeepSharedFolderTidy(app::LogState& log, const RefreshChores& chores)
{
    const wellfile::OpenWell& well = log.well.file;
    if (!chores.deleteConflicts)
        return;
    DeleteMatching(well.currentFolder);
    const QString chartFolder = SetChartFolder(well.dataFolder, well.currentFolder);
    if (!chartFolder.isEmpty())
        DeleteMatching(chartFolder);
    if (chores.removeOtherWells)
        RemoveOtherWells({log.env.installFolder, well.dataFolder, well.wellName, log.well.loggerId},
                         well.currentFolder, chartFolder);
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

}  // namespace

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

    const std::int32_t lastDepth = well.fileBottomDepth;
    if (liveUpdate) {
        // The curve file beside the data file another station writes: loaded when first watched, then
        // whenever it is written.
        const QString name = well.wellName + QStringLiteral(".svc");
        const QString curveFile = platform::FindFileNoCase(well.currentFolder, name);
        const bool exists = QFileInfo(curveFile).isFile();
        ChangeWatch& watch = log.well.watches.curve;
        const bool first = watch.path.isEmpty();
        Watch(watch, curveFile);
        const bool changed = WatchedFileChanged(watch, curveFile);
        if (exists && (first || changed))
            services.view->LoadElog(log, curveFile);
    }
    if (!DataFileChanged(log, well.dataFileName) && state.refreshTick % 10 != 0)
        return 1;
    const QFileInfo data(well.dataFileName);
    // The time-zone offset belongs to a well of the shared folder (read from its ".dbc").
    const std::int32_t zone = log.well.timeZoneAdjust;
    const int hourOffset = log.well.sharedFolderWell && zone >= -24 && zone <= 24 ? zone : 0;
    log.well.lastModifiedText = FormatTimeText(CtimeText(data.lastModified()), hourOffset);
    const QString caption = QStringLiteral("StrativM    ") + data.fileName() + QStringLiteral("  Last Updated  ") +
                            log.well.lastModifiedText;
    log.well.captionText = caption;
    if (well.hooks.setCaption)
        well.hooks.setCaption(caption);
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    // The view follows the bottom when it showed it.
    if (well.viewTopDepth + well.viewDepthSpan >= lastDepth && well.fileBottomDepth > lastDepth)
        well.viewTopDepth = std::max(well.fileTopDepth, well.fileBottomDepth - well.viewDepthSpan);
    if (QFileInfo::exists(platform::JoinPath(well.currentFolder, well.wellName + QStringLiteral(".mem"))))
        services.view->LoadMemos(log);
    // Pictures the other station sent along go into the well's picture folder and the list.
    if (!QDir(well.currentFolder).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty()) {
        services.view->ImportNewImages(log, well.wellName);
        services.view->LoadImageList(log);
    }
    log.view.Invalidate();
    return 1;
}

}  // namespace exchange
