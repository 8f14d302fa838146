#include "wellfile/backupdrive.h"

#include "platform/folders.h"
#include "wellfile/copyout.h"
#include "wellfile/drives.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace wellfile {

bool HasBackupDrive(const QString& drive)
{
    static const QRegularExpression systemDrive(QStringLiteral("^[Cc]:[\\\\/]?$"));
    const QString folder = QDir::cleanPath(drive);
    return !drive.trimmed().isEmpty() && folder != QStringLiteral("/") &&
           folder != QDir::cleanPath(SystemDriveFolder()) && !systemDrive.match(drive.trimmed()).hasMatch();
}

QString BackupDriveRoot(const QString& stored)
{
    if (!HasBackupDrive(stored) || !QDir::isAbsolutePath(stored))
        return stored;
    const QStringList roots = MountedDriveRoots();
    const QString asRoot = stored.endsWith(u'/') ? stored : stored + u'/';
    if (roots.contains(asRoot))
        return asRoot;
    if (stored.size() < kBackupDriveChars)
        return stored;
    QString found;
    for (const QString& root : roots) {
        if (!root.startsWith(stored))
            continue;
        if (!found.isEmpty())
            return stored;  // two roots begin alike: none is chosen
        found = root;
    }
    return found.isEmpty() ? stored : found;
}

bool CopyToBackupDrive(const QString& folder, const QString& wellName, const QString& extension, const QString& storedDrive)
{
    const QString drive = BackupDriveRoot(storedDrive);
    if (!HasBackupDrive(drive) || wellName.isEmpty())
        return false;
    if (!QDir::isAbsolutePath(drive) || drive.startsWith(u'\\')) {
        wellfile::CopyWellFileOut(folder, wellName, extension, drive + wellName + u'\\');
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

namespace {
QByteArray FileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

bool CopyFileToBackupDrive(const QString& path, const QString& storedDrive)
{
    const QString drive = BackupDriveRoot(storedDrive);
    if (!HasBackupDrive(drive))
        return false;
    const QFileInfo file(path);
    if (!QDir::isAbsolutePath(drive) || drive.startsWith(u'\\')) {
        wellfile::CopyWellFileOut(file.absolutePath() + u'/', file.completeBaseName(),
                                  u'.' + file.suffix(), drive);
        return true;
    }
    const QString target = platform::FindFileNoCase(drive, file.fileName());
    const QByteArray bytes = FileBytes(path);
    if (QFileInfo(target).isFile() && FileBytes(target) == bytes)
        return true;
    return CopyFileReplacing(path, target);
}

}  // namespace wellfile
