#include "logview/draw/curveplotter.h"

#include "logview/draw/curveplotter_pass.h"
#include "platform/draw/dc.h"
#include "platform/services.h"

#include <algorithm>
#include <cstdlib>
#include <new>

namespace logview {

using platform::Pen;
using platform::POINT;

namespace {

const Pen kRed(platform::RGB(255, 0, 0), 2);                              // reversed curve, offset well
// Offset well during a drag, drawn in the XOR mix: white inverts what lies under it (black would leave
// it as it is, and the curve unseen).
const Pen kDragDotted(platform::RGB(255, 255, 255), 1, platform::PS_DOT);
const Pen kOffScaleOutline(platform::RGB(0, 0, 0), 1);                    // outline of a blocked wrap
constexpr platform::COLORREF kLightGrey = platform::RGB(192, 192, 192);  // wrap fill on monochrome paper
constexpr platform::COLORREF kShade = platform::RGB(0, 128, 255);

// The curve's pen: paper has its own; on screen the offset well is red (dotted, inverting, on a drag), the
// reversed curve red, else the " RATES " pen.
Pen CurvePen(const ViewGeometry& g, const Device& device, const CurveOptions& options, bool offsetCurve)
{
    if (device.printing)
        return PenOf(device.printPens[PRINT_PEN_RATE]);
    if (offsetCurve)
        return options.onDragDc ? kDragDotted : kRed;
    return g.options.reverseRop ? kRed : PenOf(g.pens.table[layout::PEN_RATES]);
}

// A styled " RATES " pen draws each segment `repeat` times side by side: one pixel to the right for a
// steep segment, one down for a flat one. Only point to point; an off-scale segment wraps.
int DrawRepeatedLines(CurvePass& pass, int repeat, int unitWidth)
{
    std::vector<POINT>& P = pass.points;
    int i = 0;
    for (; i < pass.count; ++i) {
        POINT& p = P[std::size_t(i)];
        const POINT& q = P[std::size_t(i) + 1];
        p.x = std::max(p.x, pass.trackLeft);
        if (p.x > pass.rightClip || q.x > pass.rightClip) {
            i = pass.WrapOffScaleRight(i);
            continue;
        }
        const bool steep = std::abs(q.x - p.x) < unitWidth;
        for (int r = 0; r < std::max(repeat, 1); ++r) {
            const int dx = steep ? r : 0;
            const int dy = steep ? 0 : r;
            pass.dc.MoveTo(p.x + dx, p.y + dy);
            pass.dc.LineTo(q.x + dx, q.y + dy);
        }
    }
    return i;
}

// The curve as lines or steps, with its wrap-arounds and shading.
int DrawLines(CurvePass& pass, bool reversed, bool shade)
{
    std::vector<POINT>& P = pass.points;
    const auto offScale = [&](int k) {
        const int x = P[std::size_t(k)].x;
        return reversed ? x < pass.leftClip : x > pass.rightClip;
    };
    const auto wrap = [&](int k) { return reversed ? pass.WrapOffScaleLeft(k) : pass.WrapOffScaleRight(k); };
    int i = 0;
    for (; i < pass.count; ++i) {
        POINT& p = P[std::size_t(i)];
        const POINT& q = P[std::size_t(i) + 1];
        if (!pass.blocked) {
            p.x = reversed ? std::min(p.x, pass.trackRight) : std::max(p.x, pass.trackLeft);
            if (offScale(i) || offScale(i + 1)) {
                i = wrap(i);
                continue;
            }
            pass.dc.MoveTo(p.x, p.y);
            pass.dc.LineTo(q.x, q.y);
        }
        if (shade) {
            if (pass.blocked)
                pass.ShadeRateSteps(i);
            else
                pass.ShadeRateLine(i);
        }
        if (pass.blocked) {
            if (offScale(i) || offScale(i + 1)) {
                i = wrap(i);
                continue;
            }
            pass.dc.MoveTo(p.x, p.y);
            pass.dc.LineTo(q.x, p.y);
            pass.dc.LineTo(q.x, q.y);
        }
    }
    return i;
}

}  // namespace

int DrawCurve(platform::Dc& dc, const ViewGeometry& g, const Device& device, const CurveOptions& options,
              std::span<const wellfile::RECORD> records, std::size_t first, int count, int rowHeight, int topY,
              bool offsetCurve)
{
    const RateScale s = RateScaleOf(g, device);
    const bool paper = device.printing;
    int rightClip = s.right + 1;
    const platform::KeepDcState keep(dc);

    if (paper) {
        if (s.Sampling() < 3)
            ++count;  // the page's last row closes on the next record
        rightClip = PrintRateGrid(dc, g, device, records, first, count, rowHeight, topY);
        if (!g.rateShown)
            return 0;
    }

    // The own curve drawn on the screen while drilling starts where the last one ended.
    const bool joins = options.drilling && !paper && !offsetCurve && options.memory;
    RatePoints pts;
    try {
        pts = BuildRatePoints(s, records, first, count, rowHeight, topY,
                              joins ? std::optional<std::int32_t>(options.memory->lastRateX) : std::nullopt);
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("No Points"), QStringLiteral("Memory Error"));
        return 0;
    }
    if (pts.curve.empty())
        return 0;

    const layout::PenSpec& rates = g.pens.table[layout::PEN_RATES];
    const bool monochrome = paper && !device.colourPrinting;
    CurvePass pass(dc, pts.curve, pts.highlight);
    pass.count = pts.Segments();
    pass.trackLeft = s.left;
    pass.trackRight = s.right;
    pass.leftClip = paper ? s.left : s.left - 1;
    pass.rightClip = rightClip;
    pass.topLimit = paper ? 0 : g.topMargin;
    pass.blocked = g.options.rateLineStyle == 0;
    pass.curvePen = CurvePen(g, device, options, offsetCurve);
    pass.outlinePen = kOffScaleOutline;
    pass.wrapFill = monochrome ? kLightGrey : g.pens.table[layout::PEN_OFFSCALE_RATES_FILL].colour;
    pass.shadeThreshold = paper ? s.left + rowHeight : s.left + g.unitWidth;
    pass.shadeHeight = s.Sampling() == 1 ? int(rowHeight * 0.5) : rowHeight - 1;
    pass.shadeColour = monochrome ? platform::RGB(0, 0, 0) : kShade;

    dc.SelectObject(pass.curvePen);
    int end = 0;
    if (rates.style != layout::PS_SOLID && !s.reversed) {
        end = DrawRepeatedLines(pass, paper ? g.pens.rateRepeat : g.pens.rateWidth, g.unitWidth);
    } else {
        // Highlight points exist only for the minutes scale away from ten-foot rows.
        end = DrawLines(pass, s.reversed, !pts.highlight.empty() && !s.reversed);
    }

    if (joins) {
        const std::size_t k = std::min(std::size_t(end), pts.curve.size() - 1);
        options.memory->lastRateX = pts.curve[k].x != 0 || k == 0 ? pts.curve[k].x : pts.curve[k - 1].x;
    }
    if (offsetCurve && !options.onDragDc && options.memory)
        options.memory->offsetPoints = pts.curve;
    return 1;
}

}  // namespace logview
