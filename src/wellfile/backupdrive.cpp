#include "wellfile/backupdrive.h"

#include "exchange/copyout.h"
#include "platform/folders.h"
#include "wellfile/fileattrs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace wellfile {

namespace {

// Copies through a temporary file so an old backup copy is replaced only by a complete new one.
bool CopyReplacing(const QString& from, const QString& to)
{
    const QString temp = to + QStringLiteral(".tmp");
    QFile::remove(temp);
    if (!QFile::copy(from, temp))
        return false;
    SetNormalAttributes(to);
    QFile::remove(to);
    return QFile::rename(temp, to);
}

}  // namespace

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
    return CopyReplacing(
        platform::JoinPath(folder, wellName + extension), platform::JoinPath(target, wellName + extension));
}

}  // namespace wellfile
