#pragma once
// The log body of the compressed scales (scale index 3 and up): five depth records a row, drawn straight
// onto the paint's Dc. Grid strips, then each row's lithology, gas, slide bars, connection and trip marks
// and mud weights through the neighbour painters (each gets the row's first record and averages the
// five itself), the depth column, the whole-log curves and columns, the offset well's curve, the show,
// DST and report marks, the titles, custom tracks, short reports and memos. The view's services gather
// a BodyFrame from the window's state (reading the records first) and write the BodyResult back.
//
// Whole-log painters get the records of the rows they cover, five a row, from the first row's record.
#include "logview/depthcolumnoptions.h"
#include "logview/device.h"
#include "logview/draw/curveplotter.h"
#include "logview/draw/gridstrips.h"
#include "logview/draw/markers.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/viewgeometry.h"

#include <cstdint>
#include <functional>

namespace platform {
class Dc;
}

namespace logview {

struct BodyFrame {
    const ViewGeometry& geometry;  // the view top already by the compressed top rule
    const Device& device;
    const GridStrips& strips;
    NeighbourPainters& painters;

    Records records;        // the record buffer, read from five records above the view top
    int firstElement = 5;   // the buffer index of the view top's record
    bool dragEntry = false; // the records are a running data entry's
    bool elogShown = false; // a shown e-log curve is loaded: the e-log gas strip
    int flareMode = 0;      // 0 flare polygon, other: flare track lines
    float recordCurveOffset = 0;  // depth units below the first depth before the record curve starts
    bool horizontalBar = false;
    bool markFont = false;  // the compressed marks' letters in the view's mark font
    DepthTable shows, dsts, reports;
    bool shortReports = false;
    bool memos = false;
    // The custom-data records, the view top's first; absent: no custom tracks this paint.
    CustomRecords custom;
    // The offset well's records and how many were kept for its curve; empty when none is drawn.
    Records offsetRecords;
    int offsetKept = 0;
    CurveOptions curve;
    DepthColumnOptions depthColumn;
    std::function<void(platform::Dc&)> trackTitles;  // empty: no band
};

struct BodyResult {
    std::int32_t logBottomY = 0;   // the top of the last visible row
    std::int32_t currentRowY = 0;  // the row y where the rows ended
    std::int32_t rowCounter = 0;
    std::int32_t lineEndX = 0;     // the gas-track right x of the closing line
    std::int32_t bottomDepth = 0;  // the last record of the last drawn row
    int n = 0;                     // the last row drawn, or the visible rows when they ran out
    bool redrawPending = false;    // the off-screen log is owed (horizontal bar, no drag entry)
};

// Draws the body on `dc` at the viewport origin (-horizontal scroll, 0), which it puts back.
BodyResult PaintLogBody(platform::Dc& dc, const BodyFrame& frame);

// The marks of one depth table beside the rate track, on the rows of five records (CompressedMarkY):
//   shows (from < d < to): red, "S" (with the mark font; else "s" half a row higher)
//   DSTs (from < d < to): green, "D" below the box's top
//   reports (from - 2 < d < to + 2): yellow, "R" at the box's top
void DrawCompressedShowMarks(platform::Dc& dc, const ViewGeometry& g, DepthTable shows, std::int32_t from,
                             std::int32_t to, bool markFont);
void DrawCompressedDstMarks(platform::Dc& dc, const ViewGeometry& g, DepthTable dsts, std::int32_t from, std::int32_t to,
                            bool markFont);
void DrawCompressedReportMarks(platform::Dc& dc, const ViewGeometry& g, DepthTable reports, std::int32_t from,
                               std::int32_t to, bool markFont);

// The one connection ("KD", "_c"), casing-point (the depth markers) or trip ("Trip", "TRIP") mark of a
// compressed row whose first record is records[rowElement], on the screen or on paper (the printed
// ten-foot page and the 1 in / 2 in image call it too). The boxed layouts of BoxedConnectionMarks draw a
// box in the gas track and return 0 when the row has no code; the plain layout writes beside the rate
// track, one step lower for each record into the row, and returns 1.
int DrawConnectionTripMarks(platform::Dc& dc, const ViewGeometry& g, const Device& device, Records records,
                            std::size_t rowElement, int rowHeight, int unitWidth, int y);

}  // namespace logview
