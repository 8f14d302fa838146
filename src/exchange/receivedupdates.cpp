#include "exchange/receivedupdates.h"

#include "app/viewstate.h"
#include "app/wellstate.h"
#include "exchange/partials.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"

#include <QFile>
#include <QFileInfo>

namespace exchange {

namespace {

bool IsOpenWell(const wellfile::OpenWell& well, const QString& name)
{
    return name.compare(well.wellName, Qt::CaseInsensitive) == 0;
}

}  // namespace

void SetUpdateTitle(app::WellState& well, QDateTime& now, bool liveView, const QString& name)
{
    const QString namePart = IsOpenWell(well.file, name) ? QStringLiteral("  ") : name;
    now = platform::LocalTime();
    const QDate d = now.date();
    const QTime t = now.time();
    const QString update = QStringLiteral("...") + namePart +
                           QString::fromStdString(platform::CFormat(" Last Updated  %02d:%02d, %2d/%d/%2d ", t.hour(),
                                                                    t.minute(), d.month(), d.day(), d.year()));
    if (liveView)
        return;
    const QString caption = QStringLiteral("StrativM    ") + QFileInfo(well.file.dataFileName).fileName() + update;
    well.captionText = caption;
    if (well.file.hooks.setCaption)
        well.file.hooks.setCaption(caption);
}

int ApplyPendingUpdates(app::WellState& well, const app::ViewState& view, QDateTime& now, bool monitorOn,
                        const QString& pattern)
{
    PartialUpdatePlaces places;
    places.dataFolder = well.file.dataFolder;
    places.monitorRunning = monitorOn;
    places.profile = well.loggerId;
    places.updated = [&well, &view, &now](const QString& name) {
        wellfile::OpenWell& w = well.file;
        if (IsOpenWell(w, name) && !w.dataFileName.isEmpty()) {
            wellfile::ReadFileDepthRange(w, w.fileTopDepth, w.fileBottomDepth, false);
            if (well.loggerId != 23)
                w.viewTopDepth = wellfile::DefaultViewTop(w);
            view.Invalidate();
        }
        SetUpdateTitle(well, now, view.liveView, name);
    };
    return exchange::ApplyPendingUpdates(places, pattern);
}

void RenameReceivedImage(const wellfile::OpenWell& well)
{
    const QString folder = well.dataFolder;
    if (folder.isEmpty() || well.wellName.isEmpty())
        return;
    const QString path = platform::FindFileNoCase(folder, well.wellName + QStringLiteral(".jpg"));
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
