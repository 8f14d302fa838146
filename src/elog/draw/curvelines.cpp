#include "elog/draw/curvelines.h"

#include "elog/curvepoints.h"
#include "platform/draw/dc.h"

#include <algorithm>

namespace elog {

void FillCurvePolygon(platform::Dc& dc, const Curves& curves, const platform::POINT* points, int i, int step)
{
    const CurveLayout& l = curves.layout;
    const int left = curves.printing ? l.pageLeft + 10 : l.screenLeft + 1;
    const int right = curves.printing ? l.pageRight : l.screenRight;
    const platform::POINT a = points[i], b = points[i + 1];
    const WrapPieces p = WrapSegment(a.x, a.y, b.x, step, left, right);
    if (p.lines == 0)
        return;
    const platform::KeepDcState keep(dc);
    dc.SetROP2(platform::R2_MASKPEN);
    if (p.wedgePoints > 0) {
        const platform::KeepDcState keepLinePen(dc);
        dc.SelectObject(platform::Pen(l.offScaleFill, 1, platform::PS_SOLID));
        dc.SelectObject(platform::Brush(l.offScaleFill));
        dc.Polygon(p.wedge, p.wedgePoints);
    }
    for (int k = 0; k < p.lines; ++k) {
        dc.MoveTo(p.line[k][0].x, p.line[k][0].y);
        dc.LineTo(p.line[k][1].x, p.line[k][1].y);
    }
}

int BuildCurveLinePoints(Curves& curves, const CurveLinesTarget& t, int count, std::int32_t start, int slot)
{
    const long long first = (long long)t.depthOffset + start;
    if (first > curves.lastDepth)
        return -1;
    if (slot < 0 || slot >= Curves::kSlots || !curves.pens[std::size_t(slot)].on)
        return 0;
    if (count <= 0 || first < 0 || first >= curves.Count())
        return 0;
    // The buffer holds every point asked for, however tall the window.
    if (curves.points.size() < std::size_t(count) + 1)
        curves.points.resize(std::size_t(count) + 1);
    const std::span<const CurveRecord> records = curves.Records().subspan(std::size_t(first));
    const std::span<platform::POINT> points(curves.points.data(), std::size_t(count) + 1);
    if (t.scaleIndex >= 3) {
        AveragedWalk w;
        w.yStep = t.rowHeight;  // five records a row
        w.factor = curves.gammaScale.factor;
        w.origin = curves.gammaScale.origin;
        w.firstY = t.topY;
        w.liftBottom = t.liftBottom || curves.printing;
        w.bottomY = t.bottomY;
        w.lastDepth = curves.lastDepth;
        return BuildAveragedPoints(records, points, count, slot, w);
    }
    return BuildRecordPoints(records, points, count, slot, curves.gammaScale, t.rowHeight, t.topY, curves.lastDepth);
}

int DrawCurveLines(platform::Dc& dc, Curves& curves, const CurveLinesTarget& t, int count, std::int32_t start, int slot)
{
    const int segments = BuildCurveLinePoints(curves, t, count, start, slot);
    if (segments < 0)
        return 0;
    const std::span<const platform::POINT> points = curves.points;
    const CurvePen& outline = curves.pens[0];
    const platform::KeepDcState keep(dc);
    dc.SelectObject(platform::Pen(outline.colour, outline.width, outline.style));
    const int right = curves.gammaScale.right;
    for (int i = 0; i < segments; ++i) {
        const platform::POINT a = points[std::size_t(i)], b = points[std::size_t(i) + 1];
        if (a.x <= right && b.x <= right) {
            dc.MoveTo(a.x, a.y);
            dc.LineTo(b.x, b.y);
        } else {
            FillCurvePolygon(dc, curves, points.data(), i, t.rowHeight);
        }
    }
    return 1;
}

}  // namespace elog
