#pragma once
// A well's file set (well name + extension) copied between folders with a line per event in
// "download.txt", cleared from the working folders, and deleted. Sources are found in any letter case
// (files come from Windows stations) and copied under their names on disk; every path is absolute.
#include <QString>
#include <QStringList>

namespace exchange {

// The extensions of the copy set (".SVM" first), of the smaller set the field-folder copy takes, and
// of the set a well's files are deleted by.
const QStringList& CopySetExtensions();
const QStringList& LoggedCopySetExtensions();
const QStringList& DeleteSetExtensions();

// The part of a file name before its first "@" or ".": the well a daily or side file belongs to.
QString NameStem(const QString& name);

// The file name without folder ('/' or '\') and extension.
QString FileBaseName(const QString& path);

// Copies each existing file base + extension of the copy set to `targetFolder`, replacing what is there;
// with `move` each copied source is deleted. A failed copy gets the line " Error=<errno>  Source=<source>
// to <target>" in `logFolder` + "download.txt"; a failed data file ends the copy there (result 0).
// Otherwise the line "<well> files copied to  <target folder>" (result 1: the data or tops file was
// copied) or "<well> copy failed to  <target folder>" (0) closes it.
int CopyWellFiles(const QString& basePath, const QString& targetFolder, bool move, const QString& logFolder);

// The smaller set of well `wellName` from `sourceFolder` (the folder of the open file, where the lines
// go too) into `targetFolder`, which is made when missing. Results as CopyWellFiles.
int CopyWellFilesLogged(const QString& sourceFolder, const QString& wellName, const QString& targetFolder,
                        bool move);

// Deletes each file base + extension of the delete set.
void DeleteWellFileSet(const QString& basePath);

// Deletes every "*.txt" of `dataFolder` whose name holds "WITSDATA" or "ERROR" (any letter case).
void DeleteLogTexts(const QString& dataFolder);

// What ClearWellFiles works on.
struct ClearPlaces {
    QString dataFolder;    // ends with '/'
    QString sharedFolder;  // the shared folder of live updates; empty: none
    QString wellName;      // the well whose files go
    int profile = 0;       // the logging-company profile
    bool keepReports = false;  // the log format keeps the reports in "sendfile/"
};

// Clears the well's files from the working folders. A full clear (a new well after an archive) first
// deletes the data folder's "*.mdm", then the well's packages and copies in "remote/", the shared
// folder (neither for profile 37) and "backup/", and the packages of "sendfile/"; every clear deletes
// the send copies of "sendfile/". In "remote/" and the shared folder a file goes only when its name
// before the first "@" or "." is the well's (any letter case): other wells stay; in "backup/" only the
// well's dated copies (IsDatedCopyOf) go. The log prints the program wrote into "sendfile/"
// (print::IsPrintPdfName) are never deleted: they are moved into the data folder, replacing an older
// copy of the same name, and their new paths added to `keptPrints` when given. 0 when "sendfile/" is
// not there, else 1.
int ClearWellFiles(const ClearPlaces& places, bool full, QStringList* keptPrints = nullptr);

// What a box or a log line says of the prints ClearWellFiles kept; empty when none were.
QString KeptPrintsText(const QStringList& keptPrints);
// The "Prints Kept" box of every path that clears the send folder (nothing when none were kept).
void SayPrintsKept(const QStringList& keptPrints);

}  // namespace exchange
