#include "exchange/restore.h"

#include "app/logstate.h"
#include "platform/folders.h"
#include "platform/services.h"
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

int RestoreCustomData(const QString& dataFolder, const QString& wellName, int depth)
{
    const QString source = platform::FindFileNoCase(
        platform::FindFileNoCase(dataFolder, QStringLiteral("backup")),
        QStringLiteral("%1@%2.svx").arg(wellName).arg(depth));
    if (!QFileInfo(source).isFile())
        return 1;
    const QString target = platform::FindFileNoCase(dataFolder, wellName + QStringLiteral(".svx"));
    if (wellfile::CopyFileReplacing(source, target))
        return 1;
    platform::MessageBox(source, QStringLiteral("SVX Restore failed"), platform::MB_OK);
    return 0;
}

void RestoreDataFile(app::LogState& log)
{
    if (log.interaction.commandLock || log.interaction.dataEntryActive || log.marks.archiving) {
        platform::MessageBeep(0);
        return;
    }
    wellfile::OpenWell& well = log.well.file;
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
    if (*depth < well.fileBottomDepth &&
        platform::MessageBox(QStringLiteral("You will lose all data below  %1 \n Click OK to continue, or cancel to "
                                            "return unchanged")
                                 .arg(*depth),
                             caption, platform::MB_OKCANCEL) != platform::IDOK)
        return;

    // A copy beside the data file takes its place only when whole.
    const QString dataFile = platform::JoinPath(well.currentFolder, well.wellName + QStringLiteral(".svm"));
    const QString target = platform::FindFileNoCase(well.currentFolder, well.wellName + QStringLiteral(".svm"));
    if (!wellfile::CopyFileReplacing(*chosen, target)) {
        platform::MessageBox(dataFile, QStringLiteral("Restore Failed"), platform::MB_OK);
        return;
    }
    RestoreCustomData(well.dataFolder, well.wellName, *depth);
    if (well.hooks.loadAndRepairRecords)
        well.hooks.loadAndRepairRecords();
    well.viewTopDepth = std::max(well.fileTopDepth, well.fileBottomDepth - well.viewDepthSpan);
    log.view.redrawPending = true;
    log.view.Invalidate();
}

}  // namespace exchange
