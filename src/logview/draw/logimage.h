#pragma once
// The log image: the whole well at ten depth units a row (lithology, gas, the rate curve and a few
// columns), drawn once into an image of the image library and then squeezed into the strip beside the
// log with two blue dash-dot lines where the view stands. The view's services (logview/ui/logimage.h)
// make the image, keep it in ViewBitmaps and call these.
#include "logview/device.h"
#include "logview/draw/curveplotter.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/logimagegeometry.h"
#include "logview/viewgeometry.h"

#include <QImage>

namespace platform {
class Dc;
}

namespace logview {

struct LogImageFrame {
    // The build's own copy of the view's geometry: scale index 3, the gas track moved to lithology left +
    // 15 units, and the image's height as its bottom; the window's own geometry never changes.
    const ViewGeometry& geometry;
    const Device& device;
    NeighbourPainters& painters;
    Records records;  // the whole file from its first record, cleared past the last
    int rows = 0;     // (last - first) / 10
    int width = 0, height = 0;
    CurveOptions curve;
};

// The build's geometry from the window's: see LogImageFrame::geometry.
ViewGeometry LogImageGeometry(const ViewGeometry& window, int imageHeight);

// Draws the image on `dc` (an image of frame.width x frame.height): the light-blue ground, each row's
// lithology, gas and slide bars from the record after the first ten, then the rate curve, the
// chromatograph track (by profile), the fluorescence, porosity and rating columns. Returns the last row.
int DrawLogImage(platform::Dc& dc, const LogImageFrame& frame);

// Stretches the whole image into the strip (nearest pixel) and draws the marker lines at 0.75 of a row
// above and below `imageY`. False when the stretch failed: no lines then.
bool StretchImageIntoStrip(platform::Dc& dc, const QImage& image, const LogImageStrip& strip, int imageY, int rowHeight);

}  // namespace logview
