#pragma once
// Numbered partial data files from another station: "<well>.501" to "<well>.599", bare runs of depth
// records that continue or correct the station's "<well>.svm". Each is applied in name order, logged in
// the data folder's "download.txt" and deleted once applied or refused for its content; a failure of
// the base or the disk leaves it for the next try. The base is never cut in place:
// its kept records, any blank records and the partial's run are written to a temporary file that
// replaces it, so a failure leaves the base as it was.
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace exchange {

// A gap before a partial is filled with at most this many blank records; a start depth further away is
// refused as invalid (a damaged or hostile file would otherwise fill the disk).
inline constexpr int kMaxBlankRecords = 100000;

struct PartialUpdatePlaces {
    QString dataFolder;           // holds the partials, their bases and "download.txt"
    bool monitorRunning = false;  // the remote monitor runs: no boxes, failures go to the log only
    int profile = 0;              // the logging-company profile: 2 files received pictures
    // The window's part once a base went through the loop: depth range, view and caption of the open
    // well. May be left empty.
    std::function<void(const QString& name)> updated;
};

// First and last depth of the data file `path` (its first and last whole record). 1 only when both
// are at least 1 and last >= first.
int ReadBaseDepthRange(const QString& path, std::int32_t& first, std::int32_t& last);

// `count` blank records after `last`, `step` units apart: the first starts as a copy of `last` with its
// shows (20..27) and the first byte at 138 cleared, the others as zeros; each gets rates 0.1, "100bl",
// the gas scale and minutes scale of `last` and no gas from total gas on (six words from 28).
std::vector<wellfile::RECORD> BlankRecords(const wellfile::RECORD& last, int count, std::int32_t step);

// Appends `count` blank records to the data file `path`, spaced by the file's own step. 1 on success;
// 0 after "Patch File Open Failed" (caption "ERROR", unless `quiet`), with the file as it was.
int AppendBlankRecords(const QString& path, int count, bool quiet);

// Applies every "<name>.5??" of the data folder to "<name>.svm" (names in any letter case). 1 when it
// got as far as the loop over the partials (then `updated`, the copy to the remote destination and, on a
// monitoring station of profile 2, StoreReceivedImage follow), 0 on the early failures.
int ApplyPartialUpdates(const PartialUpdatePlaces& places, const QString& name);

// One pass over the data folder's files matching `pattern`, in name order without regard to case: each
// base is updated once; a partial still there afterwards is deleted with "Append failed,file deleted 1",
// unless the base could not be read or written (a full disk): then the base's partials stay for the
// next try, logged "Append failed,file kept for the next try". 0 when nothing matched, else 1.
int ApplyPendingUpdates(const PartialUpdatePlaces& places, const QString& pattern);

// Moves "<name>.jpg" of `folder` into "Jpegs/" as "<name>.j01", ".j02" ... (the count there plus one,
// the next free number). 1 when it was moved.
int StoreReceivedImage(const QString& folder, const QString& name);

}  // namespace exchange
