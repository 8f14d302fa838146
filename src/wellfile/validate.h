#pragma once
// The check that a data file is usable before it is opened, and the demo file that stands in when
// none is.
#include "wellfile/profile.h"
#include "wellfile/repair.h"

#include <QString>

#include <cstdint>

namespace wellfile {

// Checks the data file `path` and, when it is usable, makes it the target's file: its names, its depth
// range and the values of the repair pass (which runs on it), and its profile. Returns 1. The pass runs
// as drilling only when the file is the target's own data file and the target is drilling: another
// well's shared custom-data file is never rewritten because this station drills a different well. The
// target's full-file records are not carried over (the file's own are read when it is opened).
//
// A file shorter than one record, whose first depth is negative or whose first two depths run backwards
// is refused before anything is written to it: the message
// " %s is not a StrativM data file or is corrupted\n %d  %d" (path, first and last depth as stored)
// captioned "Depth Out Of Range", the line "Open Failed RANGE ERROR on " + path in the download log of
// the data folder, and 0. A refused file changes nothing of the target, except that a profile still 0
// becomes kDefaultProfile. Any other damage (a last record zeroed or shallower than the first, as a
// crash while the file grew leaves it) is mended by the repair pass, and the file opens.
int ValidateDataFile(const RepairTarget& target, const QString& path);

// Opens the demo file "elogdemo.svm" of the install folder with profile kDemoProfile: 1. When there is
// none, runs the Open command instead: 0.
int OpenDemoFile(std::uint16_t& loggerId, const DemoFileActions& actions);

}  // namespace wellfile
