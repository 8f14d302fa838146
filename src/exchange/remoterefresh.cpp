#include "exchange/remoterefresh.h"

#include "app/environment.h"
#include "app/opendatafile.h"
#include "app/wellstate.h"
#include "app/windowgroups.h"
#include "exchange/dailyfiles.h"
#include "exchange/filehelpers.h"
#include "exchange/housekeeping.h"
#include "exchange/sharedwells.h"
#include "exchange/wellexchange.h"
#include "platform/clocktext.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/changewatch.h"
#include "wellfile/datafile.h"
#include "wellfile/datesuffix.h"
#include "wellfile/reportconversion.h"
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
void KeepSharedFolderTidy(const app::WellState& state, const app::Environment& env, const RefreshChores& chores)
{
    const wellfile::OpenWell& well = state.file;
    if (!chores.deleteConflicts)
        return;
    const HousekeepingPlaces places{env.installFolder, well.dataFolder, well.wellName, state.loggerId,
                                    {env.sharedFolder, env.sharedChartFolder, SharedWellsRoot(well.dataFolder)}};
    DeleteMatching(places, well.currentFolder);
    const QString chartFolder = SetChartFolder(well.dataFolder, well.currentFolder);
    if (!chartFolder.isEmpty())
        DeleteMatching(places, chartFolder);
    if (chores.removeOtherWells)
        RemoveOtherWells(places, well.currentFolder, chartFolder);
}

void HandOverPdfs(const wellfile::OpenWell& well, const QString& installFolder, app::DrillingShell& d)
{
    if (PickUpPdf(platform::JoinPath(well.dataFolder, QStringLiteral("StrativM.pdf")), d.pdfTarget, d.pdfHandOver))
        d.pdfHandOver = false;
    if (d.secondPdfName.isEmpty())
        return;
    const QString name = d.secondPdfName + QStringLiteral(".pdf");
    if (PickUpPdf(platform::JoinPath(well.dataFolder, name),
                  platform::JoinPath(installFolder + QStringLiteral("sendfile"), name), d.secondPdfHandOver))
        d.secondPdfHandOver = false;
}

using platform::SameFolder;

// The time-zone offset belongs to a well of the shared folder (read from its ".dbc").
int HourOffset(const app::WellState& well)
{
    const std::int32_t zone = well.timeZoneAdjust;
    return well.sharedFolderWell && zone >= -24 && zone <= 24 ? int(zone) : 0;
}

}  // namespace

bool RemoteViewMode(const app::WitsChartLink& chart) { return chart.viewingStation[0] || chart.viewingStation[1]; }

RefreshChores NextRefreshChores(app::WellState& well)
{
    ReceiveState& state = well.receive;
    state.refreshTick = NextRefreshTick(state.refreshTick);
    return RefreshChoresOf(state.refreshTick, well.config.autoCreateLas != 0, well.file.copyOut, well.file.drilling,
                           well.loggerId);
}

void RunRefreshChores(const RefreshChores& chores, const app::WellState& well, const app::Environment& env,
                      app::DrillingShell& drilling)
{
    KeepSharedFolderTidy(well, env, chores);
    HandOverPdfs(well.file, env.installFolder, drilling);
}

// The curve file beside the data file another station writes. The first time it is seen it is loaded
// and becomes the scheme's curve file; after that it is reloaded whenever it is written.
CurveFileNews LookAtCurveFile(app::WellState& state)
{
    const wellfile::OpenWell& well = state.file;
    const QString curveFile = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svc"));
    wellfile::ChangeWatch& watch = state.watches.curve;
    wellfile::Watch(watch, curveFile);
    const bool firstSight = !watch.kept.isValid();
    const bool changed = CurveFileChanged(state, curveFile);
    if (!QFileInfo(curveFile).isFile())
        return {};
    return {curveFile, firstSight, changed};
}

void TakeRewrittenRecords(app::WellState& state, const QDateTime& now, bool remoteView, std::int32_t lastDepth)
{
    wellfile::OpenWell& well = state.file;
    const QFileInfo data(well.dataFileName);
    const int hourOffset = HourOffset(state);
    state.lastModifiedText = FormatTimeText(CtimeText(data.lastModified()), hourOffset);
    state.updateText = platform::FormatTime12((now.time().hour() + hourOffset + 24) % 24, now.time().minute()) +
                       QString::fromStdString(platform::CFormat(",  %2d/%d/%2d  ", now.date().month(),
                                                                now.date().day(), now.date().year()));
    const QString title =
        remoteView ? platform::FromCp1252(QByteArray::fromStdString(state.wellTitle)) : data.fileName();
    const QString caption = QStringLiteral("StrativM    ") + title + QStringLiteral("  Last Updated  ") +
                            state.lastModifiedText;
    state.captionText = caption;
    if (well.hooks.setCaption)
        well.hooks.setCaption(caption);
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    wellfile::ReadCustomFileDepthRange(well, well.customTopDepth, well.customBottomDepth);
    // The view follows the bottom when it showed it.
    if (well.viewTopDepth + well.viewDepthSpan >= lastDepth && well.fileBottomDepth > lastDepth)
        well.viewTopDepth = std::max(well.fileTopDepth, well.fileBottomDepth - well.viewDepthSpan);
}

bool BottomMoved(const wellfile::OpenWell& well, std::int32_t lastDepth)
{
    return well.fileBottomDepth != lastDepth && well.fileBottomDepth % 2 == 0;
}

void ReloadDepthIndexes(app::WellState& well)
{
    const wellfile::WellPlace place = app::PlaceOf(well);
    wellfile::LoadShowDepthIndex(place, well.showDepthIndex, wellfile::ConvertShows);
    wellfile::LoadDstDepthIndex(place, well.dstDepthIndex);
    wellfile::LoadReportDepthIndex(place, well.reportDepthIndex);
}

QString SentAlongFolder(const wellfile::OpenWell& well)
{
    return well.secondFolderOption ? well.currentFolder : well.dataFolder;
}

bool HasPictures(const QString& folder)
{
    return !QDir(folder).entryList({QStringLiteral("*.jpg")}, QDir::Files).isEmpty();
}

QString TakeReceivedWits(const wellfile::OpenWell& well, const QString& receiveFolder, const QDate& today)
{
    wellfile::RemoteConfig config;
    wellfile::LoadDownloadConfig(well.dataFolder, config);
    QString receive = receiveFolder;
    if (receive.isEmpty())
        receive = wellfile::RemoteFolder(platform::FieldString(config.receiveFolder));
    if (receive.isEmpty())
        receive = well.dataFolder;
    if (QFileInfo::exists(platform::FindFileNoCase(receive, well.wellName + QStringLiteral(".zl8")))) {
        const QString forward =
            config.copyOn != 0 ? wellfile::RemoteFolder(platform::FieldString(config.destinationFolder)) : QString();
        ImportReceivedWitsFiles(receive, well.dataFolder, forward);
    }
    const QString loose =
        platform::JoinPath(well.dataFolder, well.wellName + wellfile::DateSuffix(today) + QStringLiteral(".wit"));
    return QFileInfo::exists(loose) ? loose : QString();
}

bool FollowOtherStation(wellfile::OpenWell& well, bool remoteView)
{
    if (!remoteView && SameFolder(well.currentFolder, well.dataFolder))
        return false;
    wellfile::ReadFileDepthRange(well, well.fileTopDepth, well.fileBottomDepth, false);
    return true;
}

}  // namespace exchange
