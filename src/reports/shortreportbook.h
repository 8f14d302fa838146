#pragma once
// What the short report dialog does to its own copy of the well's short reports, apart from the
// controls: the copy read from the ".qpt", the report shown, browsing, NEW and DELETE, the depth rules
// and the prefill of a first report from the newest daily report.
#include "wellfile/reportrecords.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace reports {

struct ShortReportBook {
    std::vector<wellfile::QREPORT> reports;  // `count` reports and room for the one NEW adds
    int count = 0;
    int current = 0;
    bool prefill = false;  // the well had no short-report file: the first report is made from a daily report
    bool adding = false;   // NEW was pressed and the report is not saved yet
    int addedFrom = 0;     // the report shown when NEW was pressed

    wellfile::QREPORT& Current() { return reports[std::size_t(current)]; }
};

// Reads the ".qpt" at `path` into `book`. A missing file gives one cleared report and the prefill mode;
// false (nothing to show) when the reports cannot be had.
bool LoadShortReportBook(const QString& path, ShortReportBook& book);

// The report shown first: a start index below 1 means the first report at or below `viewTop` (the last
// when none is); any other start is taken as it is, within the reports. The reports are sorted when the
// report chosen is not the first.
void OpenShortReportBook(ShortReportBook& book, int start, std::int32_t viewTop);

// Where PREV (`forward` false) or NEXT moves from `index` among `count` reports: one report, five with
// Ctrl when PREV starts above index 5 or NEXT below count - 5; nullopt at the first or last report.
std::optional<int> ShortReportStep(int index, int count, bool forward, bool ctrl);

// NEW: a copy of the report shown, numbered with its own index and not sent to the horizontal view,
// added at the end and shown.
void NewShortReport(ShortReportBook& book);

enum class ReportRemoval {
    Only,    // the only report went: the file goes too
    Last,    // the last report went: the one before is shown
    Middle,  // the reports after it moved down: the one now at the index is shown
};
ReportRemoval RemoveShortReport(ShortReportBook& book);

// A report may be saved from the first depth + 50 to the last depth; an odd depth must have the next
// even one within the range too (1049 is refused with a first depth of 1000, 2599 taken with a last of
// 2600, 2601 refused with a last of 2601).
bool ShortReportDepthAllowed(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth);
// The depth a report is shown at: below the last depth, last - 20; above first + 50, first + 50.
std::int32_t ShownShortReportDepth(std::int32_t depth, std::int32_t firstDepth, std::int32_t lastDepth);

// A first short report made from a daily report: its depth, drilling values, mud weight and mud
// properties; both positions 0, no frames, not on the one-inch log, mechanical and mud data. The
// rest of `report` stays.
void PrefillShortReport(wellfile::QREPORT& report, const wellfile::REPORTEX& daily);

}  // namespace reports
