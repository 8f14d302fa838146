#pragma once
// The work of the daily report dialog on its reports, apart from any window: a new report filled from
// the depth records, the memos and the drilling state; stepping through the reports; deleting one; the
// average rate; the mud weight handed to the depth record of the report; the short report made from a
// daily one.
#include "wellfile/memorecords.h"
#include "wellfile/reportrecords.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wellfile {
struct OpenWell;
}

namespace reports {

// What a new report takes of the drilling state (all zero while drilling mode is off).
struct DrillingNow {
    bool drilling = false;
    float lagDepth = 0;         // depth whose returns are at the surface now
    std::int32_t rate = 0;      // rate of penetration, whole units per hour
    bool lagByStrokes = false;  // the lag is counted in pump strokes
    float lagStrokes = 0;
    float lagMinutes = 0;
};

// What a new report reads of the well besides its depth records.
struct ReportWell {
    wellfile::OpenWell& file;            // folders, depth range and the data file
    std::span<const wellfile::SVMEMO> memos;  // the well's memos by depth
    bool combineIc4Nc4 = false;          // the setting that adds NC4 into IC4
    std::string spudDate;                // of the dialog's header copy
    std::string startLogging;
};

// "%2d:%02d %s" on a 12-hour clock ("12:05 AM", " 9:07 AM", "12:30 PM").
std::string ReportTimeText(const QTime& time);
// "%2d-%d-%4d": month, day, year (" 3-7-2026").
std::string ReportDateText(const QDate& date);

// Appends a new report to `reports` (count reports followed by at least one spare record; a spare is
// added when none is left) and returns its index. The first report starts the well's series; a later one
// carries the previous report's settings on. Its gas rows come from a scan of the depth records.
int NewReport(std::vector<wellfile::REPORTEX>& reports, int& count, ReportWell& well, const DrillingNow& drilling,
              const QDateTime& now);

// The gas window of the background: 100 units, 50 at a rate of 1 to 50 units an hour, 20 at 1 to 20.
int GasWindow(std::int32_t rate);
// Fills the gas rows, the lithology at the lag depth and the survey of `report` from the depth records
// of depth `from` down to the bottom of the file (stopping early at a record of depth 0).
void ScanGas(wellfile::REPORTEX& report, std::int32_t from, ReportWell& well, const DrillingNow& drilling);

// The index Previous (forward false) or Next steps to from `index`: 5 with Ctrl held (back when the
// index is 6 or more, forward when index + 5 is below the count), else 1. nullopt at the first or last.
std::optional<int> StepReport(int index, int count, bool forward, bool ctrl);
// Of reports at one depth, the last: the requested report `number` (from 1) and on while the next one
// lies strictly within 2 units of the one before. nullopt when the number is out of range.
std::optional<int> RequestedReport(std::span<const wellfile::REPORTEX> reports, int count, int number);
// Removes report `index` of `count`, moves the later ones up and numbers all 1, 2, 3...; returns the
// index then shown.
int DeleteReport(std::vector<wellfile::REPORTEX>& reports, int& count, int index);

// footage / hours as "%3.1f"; empty without hours.
std::string AverageRateText(std::int32_t footage, float hours);

// Stores the mud weight text of a report saved at `depth` as the mud weight out of that depth record
// (only above index 25 and for weights above 0 up to 20, and only for a record the file holds). True
// when a record was written.
bool StoreMudWeight(wellfile::OpenWell& file, float depth, const char (&mudWeight)[6]);

// Appends a short report made from `report` to the ".qpt" at `path` (made when missing), starting from a
// copy of its last whole record (a first record is marked as holding today's slot numbers). False,
// after "File Error" / "Report", when it cannot be written.
bool AppendShortReport(const QString& path, const wellfile::REPORTEX& report);

}  // namespace reports
