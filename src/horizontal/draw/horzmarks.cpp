// What the plot places by measured depth besides the curves: the lithology symbol markers, the picture
// band, and the well path read back from the image.
#include "horizontal/draw/horzplot.h"

#include "platform/folders.h"
#include "platform/gdi.h"

#include <algorithm>
#include <cmath>

namespace horizontal {

using platform::Dc;

namespace {

// The section holding x: the first whose end lies at or past it, else the last in use.
const wellfile::HorzSection& SectionAtX(const HorzPlot& plot, int x)
{
    const int n = std::clamp(plot.sections.count, 1, kMaxSections);
    for (int i = 0; i < n - 1; ++i)
        if (x <= plot.sections.sections[std::size_t(i)].endX)
            return plot.sections.sections[std::size_t(i)];
    return plot.sections.sections[std::size_t(n - 1)];
}

}  // namespace

void DrawMarkers(Dc& dc, const HorzPlot& plot)
{
    const double scale = plot.options.screenWidth < 1280 ? 0.65 : 0.75;
    const HorzBands& b = plot.bands;
    for (const wellfile::HorzMarker& m : plot.settings->markers) {
        const int symbol = m.symbolNumber;
        if (symbol == 0 || symbol >= int(plot.lithTiles.size()) || plot.lithTiles[std::size_t(symbol)].isNull())
            continue;
        const int x = RecordX(plot, m.markerMd);
        if (!InWindow(plot, x, x + 40))
            continue;
        const wellfile::HorzSection& section = SectionAtX(plot, x);
        std::int32_t offsetY = m.offsetY;
        if (offsetY > 2000)
            offsetY = 10;  // a marker dragged far off comes back under the band
        int y = 0;
        if (plot.settings->drawLithOnWellTrack) {
            y = platform::Trunc(b.pathTop + (m.markerTvd - double(section.startTvd)) * section.pxPerTvd);
            if (y > b.LithBandBottom())
                continue;
        } else {
            y = platform::Trunc(b.LithBandBottom() + 15 + offsetY * double(section.pxPerTvd));
        }
        y = std::max(y, b.pathTop + 10);
        const QImage& tile = plot.lithTiles[std::size_t(symbol)];
        dc.StretchBlt(x, y, platform::Trunc(tile.width() * scale), platform::Trunc(tile.height() * scale), tile, 0, 0,
                      tile.width(), tile.height(), platform::SRCCOPY);
    }
}

void DrawPictureBand(Dc& dc, HorzPlot& plot)
{
    const HorzBands& b = plot.bands;
    {
        platform::KeepDcState keep(dc);
        dc.SelectObject(platform::Pen(platform::RGB(0, 0, 0)));
        dc.SelectStockObject(platform::NULL_BRUSH);
        dc.Rectangle(plot.plotLeft, b.pictureBandBottom - b.PictureSize() - 2, plot.width, b.pictureBandBottom + 1);
    }
    if (!plot.pictures || b.PictureSize() < 1)
        return;
    const int size = b.PictureSize();
    for (int i = 1; i < plot.toDraw && plot.first + i < int(plot.records.size()); ++i) {
        const wellfile::RECORD& r = plot.records[std::size_t(plot.first + i)];
        const int left = RecordX(plot, r.depth) - 16 * plot.pixelsPerUnit;
        if (!InWindow(plot, left, left + size))
            continue;  // read only the pictures the window shows
        const int index = elog::FindNextImageAtDepth(*plot.pictures, r.depth, -1);
        if (index < 0)
            continue;
        const QString name = plot.pictures->all[std::size_t(index)].name;
        const QString path = platform::FindFileNoCase(plot.pictures->folder, name);
        platform::JpegInfo info;
        if (!QFileInfo::exists(path))
            continue;  // a missing picture draws nothing
        if (platform::jpeginfo(path, info) != platform::IMAGE_OK) {
            plot.pictureFailures.push_back({name, false});
            continue;
        }
        platform::ImageDescriptor picture, square;
        if (qint64(info.width) * info.height > tracks::kMaxHorzPicturePixels ||
            platform::allocimage(picture, info.width, info.height, 24) != platform::IMAGE_OK ||
            platform::allocimage(square, size, size, 24) != platform::IMAGE_OK) {
            plot.pictureFailures.push_back({name, true});
            continue;
        }
        if (platform::loadjpg(path, picture) != platform::IMAGE_OK) {
            plot.pictureFailures.push_back({name, false});
            continue;
        }
        platform::resizeex(picture, square, 1);
        const int x = RecordX(plot, r.depth);
        dc.BitBlt(x - 16 * plot.pixelsPerUnit, b.pictureBandBottom - size - 1, size, size, square.image, 0, 0,
                  platform::SRCCOPY);
    }
}

namespace {

// The row of the drawn path line at column x, between the stations either side of it.
int PathRowAt(const std::vector<platform::POINT>& path, int x)
{
    const auto next = std::lower_bound(path.begin(), path.end(), x,
                                       [](const platform::POINT& p, int column) { return p.x < column; });
    if (next == path.begin())
        return path.front().y;
    if (next == path.end())
        return path.back().y;
    const platform::POINT a = *(next - 1), b = *next;
    return b.x == a.x ? b.y : a.y + int(std::lround(double(b.y - a.y) * (x - a.x) / (b.x - a.x)));
}

}  // namespace

void TraceWellPath(const Dc& dc, HorzPlot& plot)
{
    plot.pathTrace.clear();
    if (plot.wellPath.empty())
        return;
    // The columns of the window only: a window right of the path's start picks the path up at the row
    // its line runs through there.
    const int from = plot.image.Empty() ? plot.wellPath.front().x : std::max(plot.wellPath.front().x, plot.imageLeft);
    const int to = plot.image.Empty() ? plot.width : std::min(plot.width, plot.imageLeft + plot.image.Width());
    plot.pathTrace.reserve(std::size_t(std::max(0, to - from + 10)));
    const platform::COLORREF colour = plot.options.wellPathColour;
    const int sections = std::clamp(plot.sections.count, 1, kMaxSections);
    int current = 0;
    while (current + 1 < sections && from > plot.sections.sections[std::size_t(current)].endX + 2)
        ++current;
    int y = from == plot.wellPath.front().x ? plot.wellPath.front().y : PathRowAt(plot.wellPath, from);
    bool found = false;
    for (int x = from; x < to; ++x) {
        const int endX = plot.sections.sections[std::size_t(current)].endX;
        // Where the vertical scale changes the path jumps: the whole column is searched there.
        const bool atJoin = std::abs(x - endX) <= 2;
        const int top = atJoin ? 0 : y - 5, bottom = atJoin ? plot.height : y + 5;
        int hit = -1;
        for (int yy = std::max(0, top); yy < std::min(bottom, plot.height); ++yy)
            if (dc.GetPixel(x, yy) == colour) {
                hit = yy;
                break;
            }
        if (hit >= 0 && hit <= plot.clientHeight) {
            y = hit;
            found = true;
        } else if (!found && from == plot.wellPath.front().x) {
            y = 0;
        }
        plot.pathTrace.push_back({x, y});
        if (x == endX + 2 && current + 1 < sections)
            ++current;
    }
}

}  // namespace horizontal
