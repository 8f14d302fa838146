#pragma once
// Copies of a well's saved files to the places other stations pick them up from.
#include <QString>

namespace wellfile {

// Where the copies go besides a folder the caller names.
struct CopyOutFolders {
    QString shared;           // the shared folder of live updates; empty: none
    bool sharedOn = false;    // the shared-folder flag
    bool liveUpdate = false;  // the live-update flag of the well's copy options
    QString copyOut;          // the copy-out (second data) folder; empty: none
};

// The copy-out folders as the program's settings give them: the second data folder, no shared folder.
CopyOutFolders ConfiguredCopyOutFolders();

// The folder a copy goes to: the shared folder whenever its flag and the live-update flag are both on;
// else `given`, or, when none is given, the shared folder, else the copy-out folder. Empty: nowhere.
QString CopyOutTarget(const QString& given, const CopyOutFolders& folders);

// Copies data folder + well name + extension into the target folder (see CopyOutTarget) under the same
// name, replacing the old copy in one step. A ".svm" copy there that is larger than the source is left
// alone (it grew elsewhere); any other file is left alone only when it is larger and not older than the
// source. A target that is no folder of this machine (a drive letter such as "E:\W\" or a "\\server"
// share) gets nothing but one line on stderr; a relative folder lies under the data folder. Failures
// are silent: the result is 1 when the copy was made, else 0.
int CopyWellFileOut(const QString& dataFolder, const QString& wellName, const QString& extension,
                    const QString& targetFolder, const CopyOutFolders& folders);
// The same with the configured folders.
int CopyWellFileOut(const QString& dataFolder, const QString& wellName, const QString& extension,
                    const QString& targetFolder = {});

}  // namespace wellfile
