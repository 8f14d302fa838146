#pragma once
// The horizontal view's zoom, scroll and button placement: plain arithmetic on the view's numbers, so
// the window only applies the results.
#include <cstdint>

namespace horizontal {

// A zoom step's outcome: the new draw-from depth, whether the step hit its limit (the view beeps and
// disables that button), and the record's keep-draw-from flag after a zoom out.
struct ZoomResult {
    std::int32_t drawFrom = 0;
    bool atLimit = false;
    bool keepDrawFrom = false;
    bool changed = false;  // false: the command does nothing
};

// Zoom in: 10 deeper within 50 of the greatest TVD or with Ctrl, else 50; held between the least TVD
// and the greatest TVD - 10.
ZoomResult ZoomIn(std::int32_t drawFrom, std::int32_t leastTvd, std::int32_t greatestTvd, bool ctrl);
// Zoom out: the same steps shallower, down to the floor 0.
ZoomResult ZoomOut(std::int32_t drawFrom, std::int32_t greatestTvd, bool ctrl);

struct Box {
    int x = 0, y = 0, width = 0, height = 0;
};

// The bottom row of the view's client area (height `clientHeight`, width `clientWidth`).
struct ViewControls {
    Box scrollBar;
    Box setup, viewHeader, zoomIn, zoomOut;
    bool zoomShown = false;
    bool setupShown = true;
};
// `scrollHeight` is the scroll bar's height (20); zoom buttons show with one section and more than two
// records over 85 degrees; SETUP hides on a viewer station.
ViewControls PlaceControls(int clientWidth, int clientHeight, int scrollHeight, int sectionCount, int highAngleCount,
                           bool viewerOption);

// The scroll range: from plotLeft to the image width less the client width (plus plotLeft).
struct ScrollRange {
    int minimum = 0, maximum = 0;
};
ScrollRange RangeOf(int plotLeft, int imageWidth, int clientWidth);

enum class ScrollCode { LineLeft, LineRight, PageLeft, PageRight, Thumb, Other };
// The next scroll position: lines move 200 pixels, pages 500, held in RangeOf.
int NextScroll(int position, ScrollCode code, int thumb, int plotLeft, int imageWidth, int clientWidth);

constexpr int kHeaderWidth = 500;
constexpr int kPlotLeftPlain = 50;

}  // namespace horizontal
