#pragma once
// The daily chart files: chart folder + well name + date suffix + ".cht", exactly 43,200 CHARTRECORDs
// (one per 2-second slot of the day, record n at byte n x 56), no header. A new day file holds preset
// slots (the file's own month and day, the slot's time, everything else 0), so a slot that never got a
// sample reads as zeros. The gas monitor, the real-time chart and the archive code read and write day
// files through these routines.
#include "gasmon/chartrecord.h"
#include "gasmon/failurespell.h"

#include <QDate>
#include <QString>

#include <span>

namespace gasmon {

// Where the open well's day files are and what is done beside a write.
struct ChartPlace {
    QString chartFolder;     // the open well's "chart/" folder, for writing and reading alike
    QString wellName;
    bool copyOn = false;     // both copy switches of the main window are on
    QString copyFolder;      // where the copies go; none is made without one
    bool remoteView = false; // a well of another station is shown: a missing day file is not made
};

// chart folder + well name + "@%d-%02d-%02d" of `date` + ".cht".
QString ChartFileName(const QString& chartFolder, const QString& wellName, const QDate& date);
// Today's day file (the clock's local date).
QString TodaysChartFile(const ChartPlace& place);
// The day a day file is for, read from its name ("...@3-19-16.cht"); invalid when the name has none.
QDate DateOfChartFile(const QString& path);

// Slot `slot` of a new day file of `date`: its month, day and time, the record number; the rest 0.
CHARTRECORD PresetChartRecord(const QDate& date, int slot);

// Writes `count` records into the day file `path` (today's when empty), each at the slot of its own
// record number, consecutive slots in one write; a record of no slot of the day is left out. A missing
// file is made first, whole and in one piece, with the presets of the file's own date (today's when its
// name has none); when it cannot be made that is reported ("Chart File Create Failed", "ERROR"; with a
// `spell` once per spell of failures) and 0 is returned; so is a write that does not go through (a full
// disk), and only a whole write ends the spell. A file that does not open gives 0 without a message. With copying on, the file is then copied into the copy folder under its own name and the
// copy left read-only. 1 when written.
int WriteChartRecords(const ChartPlace& place, const CHARTRECORD* records, int count, const QString& path = {},
                      FailureSpell* spell = nullptr);

// Reads up to `count` records from record `first` of the day file `path` (today's when empty) into
// `destination` (zeroed for them first), bounded by the file's records and the destination; with `count`
// -1 gives the number of records in the file. A missing file is made as a new day (not while a remote
// well is shown: 0). A file that does not open is reported (its path under "Chart File Read Error In");
// one whose length is not whole records is moved aside to its name + ".old" (an older ".old" kept under
// a numbered name) and reads as none; the next write then makes a fresh day. Gives the records read.
int ReadChartFile(const ChartPlace& place, std::span<CHARTRECORD> destination, int first, int count,
                  const QString& path = {});

// Reads today's day file as ReadChartFile does, but neither makes a missing file nor checks its length;
// a file that does not open is reported under "Chart File Read Error ".
int ReadTodayChart(const ChartPlace& place, std::span<CHARTRECORD> destination, int first, int count);

}  // namespace gasmon
