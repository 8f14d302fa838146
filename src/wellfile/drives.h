#pragma once
// Mount points stand in for the drive letters of the Windows design (a USB stick is its mount folder,
// "C:\" the user's home folder). ListDrives (wellfile/datafile.h) lists them for the backup dialog.
#include <QStringList>

namespace wellfile {

// The roots of the mounted volumes a backup can go to, each ending with '/': ready, not read-only,
// writable by this user, and neither a system mount ("/", "/boot", "/usr", "/var", "/run" but its
// "media/" ...) nor one that holds no lasting files (tmpfs, overlay and the like). Removable volumes
// first, then the others, each in name order.
QStringList MountedDriveRoots();

// Whether the volume mounted at `root` is a removable one (its disk's "/sys/block/<disk>/removable").
bool IsRemovableDrive(const QString& root);

// The folder that stands for "C:\" of a Windows station, the drive of the data: the user's home
// folder, ending with '/'.
QString SystemDriveFolder();

// Folders that MountedDriveRoots lists first as if they were mounted removable volumes: lets a
// test hand a plain folder to the code as a USB stick. Empty by default.
void SetTestDriveRoots(const QStringList& roots);


}  // namespace wellfile
