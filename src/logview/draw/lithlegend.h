#pragma once
// The lithology legend: labelled sample boxes of 22 rock types, a row of the six custom rock types and a
// row of five accessories under "ACCESSORIES", each with the legend's own small symbol (not the column's
// patterns). The shale, volcanic and custom colours and the custom labels come from the pen table, so a
// colour changed there changes the legend too. The title row and the header page of a log image draw it.
#include "layout/pentable.h"
#include "logview/viewgeometry.h"

namespace platform {
class Dc;
}

namespace logview {

struct LithLegendFlags {
    bool imageRender = false;        // a log image is rendered: the default origin moves into the lithology column
    bool oneBitImage = false;        // one bit per pixel: only Dolo and Coal keep their own fill
    bool colourPrinting = false;     // the fracture diamonds get red outlines
    bool customTracksShown = false;  // with a custom-track set, the default origin is 55 rows down
};

// Draws the block with its origin at (x, y); x <= 0 takes the default origin (porosity column left, or
// lithology column left + 5 U for an image; 3.5 rows down, or 55 rows with custom tracks shown) and y is
// not read. Labels stand on their baseline in the Dc's text colour; the boxes are drawn in the Dc's
// starting pen. Puts back the Dc's pen, brush, font, alignment and background mode. Returns 1.
int DrawLithLegend(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens, const LithLegendFlags& flags,
                   int x, int y);

// One symbol of the legend, kind 1-6, 8, 10-17, 22-26, 30, 37, 39 or 40 (any other kind draws nothing), with
// its reference point at (x, y) and `width` its horizontal repeat. Lines are black; closed figures take
// the brush in force. Returns 1.
int DrawLithLegendSymbol(platform::Dc& dc, const ViewGeometry& g, const LithLegendFlags& flags, int kind, int x, int y,
                         int width);

}  // namespace logview
