#pragma once
// Conversion of report files written in the older record layouts into the current ones. Each rewrites
// its file whole through a temporary file in the file's folder: a conversion that fails leaves the old
// file as it was.
#include "wellfile/reportrecords.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace wellfile {

// One old daily report in the current layout.
REPORTEX ConvertReport(const REPORT& old);

// Converts old REPORT records into REPORTEX records and rewrites the ".rpt" at `path` with them.
// Returns the converted records plus one cleared record of room for a new report; nullopt (after
// "REPORT conversion failed") when the file cannot be rewritten.
std::optional<std::vector<REPORTEX>> ConvertReports(const QString& path, std::span<const REPORT> old);

// Converts `count` old 1,049-byte show records into SHOWREPORT records and rewrites the ".sho" at
// `path`; false (after "Show conversion failed") when it cannot.
bool ConvertShows(const QString& path, const QByteArray& oldRecords, int count);

// Converts `count` old 1,446-byte drill-stem tests into DSTREPORT records and rewrites the ".dst" at
// `path`; false (after "DST open failed" with the path) when it cannot.
bool ConvertDsts(const QString& path, const QByteArray& oldRecords, int count);

}  // namespace wellfile
