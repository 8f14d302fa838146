#pragma once
// The log image of the 1in and 2in scales: rows of five records, or of two and three in turn. Each row
// is drawn as its last record (the one its depth line belongs to), so the painters run as on a
// one-record-a-row log over those records (the geometry's view top is the line above the first row):
// grid strips, each row's gas curves and, from the second row on, its slide bars, connection and trip
// marks and the mud weights of the record five back; then the rate curve, the record and linear
// curves, the depth column and the title band.
#include "logview/depthcolumnoptions.h"
#include "logview/device.h"
#include "logview/draw/curveplotter.h"
#include "logview/draw/gridstrips.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/viewgeometry.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {
class Dc;
}

namespace elog {

struct CompressedImage {
    const logview::ViewGeometry& geometry;  // scale index below 3: a row is drawn as one record
    const logview::Device& device;
    const logview::GridStrips& strips;
    logview::NeighbourPainters& painters;
    logview::Records records;   // consecutive records of the interval, records[0] of `firstDepth`
    std::int32_t firstDepth = 0;
    std::int32_t depthStep = 1;
    std::vector<std::int32_t> rowDepths;  // the depth each row ends on (CompressedRowDepths)
    logview::CurveOptions curve;
    logview::DepthColumnOptions depthColumn;
    std::function<void(platform::Dc&)> trackTitles;  // empty: no band
};

// Draws the rows with the first one's top at the geometry's top margin. Returns the rows drawn.
int DrawCompressedImage(platform::Dc& dc, const CompressedImage& image);

}  // namespace elog
