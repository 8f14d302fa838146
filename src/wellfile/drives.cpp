#include "wellfile/drives.h"

#include "wellfile/datafile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <algorithm>

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

QString VolumeRootOf(const QString& path)
{
    const QStorageInfo volume(path);
    return volume.isValid() ? WithSlash(volume.rootPath()) : QStringLiteral("/");
}

QStringList MountedDriveRoots()
{
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        QString root = volume.rootPath();
        if (!root.endsWith(u'/'))
            root += u'/';
        if (!roots.contains(root))
            roots << root;
    }
    // "/" first, as the system drive came first; the rest in name order.
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        if ((a == u"/") != (b == u"/"))
            return a == u"/";
        return a < b;
    });
    int at = roots.isEmpty() ? 0 : 1;
    for (const QString& root : TestRoots())
        if (!roots.contains(root))
            roots.insert(at++, root);
    return roots;
}

int ListDrives(OpenWell& well)
{
    well.drives = MountedDriveRoots().mid(0, kMaxDrives);
    return int(well.drives.size());
}

}  // namespace wellfile
