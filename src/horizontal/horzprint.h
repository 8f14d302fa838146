#pragma once
// The arithmetic of printing the horizontal view, one page at a time: how much of the view image goes on
// each page and where, the running position from page to page, and the rules of the view's pictures
// (their depth from the name, the ones in the plotted range and the boxes marking them). No drawing here.
#include "elog/pictures.h"
#include "platform/gdi.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace horizontal {

// The print scale code the view writes into the window: 1, 2 or 5.
int PrintScaleCode(int pixelsPerUnit);
// Printer pixels down per image pixel per row height, by the screen's height in pixels.
float ScreenHeightFactor(int screenHeight);

struct HorzPrintInput {
    float rowHeight = 0;          // the print row height (printer pixels)
    int secondRowHeight = 0;      // the second print row height
    int screenHeight = 0;
    bool halveScale = false;      // the print option that halves the horizontal scale
    bool onePageLess = false;     // the window's flag that makes the page count one less
    float pageLength = 0;         // of the run's settings
    int pixelsPerUnit = 8;
    std::int32_t plotFirstDepth = 0, plotLastDepth = 0, drawFrom = 0;
    int plotLeft = 50;
    bool drawHeader = false;
    int imageWidth = 0, imageHeight = 0;
};

// What the view keeps from page to page.
struct HorzPrintPosition {
    float position = 0;  // the image x where the next page starts
    int rightEdge = 0;   // the image x where printing ends
    int pagesLeft = 0;
};

struct BlitRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const BlitRect&) const = default;
};
struct HorzBlit {
    BlitRect source, destination;
};

enum class HorzPageFailure { None, InvalidRange, NoGeometry };

struct HorzPagePlan {
    HorzPageFailure failure = HorzPageFailure::None;
    int scaleCode = 1;
    int top = 0;
    float sx = 0, sy = 0, pageWidth = 0, unitsPerPage = 0;
    std::optional<HorzBlit> header;  // page 1 with the header on and a start past the plot's first depth
    HorzBlit slice;
    int result = 0;  // what the page returns once its blits succeed
};

// One page: the start depth is raised into the plot as the run's settings keep it, `at` moves on to the
// next page. On a failure nothing is to be drawn and the page returns 0.
HorzPagePlan PlanHorzPage(const HorzPrintInput& in, std::int32_t& startDepth, std::int32_t endDepth,
                          HorzPrintPosition& at, int page);

// The found pictures sorted by depth (stable), and those strictly inside the plot's range (first + 2, last).
void SortPictures(std::vector<elog::PictureEntry>& found);
std::vector<elog::PictureEntry> PicturesInRange(const std::vector<elog::PictureEntry>& found,
                                                std::int32_t plotFirstDepth, std::int32_t plotLastDepth);
// The box marking a picture at image x `x` above the path area.
platform::RECT PictureBox(int x, int pathTop);
// The index of the box holding (x, y), else -1.
int PictureBoxAt(const std::vector<platform::RECT>& boxes, int x, int y);

}  // namespace horizontal
