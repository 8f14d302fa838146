// Lines and shapes of the Dc: exact GDI pixels on images, plain vectors on paper.
#include "platform/draw/dc.h"

#include "platform/draw/raster.h"
#include "platform/draw/syscolors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

enum ShapeKind { kRectangle, kEllipse, kRoundRect };

std::uint32_t PixelOf(COLORREF c) { return raster::ToPixel(ResolveColor(c)); }
QColor QColorOf(COLORREF c)
{
    const COLORREF r = ResolveColor(c);
    return QColor(GetRValue(r), GetGValue(r), GetBValue(r));
}

// Wide strokes: a pixel belongs to the stroke when its centre lies within this distance of the path.
// A hair less than half the width keeps a straight stroke exactly `width` pixels wide and makes the
// ends of a 3-pixel line round (the corner pixels of a 3 x 3 block stay out).
double StrokeRadius(int width) { return width / 2.0 - 0.1; }
// Path points sit on pixel centres for odd widths and on pixel corners for even ones, so that a
// width-w stroke covers w whole rows.
double CentreOffset(int width) { return (width & 1) ? 0.5 : 0.0; }

QRect PointsBounds(const std::vector<POINT>& pts, int grow)
{
    long long l = pts[0].x, t = pts[0].y, r = pts[0].x, b = pts[0].y;
    for (const POINT& p : pts) {
        l = std::min<long long>(l, p.x);
        t = std::min<long long>(t, p.y);
        r = std::max<long long>(r, p.x);
        b = std::max<long long>(b, p.y);
    }
    auto clampI = [](long long v) { return int(std::clamp<long long>(v, -1'000'000'000, 1'000'000'000)); };
    return QRect(QPoint(clampI(l - grow), clampI(t - grow)), QPoint(clampI(r + grow), clampI(b + grow)));
}

}  // namespace

// ---- public calls

POINT Dc::MoveTo(int x, int y)
{
    const POINT old = s_.position;
    s_.position = {x, y};
    s_.stylePos = 0;
    return old;
}

bool Dc::LineTo(int x, int y)
{
    const POINT from = s_.position;
    bool ok = true;
    if (!s_.pen.IsNull()) {
        if (image_) {
            const POINT pts[2] = {from, {x, y}};
            if (s_.pen.Width() == 1)
                ImageLine(from.x, from.y, x, y);
            else
                ImageWideLines(pts, 2, false);
        } else {
            const std::vector<POINT> pts{from, {x, y}};
            ok = OnDevice(PointsBounds(pts, s_.pen.Width() + 1), NeedsBandForPen(),
                          [x, y](Dc& d) { d.LineTo(x, y); }, [&] { VectorLines(pts, false); });
            s_.stylePos += std::max(std::llabs((long long)x - from.x), std::llabs((long long)y - from.y));
        }
    }
    s_.position = {x, y};
    return ok;
}

bool Dc::Polyline(const POINT* points, int count)
{
    if (!points || count < 2)
        return false;
    return PolylineImpl(std::vector<POINT>(points, points + count));
}

bool Dc::PolylineImpl(std::vector<POINT> pts)
{
    if (s_.pen.IsNull())
        return true;
    // A polyline is a figure of its own: its pattern starts afresh and the current position stays.
    const long long keep = s_.stylePos;
    s_.stylePos = 0;
    if (image_) {
        if (s_.pen.Width() == 1)
            for (std::size_t i = 0; i + 1 < pts.size(); ++i)
                ImageLine(pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y);
        else
            ImageWideLines(pts.data(), pts.size(), false);
    } else {
        const QRect bounds = PointsBounds(pts, s_.pen.Width() + 1);
        OnDevice(bounds, NeedsBandForPen(), [pts](Dc& d) { d.Polyline(pts.data(), int(pts.size())); },
                 [&] { VectorLines(pts, false); });
    }
    s_.stylePos = keep;
    return true;
}

bool Dc::Rectangle(int left, int top, int right, int bottom) { return ShapeImpl(kRectangle, left, top, right, bottom, 0, 0); }
bool Dc::Ellipse(int left, int top, int right, int bottom) { return ShapeImpl(kEllipse, left, top, right, bottom, 0, 0); }
bool Dc::RoundRect(int left, int top, int right, int bottom, int ew, int eh)
{
    return ShapeImpl(kRoundRect, left, top, right, bottom, ew, eh);
}

bool Dc::ShapeImpl(int kind, int left, int top, int right, int bottom, int ew, int eh)
{
    if (left > right)
        std::swap(left, right);
    if (top > bottom)
        std::swap(top, bottom);
    if (image_) {
        ImageShape(kind, left, top, right, bottom, ew, eh);
        return true;
    }
    const QRect bounds = PointsBounds({{left, top}, {right, bottom}}, s_.pen.Width() + 1);
    return OnDevice(bounds, NeedsBandForPen() || NeedsBandForBrush(),
                    [=](Dc& d) { d.ShapeImpl(kind, left, top, right, bottom, ew, eh); },
                    [&] { VectorShape(kind, left, top, right, bottom, ew, eh); });
}

bool Dc::Polygon(const POINT* points, int count)
{
    if (!points || count < 2)
        return false;
    std::vector<POINT> pts(points, points + count);
    if (image_) {
        ImagePolygon(pts);
        return true;
    }
    return OnDevice(PointsBounds(pts, s_.pen.Width() + 1), NeedsBandForPen() || NeedsBandForBrush(),
                    [pts](Dc& d) { d.Polygon(pts.data(), int(pts.size())); }, [&] { VectorPolygon(pts); });
}

// ---- image path

void Dc::ImageLine(long long x0, long long y0, long long x1, long long y1)
{
    const raster::Surface surf = raster::SurfaceOf(*image_, origin_.x(), origin_.y());
    const raster::Dashes dashes = s_.pen.IsStyled() ? raster::DashesOf(s_.pen.style) : raster::Dashes{};
    raster::DrawThinLine(surf, x0 - Shift().x(), y0 - Shift().y(), x1 - Shift().x(), y1 - Shift().y(),
                         PixelOf(s_.pen.color), dashes, s_.bkMode == OPAQUE, PixelOf(s_.bkColor), s_.rop2,
                         s_.stylePos);
}

void Dc::ImageWideLines(const POINT* pts, std::size_t n, bool closed)
{
    const int w = s_.pen.Width();
    const double off = CentreOffset(w), radius = StrokeRadius(w);
    const double ox = Shift().x(), oy = Shift().y();
    const raster::Surface surf = raster::SurfaceOf(*image_, origin_.x(), origin_.y());
    const std::uint32_t pen = PixelOf(s_.pen.color);
    const std::size_t segments = closed ? n : n - 1;
    auto forEachSegment = [&](auto&& segment) {
        auto one = [&](const POINT& a, const POINT& b) {
            segment(a.x + off - ox, a.y + off - oy, b.x + off - ox, b.y + off - oy);
        };
        if (segments == 0)
            one(pts[0], pts[0]);
        for (std::size_t i = 0; i < segments; ++i)
            one(pts[i], pts[(i + 1) % n]);
    };
    if (raster::MixIsIdempotent(s_.rop2)) {
        // Where segments overlap the mix is taken again, which changes nothing: each is painted at once.
        if (s_.rop2 == R2_NOP)
            return;
        raster::WithMix(s_.rop2, pen, [&](auto op) {
            forEachSegment([&](double ax, double ay, double bx, double by) {
                raster::ForEachCapsuleRow(ax, ay, bx, by, radius, 0, surf.height, [&](int y, long long x0, long long x1) {
                    std::uint32_t* row = surf.Row(y);
                    const int from = int(std::max<long long>(x0, 0)), to = int(std::min<long long>(x1, surf.width));
                    // Rows lie far apart in memory: the one a few steps down is asked for early.
                    if (y + 4 < surf.height && from < to)
                        __builtin_prefetch(row + 4 * surf.stride + from, 1);
                    for (int x = from; x < to; ++x)
                        row[x] = op(row[x]);
                });
            });
        });
        return;
    }
    // Each pixel of the stroke takes the mix once.
    raster::SpanSet spans(0, 0, surf.width, surf.height);
    forEachSegment([&](double ax, double ay, double bx, double by) { raster::AddCapsule(spans, ax, ay, bx, by, radius); });
    spans.Normalize();
    raster::Fill fill;
    fill.fg = pen;
    raster::PaintSpans(surf, spans, fill, s_.rop2);
}

namespace {

raster::Fill BrushFill(const Brush& brush, int bkMode, COLORREF bk)
{
    raster::Fill fill;
    fill.fg = PixelOf(brush.color);
    fill.hatched = brush.style == BS_HATCHED;
    fill.hatch = brush.hatch;
    fill.opaqueGaps = bkMode == OPAQUE;
    fill.bg = PixelOf(bk);
    return fill;
}

// Border pixels of a round shape in drawing order (counter-clockwise from the right, as GDI goes),
// so that a dash pattern can run along them.
std::vector<QPoint> OrderedBorder(const raster::SpanSet& border, double cx, double cy)
{
    std::vector<std::pair<double, QPoint>> px;
    for (const auto& s : border.Spans())
        for (int x = s.x0; x < s.x1; ++x) {
            double a = std::atan2(-(s.y + 0.5 - cy), x + 0.5 - cx);
            if (a < 0)
                a += 2 * M_PI;
            px.push_back({a, QPoint(x, s.y)});
        }
    std::sort(px.begin(), px.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QPoint> out;
    out.reserve(px.size());
    for (const auto& p : px)
        out.push_back(p.second);
    return out;
}

}  // namespace

void Dc::ImageShape(int kind, int left, int top, int right, int bottom, int ew, int eh)
{
    const raster::Surface surf = raster::SurfaceOf(*image_, origin_.x(), origin_.y());
    const double l = double(left) - Shift().x(), t = double(top) - Shift().y();
    const double r = double(right) - Shift().x(), b = double(bottom) - Shift().y();
    auto region = [&](raster::SpanSet& set, double L, double T, double R, double B) {
        if (kind == kRectangle)
            raster::AddRoundRect(set, L, T, R, B, 0, 0);
        else if (kind == kEllipse)
            raster::AddRoundRect(set, L, T, R, B, R - L, B - T);
        else
            raster::AddRoundRect(set, L, T, R, B, ew, eh);
        set.Normalize();
    };
    const bool brush = !s_.brush.IsNull();
    const raster::Fill brushFill = BrushFill(s_.brush, s_.bkMode, s_.bkColor);
    // One pixel of margin round the image, so that a shape cut by the image edge gets no border there.
    const int W = surf.width, H = surf.height;

    const std::uint32_t pen = PixelOf(s_.pen.color);
    const raster::Dashes dashes = raster::DashesOf(s_.pen.style);
    const bool opaque = s_.bkMode == OPAQUE;
    const std::uint32_t bg = PixelOf(s_.bkColor);
    // A styled 1-px outline of a rectangle: the pattern runs round it from the top left corner.
    auto styledRectangle = [&] {
        long long pos = 0;
        const long long xs[5] = {(long long)l, (long long)r - 1, (long long)r - 1, (long long)l, (long long)l};
        const long long ys[5] = {(long long)t, (long long)t, (long long)b - 1, (long long)b - 1, (long long)t};
        for (int i = 0; i < 4; ++i)
            raster::DrawThinLine(surf, xs[i], ys[i], xs[i + 1], ys[i + 1], pen, dashes, opaque, bg, s_.rop2, pos);
        if (r - l == 1 || b - t == 1)  // a line of a rectangle: the closing pixel
            raster::DrawThinLine(surf, xs[0], ys[0], xs[0] + 1, ys[0], pen, dashes, opaque, bg, s_.rop2, pos);
    };

    if (s_.pen.IsNull()) {
        if (brush && kind == kRectangle) {
            raster::PaintBox(surf, (long long)l, (long long)t, (long long)r - 1, (long long)b - 1, brushFill, s_.rop2);
        } else if (brush) {
            raster::SpanSet fill(0, 0, W, H);
            region(fill, l, t, r - 1, b - 1);
            raster::PaintSpans(surf, fill, brushFill, s_.rop2);
        }
        return;
    }

    const int w = s_.pen.Width();
    if (w == 1 && kind == kRectangle) {
        // A box needs no spans: its rows and edges are painted as they stand. The border is the box's
        // outermost pixels, cut one pixel outside the image as the general path cuts it.
        const long long L = std::max<long long>((long long)l, -1), T = std::max<long long>((long long)t, -1);
        const long long R = std::min<long long>((long long)r, W + 1), B = std::min<long long>((long long)b, H + 1);
        if (R <= L || B <= T)
            return;
        if (brush)
            raster::PaintBox(surf, L + 1, T + 1, R - 1, B - 1, brushFill, s_.rop2);
        if (s_.pen.IsStyled()) {
            styledRectangle();
            return;
        }
        raster::Fill penFill;
        penFill.fg = pen;
        raster::PaintRun(surf, T, L, R, penFill, s_.rop2);
        if (B - 1 > T)
            raster::PaintRun(surf, B - 1, L, R, penFill, s_.rop2);
        for (long long y = std::max<long long>(T + 1, 0); y < std::min<long long>(B - 1, H); ++y) {
            raster::PaintRun(surf, y, L, L + 1, penFill, s_.rop2);
            if (R - 1 > L)
                raster::PaintRun(surf, y, R - 1, R, penFill, s_.rop2);
        }
        return;
    }
    raster::SpanSet ring(-1, -1, W + 1, H + 1), inner(-1, -1, W + 1, H + 1);
    if (w == 1) {
        raster::SpanSet whole(-1, -1, W + 1, H + 1);
        region(whole, l, t, r, b);
        whole.SplitBorder(ring, inner);
    } else if (kind == kRectangle && s_.pen.style != PS_INSIDEFRAME) {
        // The pen is centred on the outline a 1-px pen would draw, with round joins.
        const double off = CentreOffset(w), rad = StrokeRadius(w);
        const double xs[4] = {l, r - 1, r - 1, l}, ys[4] = {t, t, b - 1, b - 1};
        for (int i = 0; i < 4; ++i)
            raster::AddCapsule(ring, xs[i] + off, ys[i] + off, xs[(i + 1) % 4] + off, ys[(i + 1) % 4] + off, rad);
        ring.Normalize();
        region(inner, l, t, r - 1, b - 1);
        inner.Subtract(ring);
    } else {
        // A ring `w` wide: inside the box for PS_INSIDEFRAME, else centred on the 1-px outline.
        double L = l, T = t, R = r, B = b;
        if (s_.pen.style != PS_INSIDEFRAME) {
            L -= w / 2;
            T -= w / 2;
            R += (w - 1) / 2;
            B += (w - 1) / 2;
        }
        region(ring, L, T, R, B);
        if (R - L > 2 * w && B - T > 2 * w) {
            if (kind == kRoundRect)
                raster::AddRoundRect(inner, L + w, T + w, R - w, B - w, std::max(ew - 2 * w, 0), std::max(eh - 2 * w, 0));
            else
                region(inner, L + w, T + w, R - w, B - w);
            inner.Normalize();
            ring.Subtract(inner);
        }
    }
    if (brush)
        raster::PaintSpans(surf, inner, brushFill, s_.rop2);

    if (!s_.pen.IsStyled()) {
        raster::Fill penFill;
        penFill.fg = pen;
        raster::PaintSpans(surf, ring, penFill, s_.rop2);
        return;
    }
    // Styled 1-px outlines: the pattern runs round the figure.
    if (kind == kRectangle) {
        styledRectangle();
        return;
    }
    const std::vector<QPoint> order = OrderedBorder(ring, (l + r) / 2, (t + b) / 2);
    for (std::size_t i = 0; i < order.size(); ++i) {
        const QPoint p = order[i];
        if (p.x() < 0 || p.y() < 0 || p.x() >= W || p.y() >= H)
            continue;
        std::uint32_t* px = surf.Row(p.y()) + p.x();
        if (dashes.On((long long)i))
            *px = raster::Mix(s_.rop2, pen, *px);
        else if (opaque)
            *px = raster::Mix(s_.rop2, bg, *px);
    }
}

void Dc::ImagePolygon(const std::vector<POINT>& input)
{
    std::vector<POINT> pts(input);
    for (POINT& p : pts) {
        p.x = int(std::clamp<long long>((long long)p.x - Shift().x(), INT32_MIN / 2, INT32_MAX / 2));
        p.y = int(std::clamp<long long>((long long)p.y - Shift().y(), INT32_MIN / 2, INT32_MAX / 2));
    }
    const raster::Surface surf = raster::SurfaceOf(*image_, origin_.x(), origin_.y());
    raster::SpanSet fill(0, 0, surf.width, surf.height), outline(0, 0, surf.width, surf.height);
    const std::size_t n = pts.size();
    const bool pen = !s_.pen.IsNull();
    const int w = s_.pen.Width();
    if (pen) {
        for (std::size_t i = 0; i < n; ++i) {
            const POINT& a = pts[i];
            const POINT& b = pts[(i + 1) % n];
            if (w == 1)
                raster::AddThinLine(outline, a.x, a.y, b.x, b.y);
            else
                raster::AddCapsule(outline, a.x + CentreOffset(w), a.y + CentreOffset(w), b.x + CentreOffset(w),
                                   b.y + CentreOffset(w), StrokeRadius(w));
        }
        outline.Normalize();
    }
    if (!s_.brush.IsNull()) {
        raster::AddPolygon(fill, pts.data(), int(n));
        fill.Normalize();
        fill.Subtract(outline);  // each pixel takes the mix once
        raster::PaintSpans(surf, fill, BrushFill(s_.brush, s_.bkMode, s_.bkColor), s_.rop2);
    }
    if (!pen)
        return;
    if (w > 1) {
        raster::Fill penFill;
        penFill.fg = PixelOf(s_.pen.color);
        raster::PaintSpans(surf, outline, penFill, s_.rop2);
        return;
    }
    long long pos = 0;
    const raster::Dashes dashes = s_.pen.IsStyled() ? raster::DashesOf(s_.pen.style) : raster::Dashes{};
    for (std::size_t i = 0; i < n; ++i)
        raster::DrawThinLine(surf, pts[i].x, pts[i].y, pts[(i + 1) % n].x, pts[(i + 1) % n].y, PixelOf(s_.pen.color),
                             dashes, s_.bkMode == OPAQUE, PixelOf(s_.bkColor), s_.rop2, pos);
}

// ---- vector path

void Dc::ApplyPen(QPainter& p, bool background) const
{
    if (s_.pen.IsNull()) {
        p.setPen(Qt::NoPen);
        return;
    }
    const int w = s_.pen.Width();
    QPen pen(QColorOf(background ? s_.bkColor : s_.pen.color), w);
    if (w == 1) {
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        if (s_.pen.IsStyled() && !background) {
            const raster::Dashes d = raster::DashesOf(s_.pen.style);
            QList<qreal> pattern;
            for (int i = 0; i < d.count; ++i)
                pattern << d.runs[i];
            pen.setDashPattern(pattern);
            pen.setDashOffset(qreal(s_.stylePos % d.period));
        }
    } else {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    p.setPen(pen);
}

void Dc::ApplyBrush(QPainter& p) const
{
    if (s_.brush.IsNull())
        p.setBrush(Qt::NoBrush);
    else
        p.setBrush(QColorOf(s_.brush.color));  // hatches go through a band
}

void Dc::VectorLines(const std::vector<POINT>& pts, bool closed)
{
    const double off = CentreOffset(s_.pen.Width());
    QPolygonF poly;
    for (const POINT& pt : pts)
        poly << QPointF(pt.x + off, pt.y + off);
    QPainter& p = *painter_;
    p.setBrush(Qt::NoBrush);
    const int passes = s_.pen.IsStyled() && s_.bkMode == OPAQUE ? 2 : 1;
    for (int pass = passes - 1; pass >= 0; --pass) {
        ApplyPen(p, pass == 1);
        if (closed)
            p.drawPolygon(poly);
        else
            p.drawPolyline(poly);
    }
}

void Dc::VectorShape(int kind, int left, int top, int right, int bottom, int ew, int eh)
{
    QPainter& p = *painter_;
    auto draw = [&](const QRectF& r) {
        if (kind == kRectangle)
            p.drawRect(r);
        else if (kind == kEllipse)
            p.drawEllipse(r);
        else
            p.drawRoundedRect(r, ew / 2.0, eh / 2.0);
    };
    if (s_.pen.IsNull()) {
        if (s_.brush.IsNull())
            return;
        p.setPen(Qt::NoPen);
        ApplyBrush(p);
        draw(QRectF(left, top, double(right) - left - 1, double(bottom) - top - 1));
        return;
    }
    const int w = s_.pen.Width();
    double inset = CentreOffset(w);
    if (s_.pen.style == PS_INSIDEFRAME)
        inset = w / 2.0;
    const QRectF path(left + inset, top + inset, double(right) - left - 1 - 2 * inset + 2 * CentreOffset(w),
                      double(bottom) - top - 1 - 2 * inset + 2 * CentreOffset(w));
    if (s_.pen.IsStyled() && s_.bkMode == OPAQUE) {
        ApplyPen(p, true);
        p.setBrush(Qt::NoBrush);
        draw(path);
    }
    ApplyPen(p, false);
    ApplyBrush(p);
    draw(path);
}

void Dc::VectorPolygon(const std::vector<POINT>& pts)
{
    QPainter& p = *painter_;
    const double off = s_.pen.IsNull() ? 0.0 : CentreOffset(s_.pen.Width());
    QPolygonF poly;
    for (const POINT& pt : pts)
        poly << QPointF(pt.x + off, pt.y + off);
    if (s_.pen.IsStyled() && s_.bkMode == OPAQUE) {
        ApplyPen(p, true);
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(poly);
    }
    ApplyPen(p, false);
    ApplyBrush(p);
    p.drawPolygon(poly, Qt::OddEvenFill);
}

}  // namespace platform
