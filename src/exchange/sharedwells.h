#pragma once
// The wells an office user follows through the shared folder a file-synchronising service replicates:
// which wells are listed for a user, which stay in the list and which are retired after five idle days,
// the one-line summary of each well and the font of the bar that shows them. Free of any window: folders,
// the user name and the present time are handed in.
#include "wellfile/settingsblock.h"
#include "wellfile/wellplace.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

namespace exchange {

// Wells are kept in the user's record at most this many.
constexpr int kSharedWellSlots = 50;
// A well whose data file has not changed for this many seconds is retired from the list.
constexpr qint64 kIdleWellSeconds = 432000;

// The height and width (negative: character sizes) of the bar's "Courier New" font, from the main
// window's row height and character width and the screen width.
struct LiveBarFontSize {
    int height = 0;
    int width = 0;
};
LiveBarFontSize LiveBarFont(int rowHeight, int charWidth, int screenWidth);

// Where the bar stands: 4 right of and 45 below the main window's top left, as wide as the log less
// its unit column, or the main window less that column when that is narrower.
struct LiveBarPlace {
    int x = 0;
    int y = 0;
    int width = 0;
};
LiveBarPlace PlaceLiveBar(int mainLeft, int mainTop, int mainWidth, int logWidth, int unitWidth);

// The shared-wells root: the settings value "SharedWellsRoot", else the "Dropbox" folder of the data
// folder (any letter case). Ends with '/'.
QString SharedWellsRoot(const QString& dataFolder);

// The user names that see every shared well (compared without regard to case).
bool HasAllWellsRight(const QString& userName);
// The filter of folder names: the user name up to its first "$" (the whole name without one).
QString SharedWellFilter(const QString& userName);

// The data files under `root` the user may see: for each folder of the root (in name order) whose
// upper-cased name holds the upper-cased filter (with the all-wells right, any name of 6 or more
// characters too) and not "CHART", its first "*.svm". 0 with neither a filter nor the right.
int ListSharedWells(const QString& root, const QString& userName, QStringList& list);

// What deciding whether to keep a well needs.
struct SharedWellsUser {
    QString userName;
    QString userFolder;   // the user's own StrativM folder, ending with '/': their local copies
    QString openWell;     // the open well's name; its entry is always kept
    QDateTime now;
};

// 1 to keep `path` in the list; 0 after retiring it: the well's files are removed from the user's own
// folder only. The shared root is never touched: the synchronising service would delete the well on
// every station, the logging one too.
int KeepWell(const SharedWellsUser& user, const QString& path);

// The summary of a well's data file.
struct WellSummary {
    int lastDepth = 0;
    int gasDepth = 0;
    int gasValue = 0;
    int lithDepth = 0;
    QString lithText;
    QString timeText;  // the data file's last change, "1-15-26 10:05 AM"
};

// Reads the summary of the data file `path`, the hour of its change shifted by `timeZone`. 1 when read;
// 0 (and an empty summary) for a missing or unreadable file or one of fewer than 26 records.
int ReadWellSummary(const QString& path, int timeZone, WellSummary& summary);

// The bar's line of a well: its name padded to 25, last depth, change time, last gas depth and value.
QString WellLine(const QString& path, const WellSummary& summary);

// The hour offset of the summaries: the ".dbc" value when from -24 to 24, else the header's region
// code; 0 for profile 19.
int LiveTimeZone(const wellfile::WellPlace& place, int profile);

// The list of the bar.
struct SharedWellList {
    QStringList paths;  // the wells shown, in order
    QStringList lines;
    int selected = 0;   // the entry of the open well, else 0
};

// Builds the list: the shared root for a user with "$" in the name or the all-wells right, else (or
// when that finds none) the stored paths that still exist; each kept well (at most 50) is stored in
// `block` from the first entry with its count. `blockRead` tells whether `block` came from the user's
// file; `store` tells the caller to save it (never for a record that was not read: its other settings would be lost).
SharedWellList FillWellList(const SharedWellsUser& user, const QString& root, int timeZone,
                            wellfile::SettingsBlock& block, bool blockRead, bool& store);

}  // namespace exchange
