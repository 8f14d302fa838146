#pragma once
// Keeping a shared folder to the open well: other wells' files, surplus data files and the "CONFLICTED"
// copies a file-synchronising service leaves are taken away, and the well's settings files are brought
// from the folder of the open file into the data folder. Deletions in a synchronised folder reach every
// station, so those files are moved into that folder's "removed/" (a rename that can be undone), and a
// file counts as another well's only when its stem (the name before the first "@" or ".") differs from
// the well name, compared without regard to case. Only the shared folders named in the places are kept
// so: a folder the user opened a well from, holding several wells, is never touched.
#include <QString>
#include <QStringList>

namespace exchange {

// Where the housekeeping works and for which well. Folders end with '/'.
struct HousekeepingPlaces {
    QString installFolder;
    QString dataFolder;
    QString wellName;  // the open well; empty: none
    int profile = 0;   // the logging-company profile
    // The folders (with everything under them) the housekeeping may take files from: this station's
    // shared folders and the shared-wells root. None: it takes nothing.
    QStringList sharedFolders;
};

// How a well's files leave a folder.
enum class Removal { Delete, MoveAside };

// Removes the well file set (30 entries of a published folder) of the base name of `path` from its folder (and from its "backup/" with
// `backup`), then DeleteOtherWitsFiles on the folder. Returns 1.
int DeleteWellFromFolder(const HousekeepingPlaces& places, const QString& path, bool backup,
                         Removal removal = Removal::Delete);

// In a folder other than the install folder, with a well open and more than one "*.wit" there, removes
// every "*.wit" of another well. The number removed.
int DeleteOtherWitsFiles(const HousekeepingPlaces& places, const QString& folder, Removal removal = Removal::Delete);

// Keeps one well in `folder`: 0 without a well, for profile 66, in the install or data folder or outside
// the shared folders. With more than one "*.svm" each other well's set (not a "~" copy) is moved aside
// with its backups; then the chart housekeeping on `chartFolder` and the picture housekeeping on
// `folder`. 1.
int RemoveOtherWells(const HousekeepingPlaces& places, const QString& folder, const QString& chartFolder);

// With more than one "*.cht" in `folder`: "CONFLICTED" copies and other wells' charts moved aside.
// 0 without a well, in the install or data folder or outside the shared folders, else 1.
int RemoveOtherWellCharts(const HousekeepingPlaces& places, const QString& folder);

// With more than one "*.jpg" in `folder` + "bitmaps/": other wells' pictures moved aside. Conditions as
// RemoveOtherWellCharts.
int RemoveOtherWellPictures(const HousekeepingPlaces& places, const QString& folder);

// Keeps the newest "*.svm" of the folder of `path`: 0 when there is none; else its path in `result` and
// 1, with every other data file's set moved aside (only in a shared folder: elsewhere nothing moves).
int KeepNewestDataFile(const HousekeepingPlaces& places, const QString& path, QString& result);

// Moves aside every file of `folder` whose name holds "CONFLICTED" in any letter case. 1 when the
// folder has any file; 0 (and nothing moved) outside the shared folders.
int DeleteMatching(const HousekeepingPlaces& places, const QString& folder);

// The chart folder of a well opened from `currentFolder` (see gasmon::ChartFolderFor).
QString SetChartFolder(const QString& dataFolder, const QString& currentFolder);

// The well's settings files from `currentFolder` into the data folder, entry 1 to 9 of ".cfg", ".hor",
// ".sch", ".top", ".grdx", ".clr", ".wfg", ".lfg", ".hdr" (0: 1 to 8). A file is copied when the data
// folder lacks it, the ".lfg" always. 0 when both folders are one (any letter case), else 1.
int CopyFromFieldFolder(const QString& dataFolder, const QString& currentFolder, const QString& wellName,
                        int entry);

}  // namespace exchange
