#pragma once
// Mount points stand in for the drive letters of the Windows design ("C:\" becomes "/", a USB stick its
// mount folder). ListDrives (wellfile/datafile.h) keeps the first kMaxDrives of them.
#include <QStringList>

namespace wellfile {

// The roots of the mounted, ready volumes that hold files, "/" first, each ending with '/'.
QStringList MountedDriveRoots();

}  // namespace wellfile
