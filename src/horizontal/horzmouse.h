#pragma once
// The rules behind the horizontal view's mouse, as plain values: the TVD under a point, the draw-from
// depth a Ctrl-click in the margin sets, lithology markers placed and found again, the measuring
// read-out, a dropped note, the point box's entry and text, and the limits a move is held to. The
// window's handlers (ui/horzmouseui.*) read the drawn plot into a MouseGeometry and carry them out.
#include "horizontal/horzpipeline.h"
#include "horizontal/horzsetup.h"
#include "horizontal/horztrack.h"
#include "platform/gdi.h"
#include "wellfile/memorecords.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>

namespace horizontal {

// What the handlers read of the drawn plot and of the window; x and y are window points.
struct MouseGeometry {
    int plotLeft = 50, scroll = 50, pixelsPerUnit = 8;
    std::int32_t plotFirstDepth = 0, plotLastDepth = 0;
    int pathTop = 0, plotBottom = 0, lowerBase = 0, lithBandTop = 0, gasBase = 0;
    int imageWidth = 0, clientRight = 0;
    std::span<const wellfile::HorzSection> sections;  // those in use; none reads as one flat section at TVD 0

    // The image column under window column x.
    int ImageColumn(int x) const { return x + (scroll - plotLeft); }
    std::int32_t DepthAt(int x) const { return DepthAtColumn(x, scroll, plotLeft, pixelsPerUnit, plotFirstDepth); }
};

// The TVD at window point (x, y) in the section under the column, truncated; a section without a
// scale gives its start TVD.
std::int32_t TvdAtPoint(const MouseGeometry& g, int y, int x);

// A Ctrl-click 2 to 50 pixels left of plotLeft with at most one section in use: the new draw-from
// depth (the TVD clicked in the path area, else 100 shallower than `drawFrom`; not below 0). None when
// the click is not one.
std::optional<std::int32_t> MarginDrawFrom(const MouseGeometry& g, int sectionsInUse, bool ctrl, int x, int y,
                                           std::int32_t drawFrom);
// The record takes the draw-from depth and, above 0, the first section's start TVD.
void StoreDrawFrom(wellfile::HorzSetupRecord& r, std::int32_t drawFrom);

// A marker of `symbol` placed at (x, y). `pathY` is the well path's y under the point, used when the
// lithology rides on the path; else the offset counts from the lithology band's top.
wellfile::HorzMarker PlaceMarker(const MouseGeometry& g, int symbol, int x, int y, bool onWellTrack, int pathY);
// The first placed marker whose MD lies at most 5 units before `depth` (-1: none); a double click
// finds one only right of plotLeft and inside the path area to the plot's bottom.
int MarkerAt(std::span<const wellfile::HorzMarker> markers, std::int32_t depth);
bool InMarkerArea(const MouseGeometry& g, int x, int y);
void ClearMarker(wellfile::HorzMarker& m);
// The record's markers: the placed ones packed in order, their number in markerCount.
void StoreMarkers(wellfile::HorzSetupRecord& r, std::span<const wellfile::HorzMarker> markers);

// The measuring read-out from the anchor to (x, y): TVD, MD and the inclination of the line.
struct MeasureAnchor {
    platform::POINT at;
    std::int32_t md = 0, tvd = 0;
};
QString MeasureReadout(const MouseGeometry& g, const MeasureAnchor& a, int x, int y);

// A dragged note dropped with its left at window x and its top at y: its depth from x (past
// plotLastDepth or above the file's first depth: plotLastDepth - 50), its box at that depth's x + 2
// (size kept), a top near the gas base set just below it; the bottom flags go when it moved more than
// 50 units from `depthAtPress`, the gas-base flag always.
void DropNote(wellfile::HTEXTEX& note, const MouseGeometry& g, int x, int y, std::int32_t depthAtPress,
              std::int32_t fileFirstDepth);

// The well-path table entry under window column x, held to the `rows` entries walked (-1: none).
int PointBoxEntry(const MouseGeometry& g, int x, int rows);
// The point box's text for entry i: its MD, inclination, azimuth, TVD and VS (between stations each
// on the line between the one before and the one after; past the last station the TVD holds and the
// VS grows by the MD), hot wire and rate; KB the kelly bushing.
QString PointInfoText(std::span<const WellPathRow> table, int rows, int i, std::int32_t plotLastDepth, float kb);

// A move near the view's edges is held inside and ends the action there.
struct HeldMove {
    int x = 0, y = 0;
    bool held = false;
};
HeldMove HoldMove(const MouseGeometry& g, int x, int y);

}  // namespace horizontal
