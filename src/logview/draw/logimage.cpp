#include "logview/draw/logimage.h"

#include "logview/compressedrows.h"
#include "logview/draw/markers.h"
#include "logview/draw/paintsteps.h"
#include "platform/draw/dc.h"
#include "wellfile/profile.h"

#include <algorithm>
#include <climits>
#include <initializer_list>

namespace logview {

namespace {

constexpr int kImageRecordsPerRow = 10;
constexpr int kFirstImageElement = 10;


}  // namespace

ViewGeometry LogImageGeometry(const ViewGeometry& window, int imageHeight)
{
    ViewGeometry g = window;
    g.scaleIndex = 3;
    g.gas.left = window.lithology.left + 15 * window.unitWidth;
    g.logBottomY = g.clientHeight = imageHeight;
    g.horizontalScroll = 0;
    g.origin = {0, 0};
    return g;
}

int DrawLogImage(platform::Dc& dc, const LogImageFrame& f)
{
    const ViewGeometry& g = f.geometry;
    const PaintTarget target{dc, g, f.device};
    NeighbourPainters& n = f.painters;
    const int R = g.rowHeight, p = g.profile;

    {
        const platform::KeepDcState keep(dc);
        dc.SelectObject(platform::Brush(platform::RGB(223, 239, 255)));
        dc.Rectangle(0, 0, f.width, f.height);
    }

    const RowWalk walk = WalkCompressedRows(f.records, kFirstImageElement, f.rows, kImageRecordsPerRow, 0, R, INT_MAX,
                                            g.fileLastDepth);
    int y = 0;
    for (std::size_t r = 0; r < walk.elements.size(); ++r, y += R) {
        const std::size_t at = std::size_t(walk.elements[r]);
        n.DrawLithology(target, f.records, at, R, y, int(r), 0, 0);
        n.DrawGasCurves(target, f.records, at, y, int(r), false, false);
        if (r > 0)
            DrawMarkerLines(dc, g, f.device, f.records.subspan(at), f.rows, R, g.unitWidth, y);
    }
    if (f.records.size() <= std::size_t(kFirstImageElement) || walk.elements.empty())
        return walk.n;

    const auto run = [&](long long rows) {
        const long long count = std::min<long long>(rows * kImageRecordsPerRow, (long long)f.records.size() - kFirstImageElement);
        return count > 0 ? f.records.subspan(kFirstImageElement, std::size_t(count)) : Records{};
    };
    const int last = walk.n;
    DrawCurve(dc, g, f.device, f.curve, f.records, kFirstImageElement, (last + 1) * 2, R, 0, false);
    if (wellfile::PercentGasGroup(p, !g.splitGas))
        n.DrawChromatographTrack(target, f.records, kFirstImageElement, last + 1, R, 0);
    if (g.fluorescence.left > 0)
        n.DrawBarColumn2(target, run(last + 1), R, 0);
    if (g.cut.count > 0)
        n.DrawPorosityColumn(target, run(last), R, 0);
    if (g.porosity.left > 0)
        n.DrawRatingColumn(target, run(last), R, 0);
    return last;
}

bool StretchImageIntoStrip(platform::Dc& dc, const QImage& image, const LogImageStrip& strip, int imageY, int rowHeight)
{
    if (image.isNull() ||
        !dc.StretchBlt(strip.left, strip.top, strip.width, strip.bottom, image, 0, 0, image.width(), image.height(),
                       platform::SRCCOPY))
        return false;
    const MarkerLines lines = LogImageMarkerLines(imageY, rowHeight);
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(platform::RGB(0, 0, 255), 1, platform::PS_DASHDOT));
    for (const int y : {lines.above, lines.below}) {
        dc.MoveTo(strip.left, y);
        dc.LineTo(strip.right, y);
    }
    return true;
}

}  // namespace logview
