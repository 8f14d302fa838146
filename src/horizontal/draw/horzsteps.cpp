// The steps of the drawing that other parts of the view fill: the band layout, the well path and its
// lithology, the track points, the pictures and lithology tiles, the target, tops, survey labels, header,
// panels, custom tracks and notes. Until they are filled each does nothing, and the bands stand in a
// plain even layout so that the rows and curves of the plot have their places.
#include "horizontal/draw/horzplot.h"

namespace horizontal {

namespace {

void EvenBands(HorzPlot& plot)
{
    HorzBands& b = plot.bands;
    const int h = plot.height;
    b.pathTop = h / 20;
    b.pathBottom = h * 45 / 100;
    b.lithTop = b.pathBottom;
    b.lithBottom = h / 2;
    b.pictureSize = std::max(1, h / 12);
    b.pictureBottom = b.lithBottom + b.pictureSize + 4;
    b.rowUnit = std::max(1, h / 120);
    b.rowCounts = {3, 3, 3};
    b.showBottom = b.pictureBottom + 9 * b.rowUnit + 4;
    b.hardnessHeight = 3 * b.rowUnit;
    b.hardnessBottom = b.showBottom + b.hardnessHeight + 2;
    b.gasBottom = (b.hardnessBottom + h) / 2;
    b.rateBottom = b.gammaBottom = h - 2;
    b.rowsRight = plot.width;
}

}  // namespace

HorzPainters DefaultPainters()
{
    HorzPainters p;
    p.bandLayout = EvenBands;
    // Two track points a record: the rows and marks walk half as many records as there are points.
    p.trackPoints = [](HorzPlot& plot) { return 2 * plot.toDraw; };
    return p;
}

}  // namespace horizontal
