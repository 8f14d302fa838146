#pragma once
// The small markers the paint paths share: the report markers beside the rate track and in the gas
// track (shows, DSTs, daily reports, downtime notes), the two depth triangles that flank the lithology
// column, and the slide-drilling bars of the rate track.
#include "logview/device.h"
#include "logview/draw/depthcolumn.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <cstdint>
#include <span>

namespace platform {
class Dc;
}

namespace logview {

// A marker depth table: walked up to its first 0 entry or its length, whichever comes first.
using DepthTable = std::span<const std::int32_t>;

// The report markers of the depths in the window given (the paint passes from = view top depth and to =
// the depth of the last record drawn + 2). Each is a box whose bottom lies on the depth's line, with its
// letter centred at the box's top:
//   shows (from < d < to): red, "S", beside the rate track's right edge
//   DSTs (from - 2 < d < to + 2): green, "D", the same place
//   daily reports (from - 2 < d <= to + 2): yellow with the Dc's pen, "R", the same place
//   downtime notes (from - 2 < d <= to + 2): magenta with the Dc's pen, "DTR", in the gas track
// A marker beside the rate track at a depth the depth column numbers (`numbers`) stands left of the
// number's box, so that both read.
void DrawShowMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable shows, std::int32_t from, std::int32_t to,
                     const DepthNumberPlaces& numbers = {});
void DrawDstMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable dsts, std::int32_t from, std::int32_t to,
                    const DepthNumberPlaces& numbers = {});
void DrawReportMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable reports, std::int32_t from, std::int32_t to,
                       const DepthNumberPlaces& numbers = {});
void DrawDowntimeMarkers(platform::Dc& dc, const ViewGeometry& g, DepthTable notes, std::int32_t from, std::int32_t to);
// The left edge of the marker box beside the rate track: 2 rows left of the track's right edge, or of the
// depth numbers' box with half a unit between (the digits reach a little left of their box) where the
// marker would stand over a number.
int MarkerLeft(const ViewGeometry& g, const DepthNumberPlaces& numbers = {});

// Two black triangles on the depth line y, one on each side of the lithology column (on paper the
// printer's lithology column), 1.5 rows high and 1.5 cells wide, pointing outward. Returns 1.
int DrawDepthMarkers(platform::Dc& dc, const ViewGeometry& g, const Device& device, int y, int rowHeight);

// The slide bars of up to ten consecutive records from startY, one step of trunc(0.2 x row height)
// each: on the screen a 6-pixel line 2 pixels right of the rate track's left edge, on paper a filled
// rectangle columnWidth wide at the printer's rate track. `colour` 0 while printing makes the bars
// black (a monochrome print). Returns 1.
int DrawMarkerLines(platform::Dc& dc, const ViewGeometry& g, const Device& device, std::span<const wellfile::RECORD> records,
                    int colour, int rowHeight, int columnWidth, int startY);

}  // namespace logview
