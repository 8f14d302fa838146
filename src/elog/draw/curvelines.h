#pragma once
// The outline of an e-log curve over the log's first track: a dotted black line through the curve's
// points (two a row), drawn at the e-log depth shift. A segment that reaches past the track's right
// edge is wrapped back from the left edge with a shaded wedge. The depth match draws it on its XOR Dc
// and again to take it off; the view draws it once over the rows it paints.
#include "elog/curves.h"

#include <cstdint>

namespace platform {
class Dc;
struct POINT;
}

namespace elog {

// Where and how the outline is drawn.
struct CurveLinesTarget {
    std::int32_t depthOffset = 0;  // the e-log depth shift: the row of depth d is d + offset - 1
    int scaleIndex = 0;            // 3 and up: five records a point
    int rowHeight = 0;
    int topY = 0;                  // y of the first point
    int bottomY = 0;               // the log's bottom: the compressed walk ends past it
    bool liftBottom = false;       // the bottom does not end the walk
};

// Draws the outline of `slot` over `count` points from the record of depth `start`. 0 when offset +
// start is past the last depth (nothing drawn); 1 otherwise, also when the slot has no data.
int DrawCurveLines(platform::Dc& dc, Curves& curves, const CurveLinesTarget& target, int count, std::int32_t start,
                   int slot);
// Segment i of `points`, which reaches past the right edge: the wrapped lines in the selected pen and
// the wedge in the off-scale gamma fill, all in the mask-pen mix.
void FillCurvePolygon(platform::Dc& dc, const Curves& curves, const platform::POINT* points, int i, int rowHeight);

}  // namespace elog
