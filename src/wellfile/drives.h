#pragma once
// Mount points stand in for the drive letters of the Windows design ("C:\" becomes "/", a USB stick its
// mount folder). ListDrives (wellfile/datafile.h) keeps the first kMaxDrives of them.
#include <QStringList>

namespace wellfile {

// The roots of the mounted, ready volumes that hold files, "/" first, each ending with '/'.
QStringList MountedDriveRoots();

// Whether the volume mounted at `root` is a removable one (its disk's "/sys/block/<disk>/removable").
bool IsRemovableDrive(const QString& root);

// The root of the volume that holds `path` (the data folder's volume stands for "C:\"), ending with '/'.
QString VolumeRootOf(const QString& path);

// Folders that MountedDriveRoots lists right after "/" as if they were mounted removable volumes: lets a
// test hand a plain folder to the code as a USB stick. Empty by default.
void SetTestDriveRoots(const QStringList& roots);


}  // namespace wellfile
