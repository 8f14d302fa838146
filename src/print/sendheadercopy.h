#pragma once
// The well header copy a drilling station sends: the header stamped with the well's last depth and
// today's date, and the ".hdr" copied into the data folder's "sendfile/" for the other stations.
#include "wellfile/wellheader.h"
#include "wellfile/wellplace.h"

#include <QDate>

#include <cstdint>

namespace app {
struct LogState;
}

namespace print {

// "END DEPTH:" becomes `lastDepth` ("%d", with a "'" after it when "START DEPTH:" holds one) and
// "END DATE:" `today` as "%d/%02d/%04d" (day, month, year).
void StampHeader(wellfile::WellHeader& header, std::int32_t lastDepth, const QDate& today);

// Copies the well's ".hdr" into data folder + "sendfile/" under its name, over an older copy; false
// when the copy failed (the old copy then stays).
bool CopyHeaderToSendFolder(const wellfile::WellPlace& place);

// Writes the well's ".hdr" and, while drilling with copying on, copies it out; false when the write
// failed (the old file then stays).
bool WriteWellHeader(app::LogState& log, const wellfile::WellHeader& header);

// Only while drilling with the window's update-header option on: stamps the well's header with the
// file's last depth and the date of the platform clock, writes it and copies it into "sendfile/".
// A header that cannot be read is left alone; a failed write or copy is not reported.
void SendHeaderCopy(app::LogState& log);

}  // namespace print
