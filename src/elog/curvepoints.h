#pragma once
// The points of a curve outline on the log: one curve record a point on the one-record scales, the
// mean of five records a point on the compressed scales; each point a row below the one before, as
// the log has one row a record (five records a row on the compressed scales).
// Pure numbers, so the wrap and the drag test can be checked without drawing.
#include "elog/curverecord.h"
#include "elog/curvescale.h"
#include "platform/gdi.h"

#include <cstdint>
#include <span>

namespace elog {

// Points of `slot` from records[0] on, into points[0..count] (the caller sizes `points` for count + 1):
// x from the gamma scale, y from topY growing by rowHeight. The walk ends after the record of depth `lastDepth` or at the end of `records`.
// Returns the number of segments to draw: count when the walk reached count, else up to the point
// before the last one built.
int BuildRecordPoints(std::span<const CurveRecord> records, std::span<platform::POINT> points, int count, int slot,
                      const CurveScale& scale, int rowHeight, int topY, std::int32_t lastDepth);

// What the compressed walk reads besides the records.
struct AveragedWalk {
    int yStep = 0;             // the row height: five records a row
    float factor = 0;
    std::int32_t origin = 0;
    int firstY = 0;
    bool liftBottom = false;   // the log's bottom does not end the walk (also while printing)
    int bottomY = 0;
    std::int32_t lastDepth = 0;
};
// Points of `slot` from groups of five records: the sum of the five values / 5 (fewer at the end of the
// data, still divided by five). The walk ends at a record of depth `lastDepth` (taken) or 0 (not
// taken), at the end of `records`, and past the bottom y unless lifted. Returns the index of the last
// point built, which is the number of segments to draw.
int BuildAveragedPoints(std::span<const CurveRecord> records, std::span<platform::POINT> points, int count, int slot,
                        const AveragedWalk& walk);

// How segment i of an outline from (x0, y0) to (x1, y0 + step) is drawn when it reaches past the
// track's right edge: the wrap pieces and the shaded wedge. `left` and `right` are the track's inner
// edges.
struct WrapPieces {
    int lines = 0;
    platform::POINT line[2][2]{};
    int wedgePoints = 0;         // 0: no wedge
    platform::POINT wedge[5]{};
};
WrapPieces WrapSegment(int x0, int y0, int x1, int step, int left, int right);

}  // namespace elog
