#pragma once
// The scale labels of the custom curves: for every curve of a curve track, its value at the left edge,
// its name and its value at the right edge, one curve under the other. Inside the log at the label rows
// of the custom curve painter, and in the title strips.
//
// `records` start at the depth record of the paint's top line (empty: none). One record is consulted per
// curve with a code, over all tracks, and no further than the records given: a gas curve (codes 1-8)
// whose record holds a custom gas scale value above 8 is labelled with it as its maximum, which is
// written into the working track set. Tracks of types 3, 30, 13 and 14 and tracks without blocks get no
// labels.
#include "layout/custchartcfg.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <span>

namespace platform {
class Dc;
}

namespace tracks {

// The labels of a label row at y: drawn only between the log's top line + 10 and `bottomY`; on the
// printer object never lower than 30 rows above `bottomY`.
void DrawCurveScaleLabels(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                          const logview::Device& device, std::span<const wellfile::RECORD> records, int y, int bottomY,
                          int rowHeight);
// The labels of a title strip: always drawn, set in from the track's edges and closer together.
void DrawTitleScaleLabels(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                          const logview::Device& device, std::span<const wellfile::RECORD> records, int y, int bottomY,
                          int rowHeight);

}  // namespace tracks
