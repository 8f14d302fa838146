#pragma once
// The formation tops of a well as the well-file routines keep them: the ".top" file, a bare array of
// 253-byte TOPSEX records, in the local folder, or in the data folder for a well in a shared folder
// whose tops live in the field folder.
#include "wellfile/topsex.h"
#include "wellfile/wellplace.h"

#include <QString>

#include <vector>

namespace wellfile {

// The window's state that decides where tops go and where copies of them are made.
struct TopsPlace {
    bool topsInFieldFolder = false;  // the tops field-folder flag of the well's settings
    QString backupFolder;            // the backup drive of the well configuration (see HasBackupDrive)
    bool copyOut = false;            // the copy-out flag and the tops copy option, both on
};

// The ".top" as it is spelt on disk in its folder (any letter case), else well name + ".top".
QString TopsFilePath(const WellPlace& place, const TopsPlace& tops);
// The tops editor's ".topx", kept beside the ".top" and equal to it.
QString TopsxFilePath(const WellPlace& place, const TopsPlace& tops);

// Replaces `tops` with the records of the ".top" file. 1 when read; 0 (tops emptied, so no other
// well's tops stay on show) when the file is missing, unreadable or shorter than one record.
int LoadTops(const WellPlace& place, const TopsPlace& tops, std::vector<wellfile::TOPSEX>& out);

// Writes `tops` (one cleared record when there are none) to the ".top" file, and the same records to
// the ".topx" beside it (removed when there are none), so every reader sees the same tops. For a well in a shared
// folder it first marks the tops as field-folder tops (in `tops` and in the well's ".dbc") and writes to
// the data folder. While drilling it then copies the file to the backup drive (CopyToBackupDrive) and,
// with copying out on, to the copy-out folder. 1, or 0 when the file could not be written.
int SaveTops(const WellPlace& place, TopsPlace& tops, const std::vector<wellfile::TOPSEX>& records);

}  // namespace wellfile
