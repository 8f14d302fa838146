#pragma once
// The one-record-per-row paint of the log window: grid strips for every row, the bottom closing lines,
// each row's tracks through the neighbour painters with the connection, trip and slide marks, then the
// whole-log curves and columns, the report markers, short reports, pictures, track titles, custom tracks,
// memos and scale heads. The view's services gather a PaintFrame from the window's state (reading the
// records first) and write the PaintResult back; this draws and never sees the state.
#include "logview/depthcolumnoptions.h"
#include "logview/device.h"
#include "logview/draw/curveplotter.h"
#include "logview/draw/gridstrips.h"
#include "logview/draw/markers.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <cstdint>
#include <functional>

namespace platform {
class Dc;
}

namespace logview {

struct PaintFrame {
    const ViewGeometry& geometry;  // the view top already made even and clamped (PaintTop)
    const Device& device;
    const GridStrips& strips;
    NeighbourPainters& painters;

    // The record buffer: record 0 is the view top's, row i shows record i + 1. `count` records were read
    // (with a drag entry, the read count); the paint never reads past the buffer.
    Records records;
    int count = 0;
    bool dataFile = true;      // a data file is named: without one only the strips and closing lines
    bool dragEntry = false;    // the records are a running data entry's

    bool gasPercentOfTotal = false;  // the menu's gas as percent of total
    bool singleGas = true;           // the gas track has one part
    int flareMode = 0;               // 0 flare polygon, other: flare track
    bool elogShown = false;          // a shown e-log curve is loaded: the e-log gas strip
    float gammaLag = 0;              // depth units
    bool horizontalBar = false;      // the window shows its horizontal scroll bar
    DepthTable shows, dsts, reports, downtime;
    bool shortReports = false;       // short reports exist and are not hidden
    bool pictures = false;
    bool imageMarkers = false;
    // A log image is drawn: no data curve and no scale heads; the pictures stand one row a record from
    // 25 rows below the first row.
    bool imageLog = false;
    bool memos = false;              // the well has memos
    // The custom-data records, row 0's first; absent: no custom tracks this paint.
    CustomRecords custom;
    // The offset well's records from the one above its first row; empty when no offset curve is drawn.
    Records offsetRecords;
    CurveOptions curve;               // the rate curve's memory and mode
    DepthColumnOptions depthColumn;   // what the depth column reads besides the geometry
    // Draws the title band (the Dc's viewport origin is the log's); empty: no band.
    std::function<void(platform::Dc&)> trackTitles;
};

struct PaintResult {
    std::int32_t logBottomY = 0;   // below the last grid strip
    std::int32_t lastRowY = 0;     // the row y where the row loop ended
    std::int32_t rowCounter = 0;
    std::int32_t rows = 0;         // rows the last row loop went through
    std::int32_t lineEndX = 0;     // right end of the bottom closing line in the gas track
    std::int32_t bottomDepth = 0;  // depth of the record the row loop stopped at
    int stopIndex = 0;             // that record's index in the buffer
    bool moreBelow = false;        // the log goes on below the window
    bool redrawPending = false;    // the off-screen log is owed (horizontal bar, no drag entry)
    bool noDataFile = false;       // only the strips and closing lines were drawn
};

// Draws the frame on `dc`, whose viewport origin it sets to (-horizontal scroll, 0) and puts back.
PaintResult PaintLog(platform::Dc& dc, const PaintFrame& frame);

// Profiles that mark connections and trips with a box ("KD", "TRIP") in the gas track.
bool BoxedConnectionMarks(int profile);

}  // namespace logview
