#pragma once
// The backup drive of the well configuration ("E:\" and the like): while drilling, the well's side
// files are copied into backup drive + well name + "\" as they are saved.
#include <QString>

namespace wellfile {

// Whether `drive` names a backup drive: "C:\" (in any letter case, with or without the backslash) or
// nothing means none, and so do "/" and the folder that stands for "C:\" (SystemDriveFolder).
bool HasBackupDrive(const QString& drive);

// The settings record keeps the backup drive in a 10-byte field, too small for most mount folders: the
// chosen root is stored cut to 9 characters. A stored text that is a mounted root is that root; a cut
// one is the one mounted root that begins with it; anything else comes back as it is.
constexpr int kBackupDriveChars = 9;
QString BackupDriveRoot(const QString& stored);

// Copies folder + well name + extension into backup drive + well name + "\" when there is a backup
// drive. A folder of this machine (a mount point such as "/media/usb/", which is what the backup
// settings store) is written here, replacing the old copy only with a complete new one. A drive letter
// ("E:\") or a "\\server" share can only come from an older well's settings: it is handed to the
// copy-out routine, which copies nothing to a place that is no folder of this machine and says so on
// stderr (true once handed over). False when there is no backup drive or the copy failed.
bool CopyToBackupDrive(const QString& folder, const QString& wellName, const QString& extension, const QString& drive);

// Copies the file `path` into the backup drive's root under its own name when there is a backup drive,
// by the same rules, leaving a copy there alone when it already holds the same bytes. False when there
// is no backup drive or the copy failed.
bool CopyFileToBackupDrive(const QString& path, const QString& drive);

}  // namespace wellfile
