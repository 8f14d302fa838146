#pragma once
// The well's short reports: the ".qpt" file, a bare array of QREPORT records (no header; a torn tail is
// not read and goes with the next save), and the window's copy of it (app/shortreportstate.h).
#include "app/shortreportstate.h"
#include "wellfile/reportrecords.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace app {
struct WellState;
}

namespace reports {

// The window's copy kept in its state (app/shortreportstate.h).
using app::kMaxShortReportBoxes;
using app::ShortReportBoxes;
using app::ShortReportCut;
using app::ShortReportState;

// `folder` + `wellName` + ".qpt" (an existing file whose name differs only in letter case is taken).
QString ShortReportFilePath(const QString& folder, const QString& wellName);

// Every whole record of `path`; nullopt when the file does not open or the records cannot be had (no
// memory for them: "QREPORT ALLOCATION FAILED", caption "Report info").
std::optional<std::vector<wellfile::QREPORT>> ReadShortReportFile(const QString& path);

// Ascending by depth, reports of equal depth keeping their order; then numbered 1, 2, ... in that order.
void SortShortReports(std::span<wellfile::QREPORT> reports);

// Replaces `path` with the records, whole or not at all: false leaves the old file as it was.
bool WriteShortReportFile(const QString& path, std::span<const wellfile::QREPORT> reports);

// The window's array read again from the well's ".qpt"; empty when there is none. The box tables are
// emptied for the next paint. A file whose slot numbers were never converted is converted and saved
// once (not on a monitoring station).
void LoadShortReports(ShortReportState& state, const app::WellState& well, bool remoteMonitorOn);
// Sorts the window's array and writes it as the well's ".qpt". A file that cannot be written is said
// ("File Save Error", " Short Report") and left as it was; false then.
bool SaveShortReports(ShortReportState& state, const app::WellState& well);
// Changes report `index` of the window's array as the ".qpt" holds it now: the file is read again, the
// same record found in it (what was added to the file since the window read it stays), changed by
// `change` and saved. The window's array then holds the file. False, with nothing written, when the
// report is no longer in the file as the window knew it, or the save failed.
bool ChangeShortReport(ShortReportState& state, const app::WellState& well, bool remoteMonitorOn, std::size_t index,
                       const std::function<void(wellfile::QREPORT&)>& change);
// A well's files are opened: the reports below the data file's last depth leave the ".qpt" and the
// window's array (shortreportsave.h, TruncateShortReportFile). Nothing without a file.
void TruncateShortReports(ShortReportState& state, const app::WellState& well);

}  // namespace reports
