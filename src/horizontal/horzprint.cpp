#include "horizontal/horzprint.h"

#include "platform/gdi.h"

#include <algorithm>
#include <cmath>

namespace horizontal {

int PrintScaleCode(int pixelsPerUnit)
{
    if (pixelsPerUnit == 1)
        return 1;
    return pixelsPerUnit == 2 ? 2 : 5;
}

float ScreenHeightFactor(int screenHeight)
{
    if (screenHeight < 900)
        return 0.125f;
    if (screenHeight < 1000)
        return 0.1f;
    if (screenHeight < 1200)
        return 0.09f;
    if (screenHeight < 1400)
        return 0.08f;
    return 0.07f;
}

HorzPagePlan PlanHorzPage(const HorzPrintInput& in, std::int32_t& startDepth, std::int32_t endDepth,
                          HorzPrintPosition& at, int page)
{
    HorzPagePlan p;
    p.scaleCode = PrintScaleCode(in.pixelsPerUnit);
    p.top = platform::Trunc(in.rowHeight * 2.0);
    p.sx = in.rowHeight * 0.1f;
    p.sy = float(in.secondRowHeight) * ScreenHeightFactor(in.screenHeight);
    if (in.halveScale)
        p.sx *= 0.5f;
    p.pageWidth = in.rowHeight * 10.0f * in.pageLength;
    // A row height or page length of nothing would divide by zero below: no page.
    if (!(in.rowHeight > 0) || !(in.pageLength > 0) || in.pixelsPerUnit <= 0 || !(p.pageWidth >= 1)) {
        p.failure = HorzPageFailure::NoGeometry;
        return p;
    }
    p.unitsPerPage = p.pageWidth / p.sx / float(in.pixelsPerUnit);
    const int h = in.imageHeight;
    if (startDepth > endDepth) {
        p.failure = HorzPageFailure::InvalidRange;
        return p;
    }
    startDepth = std::max({startDepth, in.plotFirstDepth, in.drawFrom});

    // The print ends at the x of the end depth when that lies before the plot's last depth.
    at.rightEdge = in.imageWidth;
    if (endDepth < in.plotLastDepth) {
        const long long x = in.plotLeft + (long long)(endDepth - in.plotFirstDepth) * in.pixelsPerUnit;
        at.rightEdge = int(std::clamp<long long>(x, 0, in.imageWidth));
    }

    bool headerFirst = false;
    if (page == 1) {
        at.pagesLeft = platform::Trunc(double(at.rightEdge) / p.pageWidth * p.sx + 1.0);
        if (in.onePageLess) {
            at.pagesLeft -= 1;
        } else {
            if (at.rightEdge % std::max(1, platform::Trunc(p.pageWidth)) != 0)
                ++at.pagesLeft;
            if (in.drawHeader)
                ++at.pagesLeft;
            if (in.rowHeight > 30.0f)
                ++at.pagesLeft;
            if (in.pixelsPerUnit < 8)
                ++at.pagesLeft;
        }
        at.position = startDepth == in.plotFirstDepth || startDepth == in.drawFrom
                          ? 0.0f
                          : float(startDepth - in.plotFirstDepth) * float(in.pixelsPerUnit);
        if (in.drawHeader && startDepth > in.plotFirstDepth) {
            headerFirst = true;
            p.header = HorzBlit{{0, 0, in.plotLeft, h},
                                {0, p.top, platform::Trunc(in.plotLeft * p.sx), platform::Trunc(h * p.sy - p.top)}};
            at.position += float(in.plotLeft);
        }
    }

    const int whole = platform::Trunc(in.pixelsPerUnit * p.unitsPerPage);
    const int w = std::min(whole, platform::Trunc(at.rightEdge - at.position));
    p.slice.source = {platform::Trunc(at.position), 0, w, h};
    p.slice.destination = {headerFirst ? platform::Trunc(in.plotLeft * p.sx) : 0, p.top, platform::Trunc(w * p.sx),
                           platform::Trunc(h * p.sy - p.top)};
    at.position += in.pixelsPerUnit * p.unitsPerPage - (headerFirst ? float(in.plotLeft) : 0.0f);
    // Pages go on while the image, as far as it prints, is not done.
    if (float(at.rightEdge) > at.position)
        p.result = at.pagesLeft--;
    return p;
}

void SortPictures(std::vector<elog::PictureEntry>& found) { elog::SortImages(found); }

std::vector<elog::PictureEntry> PicturesInRange(const std::vector<elog::PictureEntry>& found,
                                                std::int32_t plotFirstDepth, std::int32_t plotLastDepth)
{
    std::vector<elog::PictureEntry> in;
    for (const elog::PictureEntry& e : found)
        if ((long long)plotFirstDepth + 2 < e.depth && e.depth < plotLastDepth)
            in.push_back(e);
    return in;
}

platform::RECT PictureBox(int x, int pathTop) { return {x, pathTop - 20, x + 20, pathTop}; }

int PictureBoxAt(const std::vector<platform::RECT>& boxes, int x, int y)
{
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const platform::RECT& r = boxes[i];
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return int(i);
    }
    return -1;
}

}  // namespace horizontal
