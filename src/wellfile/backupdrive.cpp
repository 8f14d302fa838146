#include "wellfile/backupdrive.h"

#include "exchange/copyout.h"
#include "platform/folders.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace wellfile {

bool HasBackupDrive(const QString& drive)
{
    static const QRegularExpression systemDrive(QStringLiteral("^[Cc]:[\\\\/]?$"));
    return !drive.trimmed().isEmpty() && QDir::cleanPath(drive) != QStringLiteral("/") &&
           !systemDrive.match(drive.trimmed()).hasMatch();
}

bool CopyToBackupDrive(const QString& folder, const QString& wellName, const QString& extension, const QString& drive)
{
    if (!HasBackupDrive(drive) || wellName.isEmpty())
        return false;
    if (!QDir::isAbsolutePath(drive) || drive.startsWith(u'\\')) {
        exchange::CopyWellFileOut(folder, wellName, extension, drive + wellName + u'\\');
        return true;
    }
    const QString target = platform::JoinPath(drive, wellName);
    if (!QDir().mkpath(target))
        return false;
    // The file as it is spelt on disk (a well from a Windows station may have "WELL.GRDX"); the backup
    // copy as it is spelt there, else under the well's own name.
    const QString name = wellName + extension;
    return CopyFileReplacing(platform::FindFileNoCase(folder, name), platform::FindFileNoCase(target, name));
}

}  // namespace wellfile
