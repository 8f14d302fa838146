#pragma once
// The 5in log image drawn band by band: each band is the screen's paint (PaintLog through
// DrawImageLog) of the rows that reach it, drawn in the whole image's coordinates into a band-high
// image and handed to the output, so the image may be as long as the well whatever memory the
// machine has. The output may ask for a second run (its colours outgrew an exact palette).
#include "elog/draw/imageoutput.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"

#include <cstdint>
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

struct BandedLogImage {
    std::int32_t start = 0;  // the depth above the first row (the paint's view top)
    int rows = 0;
    int originY = 0;         // y of the first row: below the header page when it is drawn
    int width = 0;
    int height = 0;
    int bits = 24;           // the colour mode's; 1 draws the 1-bit image's way
    bool header = false;
    long long bandPixels = kImageBandPixels;
};

// The geometry of a log image: the log's columns; `rows` rows from `originY`, `top` the depth above the
// first; as tall as the image.
logview::ViewGeometry ImageGeometry(const app::LogState& log, std::int32_t top, int rows, int originY, int height);
// What the painters draw on: a log image, of 1 bit (no background fills) or more.
logview::Device ImageDevice(int bits);
// The frame around a whole image `width` x `height`.
void ImageFrame(platform::Dc& dc, int width, int height);

// Draws the image into `out` and finishes it: the library's code, or nothing when the records of a
// band could not be had (no memory). The window's view top and visible rows are left changed: the
// caller puts them back.
std::optional<int> DrawLogImageInBands(app::LogState& log, LogImageOutput& out, const BandedLogImage& image);

}  // namespace elog
