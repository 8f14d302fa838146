#include "exchange/receivedupdates.h"

#include "app/logstate.h"
#include "exchange/partials.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"

#include <QFile>
#include <QFileInfo>

namespace exchange {

namespace {

bool IsOpenWell(const app::LogState& log, const QString& name)
{
    return name.compare(log.well.file.wellName, Qt::CaseInsensitive) == 0;
}

}  // namespace

void SetUpdateTitle(app::LogState& log, const QString& name)
{
    const QString namePart = IsOpenWell(log, name) ? QStringLiteral("  ") : name;
    log.now = platform::LocalTime();
    const QDate d = log.now.date();
    const QTime t = log.now.time();
    const QString update = QStringLiteral("...") + namePart +
                           QString::fromStdString(platform::CFormat(" Last Updated  %02d:%02d, %2d/%d/%2d ", t.hour(),
                                                                    t.minute(), d.month(), d.day(), d.year()));
    if (log.view.liveView)
        return;
    const QString caption =
        QStringLiteral("StrativM    ") + QFileInfo(log.well.file.dataFileName).fileName() + update;
    log.well.captionText = caption;
    if (log.well.file.hooks.setCaption)
        log.well.file.hooks.setCaption(caption);
}

int ApplyPendingUpdates(app::LogState& log, const QString& pattern)
{
    wellfile::OpenWell& well = log.well.file;
    PartialUpdatePlaces places;
    places.dataFolder = well.dataFolder;
    places.monitorRunning = log.env.remoteMonitorOn;
    places.profile = log.well.loggerId;
    places.updated = [&log](const QString& name) {
        wellfile::OpenWell& w = log.well.file;
        if (IsOpenWell(log, name) && !w.dataFileName.isEmpty()) {
            wellfile::ReadFileDepthRange(w, w.fileTopDepth, w.fileBottomDepth, false);
            if (log.well.loggerId != 23)
                w.viewTopDepth = wellfile::DefaultViewTop(w);
            log.view.Invalidate();
        }
        SetUpdateTitle(log, name);
    };
    return exchange::ApplyPendingUpdates(places, pattern);
}

void RenameReceivedImage(app::LogState& log)
{
    const QString folder = log.well.file.dataFolder;
    if (folder.isEmpty() || log.well.file.wellName.isEmpty())
        return;
    const QString path = platform::FindFileNoCase(folder, log.well.file.wellName + QStringLiteral(".jpg"));
    if (!QFileInfo(path).isFile())
        return;
    const QString fileName = QFileInfo(path).fileName();
    platform::MessageBox(
        QStringLiteral("You have recieved an image ( jpg ) file in the mail package.\nThis file must be renamed to "
                       "prevent being over written by\nanother jpg file in your next mail. A dialog box will open "
                       "when\nyou close this dialog to facilitate this process. Type the new\nname in the file name "
                       "edit box, the jpg extension will be added\nautomaticlly, click OK to continue"),
        fileName);
    platform::FileDialogRequest request;
    request.folder = folder;
    request.fileName = fileName;
    request.filter = QStringLiteral("Image Files (*.jpg)|*.JPG");
    request.defaultExt = QStringLiteral("JPG");
    const std::optional<QString> chosen = platform::services().prompter->SaveFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    const QString target = QFileInfo(*chosen).isAbsolute() ? *chosen : platform::JoinPath(folder, *chosen);
    if (!QFile::rename(path, target))
        platform::MessageBox(QStringLiteral("Rename Failed"), fileName);
}

}  // namespace exchange
