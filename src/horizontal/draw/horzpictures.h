#pragma once
// The view's pictures (the well's JPEG files listed, marked with "P" boxes above the plot) and the
// printing of the view image onto the printer, a slice a page.
#include "horizontal/horzprint.h"
#include "platform/draw/dc.h"

#include <QImage>
#include <QString>

#include <functional>
#include <vector>

namespace horizontal {

struct HorzPlot;

// The view's picture lists, rebuilt by every drawing that lists pictures.
struct HorzPictureLists {
    QString folder;  // the pictures folder, ending with '/'
    std::vector<elog::PictureEntry> found, inRange;
    std::vector<platform::RECT> boxes;  // one per picture in range that was drawn
};

// Lists the folder's ".jpg" files (any letter case) sorted by depth and keeps those inside the plot's
// range; false, with the lists as they were, when the folder holds none.
bool ListPictures(HorzPictureLists& lists, std::int32_t plotFirstDepth, std::int32_t plotLastDepth);
// The box of each picture in range, filled in (0,128,255) with a "P", `pathTop` its bottom.
void DrawPictureMarkers(platform::Dc& dc, const HorzPlot& plot, HorzPictureLists& lists);

// The plot's columns [left, left + width) as an image (null when it cannot be made).
using PlotColumns = std::function<QImage(int left, int width)>;
// One printed page of the view image: the header part (page 1) and the page's slice stretched onto the
// printer, the columns asked of `columns` a window's width at a time. Says what failed; returns the
// pages left including this one, 0 after the last or on failure.
int StretchImageTo(platform::Dc& printer, const PlotColumns& columns, int windowWidth, const HorzPrintInput& in,
                   std::int32_t& startDepth, std::int32_t endDepth, HorzPrintPosition& at, int page);

}  // namespace horizontal
