#pragma once
// The well's gas file: data folder + "gas/" + well name + ".gas", a bare run of 512-byte GASRECORDs,
// one appended per booked depth step. The gas monitor and the WITS links append through one routine.
#include "gasmon/gasrecord.h"

#include <QString>

namespace gasmon {

// data folder + "gas/" + well name + ".gas" (the folder found whatever its letter case).
QString GasFileName(const QString& dataFolder, const QString& wellName);

// Appends `record` to the gas file at `path`, made when missing. A file that cannot be made or opened
// is reported ("Gas File Create Failed", "Gas File Open Failed", caption "ERROR") and left unchanged;
// a short write is taken back, so the file always holds whole records. False when nothing was added.
bool AppendGasRecord(const QString& path, const GASRECORD& record);

}  // namespace gasmon
