#pragma once
// The outline of an e-log curve over the log's first track: a dotted black line through the curve's
// points (one a row, five records a row on the compressed scales), drawn at the e-log depth shift, the
// point of depth d on the y where the rate curve has its point of d. A segment that reaches past the
// track's right edge is wrapped back from the left edge with a shaded wedge. Only the depth match draws
// it, on its XOR Dc, and again to take it off.
#include "elog/curves.h"

#include <cstdint>

namespace platform {
class Dc;
struct POINT;
}

namespace elog {

// Where and how the outline is drawn.
struct CurveLinesTarget {
    std::int32_t depthOffset = 0;  // the e-log depth shift: the row of depth d shows record d + offset
    int scaleIndex = 0;            // 3 and up: five records a point
    int rowHeight = 0;
    int topY = 0;                  // y of the first point
    int bottomY = 0;               // the log's bottom: the compressed walk ends past it
    bool liftBottom = false;       // the bottom does not end the walk
};

// The points of that outline over `count` rows from the view's top `start`, into the curve set's point
// buffer (which the click test reads), nothing drawn: the number of segments to draw (0 when the slot
// has no data), or -1 when offset + start is past the last depth.
int BuildCurveLinePoints(Curves& curves, const CurveLinesTarget& target, int count, std::int32_t start, int slot);
// Draws the outline of `slot` over `count` rows from the view's top `start`. 0 when offset + start is
// past the last depth (nothing drawn); 1 otherwise, also when the slot has no data.
int DrawCurveLines(platform::Dc& dc, Curves& curves, const CurveLinesTarget& target, int count, std::int32_t start,
                   int slot);
// Segment i of `points`, `step` pixels high, which reaches past the right edge: the wrapped lines in
// the selected pen and the wedge in the off-scale gamma fill, all in the mask-pen mix.
void FillCurvePolygon(platform::Dc& dc, const Curves& curves, const platform::POINT* points, int i, int step);

}  // namespace elog
