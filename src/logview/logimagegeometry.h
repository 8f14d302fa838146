#pragma once
// The numbers of the log image: the overview of the whole well drawn once at ten depth units a row and
// squeezed into a strip at the right of the log window, with two dash-dot lines where the view stands.
// GUI-free: the build, the stretch, the mouse handlers and the tests share them.
#include <cstdint>

namespace logview {

// Wells longer than this many depth units get no image.
constexpr std::int32_t kLogImageMaxSpan = 10000;

// Where the image is shown, in window pixels; top is 0.
struct LogImageStrip {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t width = 0;  // right - left
};

struct LogImageStripInputs {
    std::int32_t logRight = 0;       // right edge of the log rectangle
    std::int32_t logBottom = 0;      // its bottom edge
    std::int32_t logWidth = 0;       // right edge of the log's columns
    std::int32_t scrollBarWidth = 0;
    std::int32_t unitWidth = 10;
    std::int32_t clientWidth = 0;
    int profile = 0;
    bool singleGas = true;           // the gas track has one part
};

bool LogImageFits(std::int32_t first, std::int32_t last);
// Rows of ten depth units, and the image's height for them: four rows and 100 pixels more.
std::int32_t LogImageRows(std::int32_t first, std::int32_t last);
std::int32_t LogImageHeight(std::int32_t rows, std::int32_t rowHeight);
// The strip's width by profile, and its place: right of the depth scroll bar, moved left to end at the
// window's right edge when it would run past it (not for the single-gas and chromatograph layouts).
LogImageStrip PlaceLogImageStrip(const LogImageStripInputs& in);
// Strip pixels per depth unit; 0 for a well of one record (no division by zero).
float LogImagePixelsPerUnit(std::int32_t stripBottom, std::int32_t first, std::int32_t last);
// The strip y of depth `d`, truncated.
std::int32_t LogImageY(std::int32_t d, std::int32_t first, float pixelsPerUnit);
// The two marker lines: 0.75 of a row above and below the view top's y, each truncated.
struct MarkerLines {
    std::int32_t above = 0, below = 0;
};
MarkerLines LogImageMarkerLines(std::int32_t imageY, std::int32_t rowHeight);
// The depth of strip y (a click in the strip): first + span x y / strip bottom, truncated.
std::int32_t LogImageDepthAt(std::int32_t y, std::int32_t stripBottom, std::int32_t first, std::int32_t last);

}  // namespace logview
