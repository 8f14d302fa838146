// The decorations of the rate curve's pass: the wrap-around of rates beyond a track edge and the
// shading of fast drilling.
#include "logview/draw/curveplotter_pass.h"

#include "platform/services.h"

#include <algorithm>
#include <new>

namespace logview {

using platform::POINT;

int CurvePass::WrapOffScaleRight(int i) { return Wrap(i, true); }
int CurvePass::WrapOffScaleLeft(int i) { return Wrap(i, false); }

// The left wrap is the right one seen in a mirror: it is worked out on negated x and drawn back.
int CurvePass::Wrap(int i, bool right)
{
    const auto f = [right](int x) { return right ? x : -x; };  // its own inverse
    const int R = f(right ? rightClip : leftClip);
    const int edge = f(right ? trackLeft : trackRight);
    const int D = R - edge;  // the wrap width
    const auto X = [&](int k) { return f(points[std::size_t(k)].x); };
    const auto Y = [&](int k) { return points[std::size_t(k)].y; };

    std::vector<POINT> outline;
    try {
        // Two corners per remaining sample, plus the start and the close.
        outline.reserve(std::size_t(2 * (count - i) + 5));
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("memory allocation error"), QStringLiteral("Off scale"));
        return i;
    }
    const auto add = [&](int x, int y) { outline.push_back({f(x), y}); };

    // The grid must show through the fill: the wrap is drawn under R2_MASKPEN. On a drag's XOR Dc it
    // keeps XOR, so that the second draw of the drag takes it off again.
    const platform::KeepDcState keep(dc);
    dc.SetROP2(dc.GetROP2() == platform::R2_XORPEN ? platform::R2_XORPEN : platform::R2_MASKPEN);
    dc.SelectObject(blocked ? outlinePen : curvePen);
    dc.SelectObject(platform::Brush(wrapFill));

    add(edge, std::max(Y(i), topLimit));
    if (blocked) {
        const auto w = [&](int k) { return std::min(X(k) - D, R - 1); };
        if (X(i + 1) > R && X(i) <= R) {  // the curve leaves the track
            dc.MoveTo(f(X(i)), Y(i));
            dc.LineTo(f(R - 1), Y(i));
            add(w(i + 1), Y(i));
            add(w(i + 1), Y(i + 1));
            ++i;
        }
        while (i < count && X(i) >= R && X(i + 1) >= R) {
            add(w(i + 1), Y(i));
            add(w(i + 1), Y(i + 1));
            ++i;
        }
        if (i < count) {  // back inside: the step down from the edge
            const int x = std::min(X(i + 1), R - 1);
            dc.MoveTo(f(R - 1), Y(i) + 1);
            dc.LineTo(f(x), Y(i) + 1);
            dc.LineTo(f(x), Y(i + 1));
        }
    } else {
        const auto w = [&](int k) { return std::min(X(k) - D, R); };
        if (X(i + 1) > R && X(i) <= R) {
            dc.MoveTo(f(X(i)), Y(i));
            dc.LineTo(f(R), Y(i));
            add(w(i + 1), Y(i + 1));
            ++i;
        }
        while (i < count && X(i) >= R && X(i + 1) >= R) {
            add(w(i + 1), Y(i + 1));
            ++i;
        }
        if (i < count) {  // back inside: on from the edge
            dc.MoveTo(f(R - 1), Y(i));
            dc.LineTo(f(X(i + 1)), Y(i + 1));
        }
    }
    add(edge, Y(i));
    dc.Polygon(outline.data(), int(outline.size()));
    return i;
}

namespace {

void FillShade(platform::Dc& dc, const POINT* corners, platform::COLORREF colour)
{
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(0, 1, platform::PS_NULL));
    dc.SelectObject(platform::Brush(colour));
    dc.Polygon(corners, 4);
}

}  // namespace

void CurvePass::ShadeRateLine(int i)
{
    const POINT p = points[std::size_t(i)];
    const POINT q = points[std::size_t(i) + 1];
    const int hx = highlight[std::size_t(i)].x;
    if (p.x >= hx || p.x <= shadeThreshold)
        return;
    // Where the neighbouring sample is not shaded, the corner keeps 2 pixels off it.
    const bool previousSlow = i > 0 && hx < points[std::size_t(i) - 1].x;
    const POINT corners[4] = {
        {hx, p.y - shadeHeight + (previousSlow ? 2 : 0)},
        {p.x + 1, p.y},
        {std::min(hx, q.x + 1), q.y - 1 - (hx < q.x ? 2 : 0)},
        {hx, q.y},
    };
    FillShade(dc, corners, shadeColour);
}

void CurvePass::ShadeRateSteps(int i)
{
    const POINT p = points[std::size_t(i)];
    const int hx = highlight[std::size_t(i)].x;
    if (p.x >= hx || p.x <= shadeThreshold)
        return;
    const POINT corners[4] = {{hx, p.y - shadeHeight}, {p.x + 1, p.y - shadeHeight}, {p.x + 1, p.y - 1}, {hx, p.y}};
    FillShade(dc, corners, shadeColour);
}

}  // namespace logview
