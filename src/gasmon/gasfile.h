#pragma once
// The well's gas file: data folder + "gas/" + well name + ".gas", a bare run of 512-byte GASRECORDs,
// one appended per booked depth step. The gas monitor and the WITS links append through one routine.
#include "gasmon/failurespell.h"
#include "gasmon/gasrecord.h"

#include <QString>

#include <span>

namespace gasmon {

// data folder + "gas/" + well name + ".gas" (the folder found whatever its letter case).
QString GasFileName(const QString& dataFolder, const QString& wellName);

// Writes `record` in one write at the end of the whole records of the gas file at `path` (a torn tail
// left by a crash is written over), made when missing. A file that cannot be made or opened is reported
// ("Gas File Create Failed", "Gas File Open Failed", caption "ERROR"; with a `spell`, once per spell of
// failures) and left unchanged; a write that does not go through (a full disk) is taken back, so the
// file always holds whole records, and reported in the same words. With a `reason` nothing is reported:
// the system's reason goes there and the caller says it. False when nothing was added.
bool AppendGasRecord(const QString& path, const GASRECORD& record, FailureSpell* spell = nullptr,
                     QString* reason = nullptr);

// Reads the gas file at `path`. With `count` -1: the number of whole records in it. Else up to `count`
// records from record `first` into `buffer` (zeroed for them first), bounded by the file's whole records
// and by the buffer; an empty file counts as one record. Gives the number of records read less one, as
// its callers have always taken it. A file that does not open is reported (its path under "File Read
// Error In") and gives 0.
int ReadGasFile(const QString& path, std::span<GASRECORD> buffer, int first, int count);

}  // namespace gasmon
