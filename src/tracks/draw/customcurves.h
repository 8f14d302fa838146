#pragma once
// The curves of the custom tracks: up to 12 curves in each track, each the data item its curve code
// names (tracks/curvevalues.h), drawn down the track on a linear or logarithmic scale as a line or as an
// area filled to the track's base edge. Around them: the scale labels every 50 depth units (200 on paper,
// in log images and ten records a row), a red "SCALE CHANGE TO %d" where a record changes the maximum of
// the gas curves, "WRAT" and "BRAT" beside the wetness and balance ratios every 100 units, the band
// between those two ratios on ratio tracks and the porosity crossover on porosity tracks. The same call
// draws the screen, log images, paper (the printer object) and the instant repaints of a new step.
//
// The painter reads the working track set, pens and label font of the custom-track object; it writes
// the maximum and scale factor of a gas curve at a scale change into the working set only, and lowers
// the object's custom data end depth to the file's last depth.
#include "layout/custchartcfg.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/curvevalues.h"
#include "tracks/elogview.h"
#include "tracks/painterstate.h"
#include "wellfile/customdata.h"
#include "wellfile/record.h"

#include <cstdint>
#include <span>

namespace platform {
class Dc;
}

namespace tracks {

// The rows of one paint.
struct CustomCurveRows {
    // From the depth record of the top line: the record of row k is records[k + 1]. The walk stops at a
    // record of depth 0 and at the end of the span.
    std::span<const wellfile::RECORD> records;
    // The custom-data records; custom[first] belongs to row 0, custom[first - 1] (when there is one) to
    // the top line.
    std::span<const wellfile::CUSTDATAREC> custom;
    std::size_t first = 0;
    int topY = 0;        // y of the top line
    int rows = 0;        // rows to draw: the visible rows + 1, 2 for an instant repaint
    int rowHeight = 10;
    std::int32_t stopDepth = 0;  // the last depth drawn
};

// What the instant repaints of one new step leave out.
enum InstantRepaint : int { kFullPaint = 0, kDrillingStepRepaint = 1, kWitsStepRepaint = 2 };

// Draws the curves of the tracks to paint. `values` are the window's settings of the curve values; the
// data file's depths come from `g` and the custom data end depth, motor factor and lag settings from the
// object. Before the curves the remembered mud weights of `state` are set from the data file's records
// in the 500 units above the first custom record (the object's host's well; none read within 550 units
// of the file's first depth). `instantMode` 1 (a drilling step) leaves the gas curves, codes 1-8, out.
void PaintCurves(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                 const logview::Device& device, const CustomCurveRows& in, const CurveValueSettings& values,
                 const ElogView* elog, PainterState& state, int instantMode);

}  // namespace tracks
