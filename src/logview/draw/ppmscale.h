#pragma once
// The ppm scale: a legend of the log's eight gas curves, one line per curve with the curve's name and
// unit in the curve's colour and a short sample of its pen right of them, in the same row; the samples
// stand in one column right of the widest name (at least 8 units from the names' x). The title
// row, the header page of a log image and drilling's status display draw it.
#include "layout/pentable.h"
#include "logview/viewgeometry.h"

namespace platform {
class Dc;
}

namespace logview {

// Where the legend is drawn for.
struct PpmScaleFlags {
    bool imageRender = false;  // the log is being rendered into an image: lower, wider samples
    bool drilling = false;     // drilling mode: moved clear of the status display (not in an image)
};

// Draws the legend from pen-table entries 0-7 (total gas, then C1 to NC5): the name followed by " % "
// for total gas and " ppm " for the others, each entry (row height + 5) below the one before.
// x or y of 0 or less selects the default place: x = gas right - 15 U - R, y = 2 R (image: 50 R and
// gas right - 10 U + 2 R); a positive x gives x + 2 R. Puts back the Dc's objects and modes. Returns 1.
int DrawPpmScale(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens, const PpmScaleFlags& flags,
                 int x, int y);

}  // namespace logview
