#include "horizontal/horzview.h"

#include <algorithm>

namespace horizontal {

ZoomResult ZoomIn(std::int32_t drawFrom, std::int32_t leastTvd, std::int32_t greatestTvd, bool ctrl)
{
    ZoomResult z;
    z.drawFrom = drawFrom;
    if (drawFrom >= greatestTvd)
        return z;
    z.changed = true;
    const std::int32_t step = (greatestTvd - drawFrom <= 50 || ctrl) ? 10 : 50;
    z.drawFrom = drawFrom + step;
    if (z.drawFrom > greatestTvd - 10) {
        z.drawFrom = greatestTvd - 10;
        z.atLimit = true;
    }
    if (z.drawFrom < leastTvd)
        z.drawFrom = leastTvd;
    return z;
}

ZoomResult ZoomOut(std::int32_t drawFrom, std::int32_t greatestTvd, bool ctrl)
{
    ZoomResult z;
    z.changed = true;
    const std::int32_t step = (greatestTvd - drawFrom <= 50 || ctrl) ? 10 : 50;
    z.drawFrom = drawFrom - step;
    if (z.drawFrom <= 0) {
        z.drawFrom = 0;
        z.atLimit = true;
    }
    z.keepDrawFrom = z.drawFrom < greatestTvd - 200;
    return z;
}

ViewControls PlaceControls(int clientWidth, int clientHeight, int scrollHeight, int sectionCount, int highAngleCount,
                           bool viewerOption)
{
    ViewControls c;
    const int y = clientHeight - scrollHeight;
    c.scrollBar = {300, y, clientWidth - 300, scrollHeight};
    c.setup = {110, y, 50, scrollHeight};
    c.viewHeader = {25, y, 80, scrollHeight};
    c.zoomIn = {165, y, 60, scrollHeight};
    c.zoomOut = {230, y, 60, scrollHeight};
    c.zoomShown = sectionCount == 1 && highAngleCount > 2;
    c.setupShown = !viewerOption;
    return c;
}

ScrollRange RangeOf(int plotLeft, int imageWidth, int clientWidth)
{
    return {plotLeft, std::max(plotLeft, imageWidth - clientWidth + plotLeft)};
}

int NextScroll(int position, ScrollCode code, int thumb, int plotLeft, int imageWidth, int clientWidth)
{
    switch (code) {
    case ScrollCode::LineLeft: position -= 200; break;
    case ScrollCode::LineRight: position += 200; break;
    case ScrollCode::PageLeft: position -= 500; break;
    case ScrollCode::PageRight: position += 500; break;
    case ScrollCode::Thumb: position = thumb; break;
    case ScrollCode::Other: return position;
    }
    const ScrollRange r = RangeOf(plotLeft, imageWidth, clientWidth);
    return std::clamp(position, r.minimum, r.maximum);
}

}  // namespace horizontal
