#pragma once
// A log image drawn band by band: each band is the paint of the rows that reach it (at 5in the screen's
// paint, PaintLog through DrawImageLog), drawn in the whole image's coordinates into a band-high image
// and handed to the output, so the image may be as long as the well whatever memory the machine has.
// The output may ask for a second run (its colours outgrew an exact palette).
#include "elog/draw/imageoutput.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace app {
struct LogState;
}
namespace platform {
class Dc;
}

namespace elog {

// Pixels a band holds at most (a band is at least a few rows high).
constexpr long long kImageBandPixels = 8'000'000;

// An image drawn in bands: its rows of `rowHeight` from `originY`, its size.
struct BandedImage {
    int rows = 0;
    int rowHeight = 1;
    int originY = 0;  // y of the first row: below the header page when it is drawn
    int width = 0;
    int height = 0;
    int above = 0;    // rows over a band whose records may draw into it (at least a hundred are taken)
    long long bandPixels = kImageBandPixels;
};
// Draws band `b` into `dc`, which takes the whole image's coordinates; false when the records of the
// band could not be had.
using BandPainter = std::function<bool(platform::Dc& dc, const ImageBand& b)>;
// Draws the image band by band (each in the whole image's frame) into `out` and finishes it: the
// library's code, or nothing when a band could not be drawn.
std::optional<int> DrawImageInBands(LogImageOutput& out, const BandedImage& image, const BandPainter& paint);

// The 5in image: each band the screen's paint of its rows, from the depth `start` above the first row,
// in the colour mode's `bits`, with the title band (the header page) when `header`. The window's view top
// and visible rows are left changed: the caller puts them back.
std::optional<int> DrawLogImageInBands(app::LogState& log, LogImageOutput& out, BandedImage image, std::int32_t start,
                                       int bits, bool header);

// The geometry of a log image: the log's columns; `rows` rows from `originY`, `top` the depth above the
// first; as tall as the image.
logview::ViewGeometry ImageGeometry(const app::LogState& log, std::int32_t top, int rows, int originY, int height);
// What the painters draw on: a log image, of 1 bit (no background fills) or more.
logview::Device ImageDevice(int bits);
// The frame around a whole image `width` x `height`.
void ImageFrame(platform::Dc& dc, int width, int height);

}  // namespace elog
