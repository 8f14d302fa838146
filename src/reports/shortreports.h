#pragma once
// The well's short reports: the ".qpt" file, a bare array of QREPORT records (no header; a torn tail is
// not read and goes with the next save), and the window's copy of it with the boxes its painter last
// drew on the screen, by which the mouse finds and moves them.
#include "platform/gdi.h"
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

constexpr int kMaxShortReportBoxes = 200;

// The boxes of one kind as the last screen paint drew them, in log coordinates: each box and its grab
// strip (the box's top band, two rows high). The painter empties the table before it draws.
struct ShortReportBoxes {
    std::array<platform::RECT, kMaxShortReportBoxes> box{};
    std::array<platform::RECT, kMaxShortReportBoxes> grab{};
    int count = 0;

    void Clear() { count = 0; }
    // False (nothing stored) once the table is full.
    bool Add(const platform::RECT& boxRect, const platform::RECT& grabStrip);
};

// A box a printed page cut at its foot: the report (index into the array) and the first line the page
// did not draw, from which its rest starts on the next page; -1 none.
struct ShortReportCut {
    std::int32_t report = -1;
    std::int32_t line = -1;
    bool mud = false;  // which box of the report (only the further cuts below need saying)
};

// The window's short reports: the records in depth order, the two box tables and the boxes the last
// printed page cut off: the first of each kind, which the next page and the custom tracks go on with,
// and any further ones, which the next page's log draws at its top itself.
struct ShortReportState {
    std::vector<wellfile::QREPORT> reports;
    ShortReportBoxes mechanical;  // the drilling-parameter boxes
    ShortReportBoxes mud;
    ShortReportCut mechanicalCut;
    ShortReportCut mudCut;
    std::vector<ShortReportCut> furtherCuts;
    // The rests of cut boxes already drawn at the top of the printed page in hand, so that the next one
    // takes a place of its own; the page's box drawing empties it.
    std::vector<platform::RECT> restBoxes;
};

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
