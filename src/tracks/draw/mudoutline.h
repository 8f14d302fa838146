#pragma once
// Two one-record painters: the mud weights in and out as bars with their values over the gas track (or
// in a custom-track cell), and the interval outlines beside the curve track: brackets for the top,
// inside and bottom of an interval and the outline's text one character a row.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

namespace platform {
class Dc;
}

namespace tracks {

// The mud weights of `rec` above 2.0: "out" on the row's line y, "in" one row higher, each a bar from
// x (0: the gas track's left) of 0.025 x the gas track's units x its unit per unit of weight (a cell
// `cellWidth` wide: cellWidth / 30) with its value written at its end. Over the gas track the values
// go to the device's later labels when it lists them, and the bars to its drawn boxes.
void DrawMudInOut(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const wellfile::RECORD& rec, int cellWidth, int rowHeight, int y, int x);

// The narrow and wide interval outline codes of `rec` on the row at y: 2 the top of an interval, 1
// inside, 3 the bottom, 4 to 255 one character of the outline's text; other codes draw nothing.
void DrawTextColumn(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const wellfile::RECORD& rec, int y, int rowHeight);

}  // namespace tracks
