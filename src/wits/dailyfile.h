#pragma once
// The daily WITS file: WITS folder + well name + date suffix + ".wit", exactly 14,400 WITSRECORDs, one
// per 6-second slot of the day, no header. A new file holds the preset records (date, hour, minute and
// the second that ends the slot, everything else 0), so a slot that never received a sample reads as
// zeros; samples are then written over the records of their slots. The live chart reads the recent
// window of the file.
#include "wellfile/witsrecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>
#include <vector>

namespace wits {

// Stamps a closed sample with the time `now`: date, hour, minute, the second rounded down to its slot's
// start and the slot of the day.
void StampSample(wellfile::WITSRECORD& s, const QDateTime& now);

QString DailyWitsFileName(const QString& witsFolder, const QString& wellName, const QDate& date);

// Record r of a new file of `date`: hour r / 600, minute (r / 10) mod 60, second 6 x (r mod 10 + 1).
wellfile::WITSRECORD PresetRecord(const QDate& date, int r);

// The record a sample of `slot` is stored on: record n for slot n (its preset second ends the slot).
// -1 for a slot outside the day.
int RecordOfSlot(int slot);

// The day a stamped sample was taken on (invalid for a sample never stamped).
QDate DateOfSample(const wellfile::WITSRECORD& s);

// Fills single gaps of a run of samples: a sample with no hole depth between two with one becomes a copy
// of the one before it, one slot later. With `skipSlotZero` a sample of slot 0 is left as it is.
void FillSingleGaps(wellfile::WITSRECORD* samples, int count, bool skipSlotZero);

// Writes `count` samples into the daily file at `path` of `date`, each on the record of its own slot
// (the last of a slot wins; a sample of no slot of the day is left out), after filling single gaps.
// A missing file is made whole first, through a temporary file, so it is never seen short. Failures
// are reported ("Wits File Create Failed" with the file and the reason, once until the file is made;
// "Wits File Open Failed (in Data)"; caption "ERROR"; the boxes come once the caller's work has returned,
// as a link's frame must be read whole) and give false with the file as it was.
bool WriteDailyRecords(const QString& path, const QDate& date, const wellfile::WITSRECORD* samples, int count);

// The records of a daily file (a day's worth at most; a torn last record left out); nothing when the
// file does not open.
std::optional<std::vector<wellfile::WITSRECORD>> ReadDailyFile(const QString& path);

// Puts a copy of the daily file at `path` into `folder` under `fileName` for a monitoring station,
// replacing the old copy in one step and leaving the new one read-only. False when the copy failed.
bool CopyDailyFile(const QString& path, const QString& folder, const QString& fileName);

// The day whose daily WITS file the live window reads at `now` with a display offset of `hourOffset`
// hours: the day before or after today when the offset crosses midnight.
QDate WitsWindowDay(const QDateTime& now, int hourOffset);
// The records of the daily WITS file `path` up to the slot of `now` moved by `hourOffset` hours (within
// its day: `path` is the file of WitsWindowDay): at most 100 records, from the slot's record - 100 (at
// least the first). `bytes` gets the number of bytes read; nothing when the file does not open.
std::optional<std::vector<wellfile::WITSRECORD>> ReadRecentWitsRecords(const QString& path, const QTime& now,
                                                                   int hourOffset, int& bytes);

}  // namespace wits
