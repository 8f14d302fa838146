#pragma once
// The window's copy of the well's short reports with the boxes their painter last drew on the screen,
// by which the mouse finds and moves them. The view, the printout and the report dialogs share it; the
// file work on it is in reports/shortreports.h, which names these types in reports:: too.
#include "platform/gdi.h"
#include "wellfile/reportrecords.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace app {

constexpr int kMaxShortReportBoxes = 200;

// The boxes of one kind as the last screen paint drew them, in log coordinates: each box and its grab
// strip (the box's top band, two rows high). The painter empties the table before it draws.
struct ShortReportBoxes {
    std::array<platform::RECT, kMaxShortReportBoxes> box{};
    std::array<platform::RECT, kMaxShortReportBoxes> grab{};
    int count = 0;

    void Clear() { count = 0; }
    // False (nothing stored) once the table is full.
    bool Add(const platform::RECT& boxRect, const platform::RECT& grabStrip)
    {
        if (count < 0 || count >= kMaxShortReportBoxes)
            return false;
        box[std::size_t(count)] = boxRect;
        grab[std::size_t(count)] = grabStrip;
        ++count;
        return true;
    }
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

}  // namespace app
