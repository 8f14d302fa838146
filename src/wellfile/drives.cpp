#include "wellfile/drives.h"

#include "wellfile/datafile.h"

#include <QStorageInfo>

#include <algorithm>

namespace wellfile {

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
    return roots;
}

int ListDrives(OpenWell& well)
{
    well.drives = MountedDriveRoots().mid(0, kMaxDrives);
    return int(well.drives.size());
}

}  // namespace wellfile
