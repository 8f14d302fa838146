#pragma once
// Conversion of report files written in the older record layouts into the current ones.
#include "reports/reportrecords.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace reports {

// Converts old REPORT records into REPORTEX records and rewrites the ".rpt" at `path` with them.
// Returns the converted records plus one cleared record of room for a new report; nullopt (after
// "REPORT conversion failed") when the file cannot be rewritten.
std::optional<std::vector<REPORTEX>> ConvertReports(const QString& path, std::span<const REPORT> old);

// Converts `count` old 1,049-byte show records into SHOWREPORT records and rewrites the ".sho" at
// `path`; false (after "Show conversion failed") when it cannot.
bool ConvertShows(const QString& path, const QByteArray& oldRecords, int count);

}  // namespace reports
