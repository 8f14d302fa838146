#pragma once
// The depth column of the log. DrawSurveyColumn draws all of it for a run of consecutive records, not
// only the surveys: the depth numbers and their boxes, the ten-unit depth lines across the rate and gas
// tracks, the rate and gas scale heads repeated down the log, the lag time every hundred units and the
// survey of each station (a line of text, a five-line block or a small marker). The window paint, the
// compressed body, the image export, drilling's new depth step and the printout all call it, the
// printout with the printer's row height, unit and page y and a paper Device.
#include "logview/depthcolumnoptions.h"
#include "logview/device.h"
#include "logview/draw/scalelabels.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace logview {

// Walks `count` records of `records` from index `first` (scale index 3: five records a row, so the
// caller passes five times its rows), the first row's top at `topY`, each next row `rowHeight` lower.
// The walk stops at a record of depth 0, past the file's last depth or at the end of `records`; records
// before `first` are read only to compare scale codes and to find a recent survey, never past the
// span's start. Puts back the Dc's objects, colours, alignment and background mode. Returns 1.
int DrawSurveyColumn(platform::Dc& dc, const ViewGeometry& g, const Device& device, const DepthColumnOptions& options,
                     std::span<const wellfile::RECORD> records, std::size_t first, int count, int rowHeight,
                     int unitWidth, int topY, const ElogRateScale& elog = {});

// Where the screen's depth column writes its numbers for a run from `firstDepth`: at every depth that is a
// multiple of `step`, in the box from x `left` to `right`.
struct DepthNumberPlaces {
    int step = 0;  // 0: no numbers
    int left = 0;
    int right = 0;
};
DepthNumberPlaces ScreenDepthNumbers(const ViewGeometry& g, const DepthColumnOptions& options, std::int32_t firstDepth);

// Which lengths of the screen's ten-unit depth line DrawScreenDepthLine draws.
enum DepthLineParts : unsigned {
    DEPTH_LINE_RATE = 1,
    DEPTH_LINE_CUT = 2,
    DEPTH_LINE_FLUORESCENCE = 4,
    DEPTH_LINE_GAS = 8,
    DEPTH_LINE_ALL = 15,
};

// The screen's depth line under `depth` (a multiple of the tick step), whose row of `rowHeight` starts
// at `y`: across
// the rate track, the cut and fluorescence columns where the layout draws it there, and the gas track;
// under a fiftieth depth a heavier line one pixel lower. A row repaint draws again the lengths whose
// background it restored. Puts back the Dc's pen.
void DrawScreenDepthLine(platform::Dc& dc, const ViewGeometry& g, const DepthColumnOptions& options,
                         std::int32_t depth, int y, int rowHeight, unsigned parts = DEPTH_LINE_ALL);

// The survey marker at depth line `y`: a black triangle `height` high and one lithology cell wide, two
// cells left of the lithology column, with a flag line rising from it (paper: the printer's lithology
// column and print pen 15). Returns 1.
int DrawSurveyMarker(platform::Dc& dc, const ViewGeometry& g, const Device& device, int y, int height);

}  // namespace logview
