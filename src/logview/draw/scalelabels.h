#pragma once
// The numbers of the rate track's scale, written across the track just above the row where the scale
// starts or changes, on the screen or on paper: minutes per depth unit by the record's minutes code
// (1-9, 9 logarithmic), or depth units per hour by its per-hour code when rates are shown per hour.
// The numbers sit on the heavy lines of the grid strip of the same scale.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

namespace platform {
class Dc;
}

namespace logview {

// What the rate scale labels read of the well's e-log curve set.
struct ElogRateScale {
    bool loaded = false;         // a curve set is loaded
    bool displayOption = false;  // the e-log display option: with a loaded set no rate labels
    bool curvesOption = false;   // the e-log curves option: curves on the printed log
    bool rateTrackFlag = false;  // the set's scale is printed in the rate track's head
    int scaleIndex = 0;          // 0-8: full scale 25, 50, 100, 150, 200, 300, 500, 800, 1500
    platform::COLORREF colour = 0;
};

// Draws the rate scale of `rec` for the row at `y`: the labels' line is `unitOffset` above y (per hour:
// `hourOffset`, through DrawScaleText). Puts back the Dc's font and background mode; the alignment is
// left centred at the top.
void DrawScaleLabels(platform::Dc& dc, const ViewGeometry& g, const Device& device, const wellfile::RECORD& rec,
                     int y, int hourOffset, int unitOffset, const ElogRateScale& elog = {});

// The per-hour form: four labels of the record's per-hour code (or profile 74's logarithmic three).
void DrawScaleText(platform::Dc& dc, const ViewGeometry& g, const Device& device, const wellfile::RECORD& rec, int y,
                   int offset, const ElogRateScale& elog = {});

}  // namespace logview
