#include "exchange/restore.h"

#include "app/interactionstate.h"
#include "app/viewstate.h"
#include "app/wellstate.h"
#include "exchange/backups.h"
#include "exchange/filesets.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/waitcursor.h"
#include "wellfile/record.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace exchange {

std::optional<int> LastRecordDepth(const QString& path)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 records = f.size() / qint64(sizeof(wellfile::RECORD));
    wellfile::RECORD last;
    if (records < 1 || !f.seek((records - 1) * qint64(sizeof last)) ||
        f.read(reinterpret_cast<char*>(&last), sizeof last) != qint64(sizeof last) || last.depth <= 0)
        return std::nullopt;
    return int(last.depth);
}

int RestoreCustomData(const QString& chosenBackup, const QString& target, const QString& customFolder)
{
    const QFileInfo chosen(chosenBackup);
    const QString name = chosen.completeBaseName() + QStringLiteral(".svx");
    QString source = platform::FindFileNoCase(chosen.path(), name);
    if (!QFileInfo(source).isFile() && !customFolder.isEmpty())
        source = platform::FindFileNoCase(customFolder, name);
    if (!QFileInfo(source).isFile())
        return 1;
    if (wellfile::CopyFileReplacing(source, target))
        return 1;
    platform::MessageBox(source, QStringLiteral("SVX Restore failed"), platform::MB_OK);
    return 0;
}

void RestoreDataFile(app::WellState& state, app::ViewState& view, const app::InteractionState& interaction,
                     bool archiving, const QString& sharedFolder)
{
    if (interaction.commandLock || interaction.dataEntryActive || archiving) {
        platform::MessageBeep(0);
        return;
    }
    wellfile::OpenWell& well = state.file;
    const QString caption = QStringLiteral("File RESTORE");
    platform::FileDialogRequest request;
    request.folder = platform::JoinPath(well.dataFolder, QStringLiteral("backup"));
    request.filter = QStringLiteral("StrativM Files (*.svm)|*.svm|");
    const std::optional<QString> chosen = platform::services().prompter->OpenFileName(request);
    if (!chosen || chosen->isEmpty())
        return;

    const std::optional<int> depth = LastRecordDepth(*chosen);
    if (!depth) {
        platform::MessageBox(QStringLiteral("Not a valid data file"), caption, platform::MB_OK);
        return;
    }
    // A backup of another well would put that well's records under this one's name.
    const QString owner = NameStem(QFileInfo(*chosen).fileName());
    if (owner.compare(well.wellName, Qt::CaseInsensitive) != 0 &&
        platform::MessageBox(QStringLiteral("%1\nis a backup of %2, not of %3.\nClick OK to restore it over %3, or "
                                            "cancel to return unchanged")
                                 .arg(*chosen, owner, well.wellName),
                             caption, platform::MB_OKCANCEL) != platform::IDOK)
        return;
    if (*depth < well.fileBottomDepth &&
        platform::MessageBox(QStringLiteral("You will lose all data below  %1 \n Click OK to continue, or cancel to "
                                            "return unchanged")
                                 .arg(*depth),
                             caption, platform::MB_OKCANCEL) != platform::IDOK)
        return;

    // What is replaced is kept first, as the backup keeps it; a copy beside the data file then takes
    // its place only when whole.
    const platform::WaitCursor wait;
    const QString customFolder = SharedBackupFolder(state, sharedFolder);
    const QString dataFile = platform::JoinPath(well.currentFolder, well.wellName + QStringLiteral(".svm"));
    if (WriteDatedCopy(well, DatedCopyFolder(state, false), customFolder).isEmpty()) {
        platform::MessageBox(dataFile + QStringLiteral("\ncould not be copied to the backup folder; nothing was restored"),
                             QStringLiteral("Restore Failed"), platform::MB_OK);
        return;
    }
    const QString target = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svm"));
    if (!wellfile::CopyFileReplacing(*chosen, target)) {
        platform::MessageBox(dataFile, QStringLiteral("Restore Failed"), platform::MB_OK);
        return;
    }
    RestoreCustomData(*chosen, platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svx")),
                      customFolder);
    if (well.hooks.loadAndRepairRecords)
        well.hooks.loadAndRepairRecords();
    well.viewTopDepth = std::max(well.fileTopDepth, well.fileBottomDepth - well.viewDepthSpan);
    view.redrawPending = true;
    view.Invalidate();
}

}  // namespace exchange
