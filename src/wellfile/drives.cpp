#include "wellfile/drives.h"

#include "wellfile/datafile.h"

#include "platform/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>


namespace wellfile {

namespace {
QStringList& TestRoots()
{
    static QStringList roots;
    return roots;
}
QString WithSlash(QString root)
{
    if (!root.endsWith(u'/'))
        root += u'/';
    return root;
}

// The system's own mounts and those whose files do not last: no place for a backup.
bool SystemMount(const QString& root, const QByteArray& type)
{
    for (const char* volatileType : {"tmpfs", "devtmpfs", "ramfs", "overlay", "squashfs", "proc", "sysfs"})
        if (type == volatileType)
            return true;
    if (root == u"/" || root.startsWith(QLatin1String("/run/media/")))
        return root == u"/";
    for (const char* system : {"/boot/", "/dev/", "/proc/", "/sys/", "/run/", "/snap/", "/usr/", "/var/", "/etc/", "/tmp/"})
        if (root.startsWith(QLatin1String(system)))
            return true;
    return false;
}
}  // namespace

void SetTestDriveRoots(const QStringList& roots)
{
    TestRoots().clear();
    for (const QString& root : roots)
        TestRoots() << WithSlash(root);
}

bool IsRemovableDrive(const QString& root)
{
    if (TestRoots().contains(WithSlash(root)))
        return true;
    const QStorageInfo volume(root);
    if (!volume.isValid() || WithSlash(volume.rootPath()) != WithSlash(root))
        return false;
    // "/dev/sdb1" is the partition "sdb1" of the disk "sdb"; its folder under /sys/class/block sits in
    // the disk's folder, which holds "removable".
    const QString device = QFileInfo(QString::fromLocal8Bit(volume.device())).fileName();
    if (device.isEmpty())
        return false;
    QString folder = QFileInfo(QStringLiteral("/sys/class/block/") + device).canonicalFilePath();
    for (int up = 0; up < 2 && !folder.isEmpty(); ++up, folder = QFileInfo(folder).path()) {
        QFile flag(folder + QStringLiteral("/removable"));
        if (flag.open(QIODevice::ReadOnly))
            return flag.readAll().trimmed() == "1";
    }
    return false;
}

QString SystemDriveFolder() { return WithSlash(platform::CurrentFolderRoots().home); }

QStringList MountedDriveRoots()
{
    QStringList removable, others;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = WithSlash(volume.rootPath());
        if (!volume.isValid() || !volume.isReady() || volume.isReadOnly() || SystemMount(root, volume.fileSystemType()))
            continue;
        const QFileInfo folder(root);
        if (!folder.isDir() || !folder.isWritable() || removable.contains(root) || others.contains(root))
            continue;
        (IsRemovableDrive(root) ? removable : others) << root;
    }
    removable.sort();
    others.sort();
    QStringList roots = TestRoots();
    for (const QString& root : removable + others)
        if (!roots.contains(root))
            roots << root;
    return roots;
}

int ListDrives(OpenWell& well)
{
    // "C:\\" was always there: its folder closes the list.
    well.drives = MountedDriveRoots().mid(0, kMaxDrives - 1);
    well.drives.removeAll(SystemDriveFolder());
    well.drives << SystemDriveFolder();
    return int(well.drives.size());
}

}  // namespace wellfile
