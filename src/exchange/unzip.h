#pragma once
// Unpacking a received zip into a folder, in process and all or nothing (wellfile::ExtractPackage),
// with the failure texts the stations have always shown and logged.
#include "wellfile/wellpackage.h"

#include <QString>

namespace exchange {

// The stations' code of a failure kind: bad checksum 1, not a zip or inconsistent 3, out of memory 4,
// missing file 9, no entries 11, read cut short 51, anything else 12; 0 for none.
int UnzipErrorCode(wellfile::PackageFailure reason);

// The text of a failure code ("Error CRC check failed" for 1 ...; "Error Unknown error" for codes
// without a text).
QString UnzipErrorText(int code);

// Unpacks the zip `zipPath` into `targetFolder`: every entry or none. On failure the zip and the folder
// stay as they were, the line "Unzip failed on open file " + zip path goes to "download.txt" of
// `logFolder` (the folder of the open file), and, unless `quiet` (the remote monitor runs), the
// failure's text is shown in a box captioned with the zip path. 1 on success, else 0.
int Unzip(const QString& zipPath, const QString& targetFolder, const QString& logFolder, bool quiet);

}  // namespace exchange
