#pragma once
// Backups of the open well's data file: the drive backup the user asks for (a plain copy or one zip,
// today's gas chart and WITS files zipped beside it) and the dated copies the program makes by itself
// before the data file is rewritten, of which the ten deepest are kept.
#include <QString>
#include <QStringList>
#include <QDate>
#include <QTime>

#include <cstdint>

#include <functional>

namespace app {
struct InteractionState;
struct WellState;
}
namespace drilling {
class Driller;
}
namespace wellfile {
struct OpenWell;
}

namespace exchange {

// ---- Dated copies ----

// "<well>@<depth>-<hour><minute>", the depth the bottom rounded down to even, hour and minute without
// leading zeros and without a separator (1235 at 9:05 gives "W@1234-95").
QString DatedCopyBase(const QString& wellName, int bottomDepth, const QTime& time);
// Whether `fileName` is a dated copy of the well as the backup names it: the well name in any letter
// case, "@", digits, "-", digits and one extension. "WW@...", "OTHER@..." and a set put aside by Save As
// ("W@2026-01-15.svm") are not.
bool IsDatedCopyOf(const QString& fileName, const QString& wellName);
// Keeps the ten deepest dated copies (of `extension`) of the well in `folder`: with more, the
// shallowest go when their depth lies above `bottomDepth`, each with the ".svx", ".mem" and ".hxt" of
// its name. Other files stay. 1, or 0 when the folder holds no copy of the well.
int PruneDatedCopies(const QString& folder, const QString& wellName, int bottomDepth,
                     const QString& extension = QStringLiteral(".svm"));

// The folder of the dated copies: backup drive + well for a removable backup drive when `toDrive`, else
// the data folder's "backup/" (as it is spelt on disk). Ends with '/'.
QString DatedCopyFolder(app::WellState& well, bool toDrive);
// Where the custom data's dated copies go for a well of this station's shared folder `sharedFolder`
// under profiles 21 and 86: the shared folder's "backup/" (start-up makes it), so that the stations
// sharing the well find them. Empty for every other well: they go beside the data file's copies.
QString SharedBackupFolder(const app::WellState& well, const QString& sharedFolder);
// Copies the open data file into `folder` (ending with '/') under the dated name of now, numbered on
// when that name is taken: no copy is ever replaced; its custom-data file, when there is one, under
// the same name into `customFolder`, or `folder` when that is empty. The path of the data file's copy,
// or empty when it could not be made.
QString WriteDatedCopy(const wellfile::OpenWell& well, const QString& folder, const QString& customFolder = {});
// The dated copy of the data file and of the custom-data file (when there is one; in the shared backup
// folder for a shared well, see SharedBackupFolder). 0, writing nothing, while a view function or data
// entry runs, while the driller (null outside drilling mode) is in a state that skips it, or when the
// copy failed; else 1.
int BackupData(app::WellState& well, const app::InteractionState& interaction, const drilling::Driller* driller,
               int toDrive, const QString& sharedFolder = {});
// PruneDatedCopies on the folders BackupData writes to (the custom data's copies kept by their own).
int BackupWellFiles(app::WellState& well, int toDrive, const QString& sharedFolder = {});

// ---- Drive backup ----

// 1 when each record's depth is the one before plus the file's step (its first two records); else the
// repair pass `repair` runs and 0. A file that cannot be read is said (caption "File Error In Read
// Records") and gives 0.
int CheckDataFileSequence(const QString& dataFile, const std::function<void()>& repair);

// The drive backup's places: the data file, the folders and the drive's root.
struct DriveBackupPlaces {
    QString dataFile;
    QString currentFolder;  // the folder of the open file, ends with '/'
    QString dataFolder;     // ends with '/'
    QString wellName;
    QString driveRoot;      // a folder, ends with '/'
};
// Compares the drive copy "<drive>/<well>/<well>.svm" with the data file; see the source for the texts.
int CheckBackupSize(const DriveBackupPlaces& places, bool final, bool skip, const std::function<void()>& repair);
// The well's files of the current folder and "gasmon.cfg" into "<drive>/<well>/<well>.zip"; the data
// folder's "gasmon.cfg" also to the drive's root. 0 after "Error No. %d" ("Zip failed").
int ZipDataToDrive(const DriveBackupPlaces& places);
// Today's daily chart (".cht" in "chart/") or WITS file (".wit" in "wits/") zipped to
// "<drive>/<well>/<well>@m-dd-yy.ch_" (".wi_"); the outcome is said with the source path as caption.
int ZipChartToDrive(const DriveBackupPlaces& places, const QDate& today);
int ZipWitsToDrive(const DriveBackupPlaces& places, const QDate& today);

// What the backup dialog shows and sets.
struct BackupChoice {
    QStringList drives;          // the drive list
    QString drive;               // in: the configured drive; out: the chosen one
    int profile = 0;
    int gasMonitorType = -1;
    bool witsLinkOn = false;
    bool zipAvailable = true;    // the package writer is always there
    std::int32_t lastBackedUpDepth = 0;
    bool compress = false, gasCharts = false, witsCharts = false, svFile = false;  // out
};
using BackupDialog = std::function<bool(BackupChoice&)>;

// What the backup dialog shows of the engines: the gas monitor's instrument type (-1 none) and whether
// a WITS link runs (its daily files can then be zipped too).
struct BackupLinks {
    int gasMonitorType = -1;
    bool witsLinkOn = false;
};

// The drive backup (command "&Backup..." while drilling, Save As while drilling). `quiet` skips the
// dialog and the messages but the size question; without a dialog only a quiet run backs up. 1 when a
// backup was made, 0 on cancel or failure.
int BackupToDrive(app::WellState& well, const BackupLinks& links, int quiet, const BackupDialog& dialog);

}  // namespace exchange
