#pragma once
// The drilling-rate curve of the rate track for a run of records, on the screen log, off-screen and
// compressed images, exported images and paper: the points of logview/rateplot.h drawn point to point
// or blocked, with rates beyond the track edge wrapped round from the other edge over a fill, fast
// drilling shaded up to the highlight rate, and, on paper, the rate grid drawn under the rows first.
//
// The curve is drawn in the Dc's own mix, so a curve drawn twice on a Dc set to R2_XORPEN takes itself
// off again (the offset-curve drag); only the wrap fill is drawn under R2_MASKPEN, so that the grid
// shows through it.
#include "logview/device.h"
#include "logview/rateplot.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace logview {

// Who draws and where.
struct CurveOptions {
    bool drilling = false;      // drilling mode is on: a screen draw of the own curve joins the last one
    bool onDragDc = false;      // the Dc is a mouse drag's (an offset curve is then drawn dotted)
    RateCurveMemory* memory = nullptr;  // the view's; without it nothing is remembered
};

// Draws `count` rows of the run from records[first] (records on scale indexes 1 and 2, half rows on
// scale index 3) with point 0 at topY; the record before the run starts the curve. `offsetCurve`: the
// records are the offset well's. Returns 1 when it drew, 0 when not (paper with the rate curve off:
// only the grid is printed).
int DrawCurve(platform::Dc& dc, const ViewGeometry& g, const Device& device, const CurveOptions& options,
              std::span<const wellfile::RECORD> records, std::size_t first, int count, int rowHeight, int topY,
              bool offsetCurve);

// The printed rate grid under `count` rows from records[first] (on ten-foot rows count is halved and a
// row steps five records), each row laid out for its record's scale code. Returns the x of the last
// grid line of the last row, which becomes the curve's right clip edge.
int PrintRateGrid(platform::Dc& dc, const ViewGeometry& g, const Device& device,
                  std::span<const wellfile::RECORD> records, std::size_t first, int count, int rowHeight, int topY);
// The printed logarithmic rate grid: three decades of nine lines on each row.
void PrintRateLogGrid(platform::Dc& dc, const ViewGeometry& g, const Device& device, int rowHeight, int count,
                      int topY);

}  // namespace logview
