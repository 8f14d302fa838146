#include "app/scrolling.h"

#include "app/logstate.h"

#include <algorithm>

namespace app {

std::optional<std::int32_t> ScrollTarget(int code, int thumb, bool ctrl, std::int32_t top, const DepthRange& r)
{
    switch (code) {
    case SB_LINEUP: return top - (ctrl ? 2 : 10);
    case SB_LINEDOWN: return top + (ctrl ? 2 : 10);
    case SB_PAGEUP: return top - (ctrl ? 100 : 50);
    case SB_PAGEDOWN: return top + (ctrl ? 100 : 50);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        // Whole-number arithmetic: thumb 37 of 1000..3000 is exactly 1740, with no float rounding.
        const std::int64_t t = r.first + std::int64_t(r.last - r.first) * thumb / 100;
        return std::int32_t(t - t % 2);  // made even, towards zero
    }
    case SB_TOP: return r.first;
    case SB_BOTTOM: return r.last - r.span;
    default: return std::nullopt;
    }
}

std::int32_t LimitTop(std::int32_t top, const DepthRange& r)
{
    top = std::min(top, r.last - r.span);
    return std::max(top, r.first);
}

int DepthBarPosition(std::int32_t top, const DepthRange& r)
{
    double p = 0;
    if (r.last != r.first)
        p = double(top - r.first) / double(r.last - r.first) * 100.0;
    if (top == r.first)
        p = 0;
    if (top >= r.last - r.span)
        p = 100;
    return int(p + 1);
}

std::optional<std::int32_t> HorizontalTarget(int code, int thumb, std::int32_t offset, std::int32_t max, std::int32_t u)
{
    switch (code) {
    case SB_LINELEFT:
        if (offset >= u)
            offset -= u;
        break;
    case SB_LINERIGHT:
        if (offset < max - u)
            offset += u;
        break;
    case SB_PAGELEFT:
        if (offset >= 5 * u)
            offset -= 5 * u;
        break;
    case SB_PAGERIGHT:
        if (offset <= max - 5 * u)
            offset += 5 * u;
        break;
    case SB_THUMBTRACK:
        if (thumb <= max)
            offset = thumb;
        break;
    default: return std::nullopt;
    }
    return std::min(offset, max);
}

int HorizontalBarPosition(std::int32_t offset, std::int32_t max)
{
    if (max <= 0)
        return 0;
    const int p = int(double(max) * (double(offset) / double(max)));
    return std::clamp(p, 0, int(max));
}

std::optional<int> WheelScrollCode(int wheelDelta)
{
    // The stations read the delta as an unsigned word, which sent large backward turns up the log.
    if (wheelDelta > 0)
        return SB_PAGEUP;
    if (wheelDelta < 0)
        return SB_PAGEDOWN;
    return std::nullopt;
}

int DepthBarCreatePosition(std::int32_t top, const DepthRange& r)
{
    const double span = std::max<double>(double(r.last) - double(r.first), 1.0);
    const float percent = float((double(top) - double(r.first)) / span * 100.0);
    return int(percent);
}

DepthBarPlace PlaceDepthBar(const DepthBarInputs& in)
{
    DepthBarPlace p;
    p.x = in.logWidth + (in.customTracks ? 2 : 1) * in.unitWidth;
    // Over a narrower window the bar stands at its right edge: no strip of log is left right of it.
    if (in.clientRight < in.logWidth)
        p.x = in.clientRight - in.barWidth;
    p.logBottomY = in.visibleRows * in.rowHeight + in.topMargin;
    p.top = in.topMargin;
    p.width = in.barWidth;
    p.height = p.logBottomY - in.topMargin;
    return p;
}

std::int32_t HorizontalMax(const DepthBarInputs& in)
{
    if (in.clientRight >= in.logWidth)
        return 0;
    return std::max(in.logWidth + in.unitWidth - PlaceDepthBar(in).x, 0);
}

std::int32_t DepthAtRow(const RowGeometry& g, int y)
{
    if (y < g.logAreaTop || y > g.logAreaBottom || g.pixelsPerStep <= 0)
        return g.fileBottomDepth;
    const std::int32_t row = (y - g.logAreaTop) / g.pixelsPerStep;
    std::int32_t depth = row * (g.viewScale == 3 ? 5 : g.depthStep) + g.viewTopDepth;
    depth = std::min(depth, g.fileBottomDepth);
    // The lower bound never lies past the last depth: a short file gives its last depth.
    return std::max(depth, std::min(g.fileTopDepth + 12, g.fileBottomDepth));
}

RowGeometry RowGeometryOf(const LogState& s)
{
    RowGeometry g;
    g.logAreaTop = s.layout.format.logAreaTop;
    g.logAreaBottom = s.view.logAreaBottom;
    g.pixelsPerStep = s.layout.format.pixelsPerStep;
    g.depthStep = s.well.file.depthStep;
    g.viewScale = s.view.viewScale;
    g.viewTopDepth = s.well.file.viewTopDepth;
    g.fileTopDepth = s.well.file.fileTopDepth;
    g.fileBottomDepth = s.well.file.fileBottomDepth;
    return g;
}

}  // namespace app
