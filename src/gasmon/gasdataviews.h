#pragma once
// The gas monitor set-up's two data views and their text exports: the well's gas records and today's
// chart records, read straight from their files (no engine needed), as list lines newest first and as
// the text files "gasmon.txt" and "chart.txt" oldest first.
#include "gasmon/chartfile.h"
#include "gasmon/chartrecord.h"
#include "gasmon/gasrecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

namespace gasmon {

// The most gas records a view reads (the newest ones of a longer file).
constexpr int kMaxGasViewRecords = 200000;

// The list headings of the two views.
QString GasViewHeading();
QString ChartViewHeading();

// Every whole record of the gas file at `path` (the newest kMaxGasViewRecords of a longer one); the
// buffer is sized from the file's length. A file that does not open is reported as ReadGasFile does.
std::vector<GASRECORD> ReadGasViewRecords(const QString& path);
// Every record of today's day file of `place`, at most one day's slots; sized from the file's length.
std::vector<CHARTRECORD> ReadChartViewRecords(const ChartPlace& place);

// The gas view's lines, newest first, ending before the first record whose bottom depth lies above
// `firstDepth` (the open file's first depth). An nC5 value outside 0 to 1000 is set to 10 in `records`.
QStringList GasViewLines(std::span<GASRECORD> records, std::int32_t firstDepth);
// The chart view's lines, newest first.
QStringList ChartViewLines(std::span<const CHARTRECORD> records);

// The texts of "gasmon.txt" and "chart.txt": a heading and one line per record, oldest first.
QByteArray GasExportText(std::span<const GASRECORD> records);
QByteArray ChartExportText(std::span<const CHARTRECORD> records);

// Writes `text` whole as the file `path` (an old one is replaced only once the new one is complete).
// A failure is reported ("Unable to open file", "File Error") and gives false.
bool WriteExportFile(const QString& path, const QByteArray& text);

}  // namespace gasmon
