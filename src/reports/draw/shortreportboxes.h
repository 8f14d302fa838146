#pragma once
// The short reports on the log: each report's drilling-parameter box and mud box at its depth, placed
// at a memo column slot. One routine draws them for the screen, log images, printed pages and custom
// tracks; on the screen it lists each box for the mouse, and on paper it remembers a box cut at the
// page's foot, whose rest the compact routine draws at the top of the next page. The reports are only
// read: what the drawing adjusts (an odd depth, colours) stays with the drawing.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "reports/shortreports.h"

#include <cstdint>

namespace platform {
class Dc;
}

namespace reports {

struct ShortReportTarget {
    platform::Dc& dc;
    const logview::ViewGeometry& g;
    const logview::Device& device;
};

// Where one drawing's rows stand: the depth of the top row, the page's bottom y (paper), the row
// height, the y the depths are measured from, and a custom track's x (0 the boxes' own slots). On the
// print run's last page (`runEnds`) the page limit is its last row: a box runs on below it to the
// paper's foot, and a report below it is not drawn.
struct ShortReportRows {
    std::int32_t topDepth = 0;
    int pageLimit = 0;
    int rowHeight = 0;
    int yOffset = 0;
    int xOverride = 0;
    bool runEnds = false;
};

// Every report's boxes. Empties the box tables and the cuts first; lists the screen's boxes (at most
// kMaxShortReportBoxes a kind) and, on paper, the first box of each kind the page cuts. A printed line at
// or past the page limit is left to the next page, from which the cut box goes on; only that box ends
// there. On a printed log page (no custom track's x) the further boxes the last page cut go on first, at
// the page's top, and the further ones this page cuts are kept for the next.
void DrawShortReports(const ShortReportTarget& t, ShortReportState& state, const ShortReportRows& rows);

// The rest of `report`'s boxes from the cuts of `state` (each only while its cut is set), read and framed
// as on the log, the first box's top at `startY`. On a printed page (no custom track's x) each rest stands
// at its box's x, below the rests the page drew before it that it would cover. The caller clears each cut
// after its call.
void DrawShortReportsCompact(const ShortReportTarget& t, ShortReportState& state, std::int32_t report,
                             int rowHeight, int startY, int xOverride);

}  // namespace reports
