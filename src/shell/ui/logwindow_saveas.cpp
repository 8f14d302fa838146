// Save As ("&Save as..." in the office menu, "&Backup..." while drilling): the open well's whole file
// set copied under a new name, and the copy opened when the user wants it.
#include "shell/ui/logwindow.h"

#include "app/elogoffset.h"
#include "app/wellsettings.h"
#include "exchange/wellcopy.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/waitcursor.h"
#include "wellfile/sidefiles_recent.h"
#include "wellfile/wellnames.h"

#include <QDateTime>
#include <QFileInfo>

namespace shell {

void LogWindow::CmSaveAs()
{
    app::LogState& s = state_;
    if (s.interaction.commandLock || CommandGuardFails())
        return;
    wellfile::OpenWell& f = s.well.file;
    if (f.drilling) {
        if (neighbours_.exchange->BackupToDrive(s, 0))
            app::UpdateWellConfig(s, [&s](wellfile::WellConfig& cfg) {
                cfg.drillingSetting = s.well.config.drillingSetting;
                return true;
            });
        return;
    }
    if (f.wellName.startsWith(u'~')) {
        platform::MessageBox(QStringLiteral("Can not rename TVD File"), QString(), platform::MB_OK);
        return;
    }

    platform::FileDialogRequest request;
    request.filter = QStringLiteral("StrativM Files (*.SVM)|*.SVM|");
    request.defaultExt = QStringLiteral("SVM");
    request.folder = f.dataFolder;
    request.fileName = f.currentFolder + f.wellName + QStringLiteral(".SVM");
    const std::optional<QString> chosen = platform::services().prompter->SaveFileName(request);
    if (!chosen || chosen->isEmpty())
        return;
    QString target = wellfile::CleanFileName(*chosen);
    // A copy onto the open well itself would read and write the same files.
    if (exchange::SameDataFile(f.dataFileName, target)) {
        platform::MessageBox(target + QStringLiteral("\nis the well open now. Save it under another name."),
                             QStringLiteral("File Copy Error "), platform::MB_OK);
        return;
    }

    // The well written over keeps none of its own files beside the copy: they go to "backup/".
    const QDate today = platform::services().clock->LocalTime().date();
    if (const QString stuck = exchange::MoveWellSetAside(target, f.dataFolder, today); !stuck.isEmpty()) {
        platform::MessageBox(stuck + QStringLiteral("\ncould not be moved to the backup folder; nothing was copied"),
                             QStringLiteral("File Copy Error "), platform::MB_OK);
        return;
    }

    QString source = f.currentFolder + f.wellName + QStringLiteral(".SVM");
    const int copied = [&] {
        const platform::WaitCursor wait;
        return exchange::CopyFileChecked(s, *neighbours_.elog, source, target);
    }();
    if (!copied)
        return;
    if (platform::MessageBox(
            QStringLiteral(" %1  has been created.\n Click OK to open %2\n or click Cancel to stay in the current file")
                .arg(target, target),
            QStringLiteral("File Open"), platform::MB_OKCANCEL) != platform::IDOK)
        return;

    // The open well's curves and custom tracks go; the old well heads the recent list.
    s.customTracks.data.reset();
    wellServices_.view->CloseElog(s);
    s.well.elogFileName.clear();
    const QString previous = f.dataFileName;
    wellfile::LoadRecent(f.dataFolder, s.env.recentFiles);
    wellfile::AddRecent(s.env.recentFiles, previous);
    wellfile::SaveRecent(f.dataFolder, s.env.recentFiles);
    OpenDataFile(target);
    if (!isMinimized())
        SaveWindowPlacement();
    const QString curves = platform::FindFileNoCase(f.currentFolder, f.wellName + QStringLiteral(".svc"));
    if (QFileInfo(curves).isFile()) {
        wellServices_.view->LoadElog(s, curves);
        s.well.elogFileName = curves;
        app::SaveElogOffset(s, curves);
    }
    BuildMenu(-1);
}

}  // namespace shell
