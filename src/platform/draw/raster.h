#pragma once
// Rasterisation on RGB32 pixels with GDI's rules, written straight into the image rows: Bresenham lines
// without their end point, wide strokes as discs swept along segments, centre-sampled polygon and
// ellipse interiors, the sixteen pen mixes, the hatch patterns and the raster operations of the blits.
#include "platform/gdi.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace platform::raster {

// The pixels of an RGB32 image; (pageX, pageY) is where pixel (0,0) lies on the page, so that hatches
// of an image band line up with the page's.
struct Surface {
    std::uint32_t* bits = nullptr;
    qsizetype stride = 0;  // in pixels
    int width = 0;
    int height = 0;
    int pageX = 0;
    int pageY = 0;
    bool opaque = true;  // every alpha is 0xFF (RGB32); a source read from ARGB32 pixels is not
    std::uint32_t* Row(int y) const { return bits + qsizetype(y) * stride; }
};
Surface SurfaceOf(QImage& image, int pageX = 0, int pageY = 0);

constexpr std::uint32_t ToPixel(COLORREF c)
{
    return 0xFF000000u | (std::uint32_t(GetRValue(c)) << 16) | (std::uint32_t(GetGValue(c)) << 8) | std::uint32_t(GetBValue(c));
}
constexpr COLORREF ToColorRef(std::uint32_t p) { return RGB(int((p >> 16) & 0xFF), int((p >> 8) & 0xFF), int(p & 0xFF)); }

// The result of mix `rop2` (R2_*) of pen colour `pen` over `dst`.
inline std::uint32_t Mix(int rop2, std::uint32_t pen, std::uint32_t dst);
// True when drawing a pixel twice with the mix gives what drawing it once gives.
bool MixIsIdempotent(int rop2);
// Calls f(op), op(dst) being Mix(rop2, pen, dst): the usual mixes get an op of their own, so that a loop
// over pixels is compiled without the choice inside it.
template <class F>
void WithMix(int rop2, std::uint32_t pen, F&& f);

// True when pixel (x, y) of the page is set in hatch pattern HS_*.
bool HatchBit(int hatch, int x, int y);

// Rows of half-open pixel spans [x0, x1), kept inside a clip rectangle.
class SpanSet {
public:
    struct Span {
        int y, x0, x1;
    };
    SpanSet(int clipLeft, int clipTop, int clipRight, int clipBottom)
        : left_(clipLeft), top_(clipTop), right_(clipRight), bottom_(clipBottom) {}
    void Add(int y, long long x0, long long x1);
    // Sorts by row and merges overlapping spans; the other members expect a normalised set.
    void Normalize();
    void Subtract(const SpanSet& other);
    // The pixels of this (convex, one span per row) region that have a 4-neighbour outside it, and the rest.
    void SplitBorder(SpanSet& border, SpanSet& inner) const;
    bool Contains(int x, int y) const;
    const std::vector<Span>& Spans() const { return spans_; }
    bool Empty() const { return spans_.empty(); }
    int ClipLeft() const { return left_; }
    int ClipTop() const { return top_; }
    int ClipRight() const { return right_; }
    int ClipBottom() const { return bottom_; }

private:
    int left_, top_, right_, bottom_;
    std::vector<Span> spans_;
};

// How spans are painted: a solid colour, or a hatch whose gaps take `bg` when `opaqueGaps`.
struct Fill {
    std::uint32_t fg = 0xFF000000u;
    bool hatched = false;
    int hatch = HS_HORIZONTAL;
    bool opaqueGaps = false;
    std::uint32_t bg = 0xFFFFFFFFu;
};
void PaintSpans(const Surface& s, const SpanSet& spans, const Fill& fill, int rop2);
// The same for the pixels [from, to) of row y, and for the box [left, right) x [top, bottom): what the
// spans of such a region paint, without building them.
void PaintRun(const Surface& s, long long y, long long from, long long to, const Fill& fill, int rop2);
void PaintBox(const Surface& s, long long left, long long top, long long right, long long bottom, const Fill& fill,
              int rop2);

// Calls plot(x, y, i) for the pixels of the line from (x0, y0) towards (x1, y1), end point left out,
// that fall inside [0, width) x [0, height); i counts pixels from the start (pixels outside count too).
// The minor coordinate is the true one rounded to nearest; where the line passes halfway between two
// pixels it takes the one with the smaller minor coordinate (the upper one on a flat line, the left one
// on a steep line) whichever way the line is drawn, so A->B and B->A differ only at their ends.
template <class Plot>
void ForEachLinePixel(long long x0, long long y0, long long x1, long long y1, int width, int height, Plot&& plot);
// The same pixels, always found by cutting the line at the edges (ForEachLinePixel skips that when both
// ends are inside).
template <class Plot>
void ForEachClippedLinePixel(long long x0, long long y0, long long x1, long long y1, int width, int height,
                             Plot&& plot);

// Pattern of a styled 1-px pen (on/off run lengths), and the pixels drawn so far along the figure.
struct Dashes {
    const std::uint8_t* runs = nullptr;
    int count = 0;  // 0: solid
    int period = 0;
    bool On(long long position) const;
};
Dashes DashesOf(int penStyle);

// A 1-px line with its style: dash pixels take `pen`, gaps take `bg` when `opaqueGaps`. Advances
// `stylePos` by the line's length so that the pattern runs on into the next segment.
void DrawThinLine(const Surface& s, long long x0, long long y0, long long x1, long long y1, std::uint32_t pen,
                  const Dashes& dashes, bool opaqueGaps, std::uint32_t bg, int rop2, long long& stylePos);
// Adds the 1-px line's pixels to `spans` (for shapes whose interior must not be painted twice).
void AddThinLine(SpanSet& spans, long long x0, long long y0, long long x1, long long y1);

// Adds the pixels whose centres lie within `radius` of the segment a-b (centre coordinates).
void AddCapsule(SpanSet& spans, double ax, double ay, double bx, double by, double radius);
// The same pixels as row(y, x0, x1) for each run [x0, x1) of row y, rows in [top, bottom) only.
template <class Row>
void ForEachCapsuleRow(double ax, double ay, double bx, double by, double radius, int top, int bottom, Row&& row);
// Adds the pixels whose centres lie inside the polygon (alternate fill).
void AddPolygon(SpanSet& spans, const POINT* points, int count);
// Adds the pixels whose centres lie inside the box [l, r) x [t, b) with corners rounded by
// ellipses of ew x eh (an ellipse when they equal the box).
void AddRoundRect(SpanSet& spans, double l, double t, double r, double b, double ew, double eh);

// Ternary raster operations (bits 16..23 of a ROP code) of blits.
struct Pattern {
    bool none = false;  // null brush: operations that need the pattern leave the destination alone
    bool hatched = false;
    int hatch = 0;
    std::uint32_t fg = 0xFF000000u;
    std::uint32_t bg = 0xFFFFFFFFu;
    bool opaqueGaps = true;  // false (TRANSPARENT mode): a hatch's gaps leave the destination alone
};
bool RopUsesSource(std::uint32_t rop);
bool RopUsesPattern(std::uint32_t rop);
// Destination rectangle (dx, dy, w, h) from source (sx, sy) of `src` (ignored when the operation needs
// no source). Both clipped; overlapping source and destination in the same image are handled. As in
// GDI a negative extent covers [x + w + 1, x + 1), on both sides alike.
void Blit(const Surface& dst, long long dx, long long dy, long long w, long long h, const Surface* src, long long sx,
          long long sy, std::uint32_t rop, const Pattern& pattern);
// Nearest-neighbour stretch of (sx, sy, sw, sh) onto (dx, dy, dw, dh); a negative extent covers
// [x + w + 1, x + 1), and extents of different signs mirror.
void StretchBlit(const Surface& dst, long long dx, long long dy, int dw, int dh, const Surface& src, long long sx,
                 long long sy, int sw, int sh, std::uint32_t rop, const Pattern& pattern);

// ---- inline and template definitions

inline std::uint32_t Mix(int rop2, std::uint32_t p, std::uint32_t d)
{
    std::uint32_t r;
    switch (rop2) {
    case R2_BLACK: r = 0; break;
    case R2_NOTMERGEPEN: r = ~(p | d); break;
    case R2_MASKNOTPEN: r = ~p & d; break;
    case R2_NOTCOPYPEN: r = ~p; break;
    case R2_MASKPENNOT: r = p & ~d; break;
    case R2_NOT: r = ~d; break;
    case R2_XORPEN: r = p ^ d; break;
    case R2_NOTMASKPEN: r = ~(p & d); break;
    case R2_MASKPEN: r = p & d; break;
    case R2_NOTXORPEN: r = ~(p ^ d); break;
    case R2_NOP: r = d; break;
    case R2_MERGENOTPEN: r = ~p | d; break;
    case R2_MERGEPENNOT: r = p | ~d; break;
    case R2_MERGEPEN: r = p | d; break;
    case R2_WHITE: r = 0xFFFFFFu; break;
    default: r = p; break;  // R2_COPYPEN and unknown codes
    }
    return r | 0xFF000000u;
}

template <class F>
void WithMix(int rop2, std::uint32_t pen, F&& f)
{
    constexpr std::uint32_t kAlpha = 0xFF000000u;
    switch (rop2) {
    case R2_COPYPEN: {
        const std::uint32_t v = pen | kAlpha;
        f([v](std::uint32_t) { return v; });
        return;
    }
    case R2_MASKPEN: f([pen](std::uint32_t d) { return (pen & d) | kAlpha; }); return;
    case R2_MERGEPEN: f([pen](std::uint32_t d) { return pen | d | kAlpha; }); return;
    case R2_XORPEN: f([pen](std::uint32_t d) { return (pen ^ d) | kAlpha; }); return;
    case R2_NOTXORPEN: f([pen](std::uint32_t d) { return ~(pen ^ d) | kAlpha; }); return;
    default: f([rop2, pen](std::uint32_t d) { return Mix(rop2, pen, d); }); return;
    }
}

template <class Plot>
void ForEachLinePixel(long long x0, long long y0, long long x1, long long y1, int width, int height, Plot&& plot)
{
    if (x0 < 0 || y0 < 0 || x1 < 0 || y1 < 0 || x0 >= width || x1 >= width || y0 >= height || y1 >= height) {
        ForEachClippedLinePixel(x0, y0, x1, y1, width, height, plot);
        return;
    }
    // Both ends inside, and with them every pixel between: Bresenham's steps from the start as they are.
    const long long dx = x1 - x0, dy = y1 - y0;
    const long long adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const long long n = xMajor ? adx : ady, dm = xMajor ? ady : adx;
    const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    // Halves round down in minor steps when the minor coordinate rises, up when it falls.
    const long long bias = (xMajor ? sy : sx) < 0 ? 1 : 0;
    int x = int(x0), y = int(y0);
    long long err = 2 * dm - n;
    if (xMajor) {
        for (long long i = 0; i < n; ++i, x += sx) {
            plot(x, y, i);
            if (err + bias > 0) {
                y += sy;
                err -= 2 * n;
            }
            err += 2 * dm;
        }
    } else {
        for (long long i = 0; i < n; ++i, y += sy) {
            plot(x, y, i);
            if (err + bias > 0) {
                x += sx;
                err -= 2 * n;
            }
            err += 2 * dm;
        }
    }
}

template <class Plot>
void ForEachClippedLinePixel(long long x0, long long y0, long long x1, long long y1, int width, int height,
                             Plot&& plot)
{
    const long long dx = x1 - x0, dy = y1 - y0;
    const bool xMajor = (dx < 0 ? -dx : dx) >= (dy < 0 ? -dy : dy);
    const long long n = xMajor ? (dx < 0 ? -dx : dx) : (dy < 0 ? -dy : dy);
    if (n == 0)
        return;
    const long long dm = xMajor ? (dy < 0 ? -dy : dy) : (dx < 0 ? -dx : dx);
    const int sMaj = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMin = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long maj0 = xMajor ? x0 : y0, min0 = xMajor ? y0 : x0;
    const long long majLimit = xMajor ? width : height, minLimit = xMajor ? height : width;

    // Steps whose major coordinate is inside.
    long long iLo, iHi;
    if (sMaj > 0) {
        iLo = -maj0;
        iHi = majLimit - maj0;
    } else {
        iLo = maj0 - majLimit + 1;
        iHi = maj0 + 1;
    }
    if (iLo < 0)
        iLo = 0;
    if (iHi > n)
        iHi = n;
    if (iLo >= iHi)
        return;
    // Halves round down in minor steps when the minor coordinate rises, up when it falls.
    const int bias = sMin < 0 ? 1 : 0;
    // Steps whose minor coordinate is inside: k(i) = round(i * dm / n) rises with i.
    // Products of two 32-bit spans need more than 64 bits.
    auto k = [&](long long i) -> long long {
        return (long long)((__int128(2) * i * dm + n - 1 + bias) / (__int128(2) * n));
    };
    const long long kLo = sMin > 0 ? -min0 : min0 - (minLimit - 1);
    const long long kHi = sMin > 0 ? minLimit - 1 - min0 : min0;
    if (kLo > kHi)
        return;
    {
        long long lo = iLo, hi = iHi;  // first i with k(i) >= kLo
        while (lo < hi) {
            const long long mid = lo + (hi - lo) / 2;
            if (k(mid) >= kLo)
                hi = mid;
            else
                lo = mid + 1;
        }
        iLo = lo;
        lo = iLo;
        hi = iHi;  // first i with k(i) > kHi
        while (lo < hi) {
            const long long mid = lo + (hi - lo) / 2;
            if (k(mid) > kHi)
                hi = mid;
            else
                lo = mid + 1;
        }
        iHi = lo;
    }
    if (iLo >= iHi)
        return;
    long long kk = k(iLo);
    long long err = (long long)(__int128(2) * dm * (iLo + 1) - n - __int128(2) * n * kk);
    for (long long i = iLo; i < iHi; ++i) {
        const long long maj = maj0 + sMaj * i, mnr = min0 + sMin * kk;
        if (xMajor)
            plot(int(maj), int(mnr), i);
        else
            plot(int(mnr), int(maj), i);
        if (err + bias > 0) {
            ++kk;
            err -= 2 * n;
        }
        err += 2 * dm;
    }
}

namespace detail {

// x range [lo, hi] where lo <= a*x + b <= hi; false when empty.
inline bool SolveBand(double a, double b, double lo, double hi, double& xLo, double& xHi)
{
    if (std::fabs(a) < 1e-12) {
        if (b < lo || b > hi)
            return false;
        xLo = -1e300;
        xHi = 1e300;
        return true;
    }
    double p = (lo - b) / a, q = (hi - b) / a;
    if (p > q)
        std::swap(p, q);
    xLo = p;
    xHi = q;
    return true;
}

}  // namespace detail

template <class Row>
void ForEachCapsuleRow(double ax, double ay, double bx, double by, double radius, int top, int bottom, Row&& row)
{
    // Rows whose centres lie further than the radius from both ends' rows hold no pixel; a quarter pixel
    // of margin keeps rounding out of that choice. A line may reach far beyond the image.
    const long long yFirst = std::max((long long)std::ceil(std::min(ay, by) - radius - 0.75), (long long)top);
    const long long yLast = std::min((long long)std::floor(std::max(ay, by) + radius - 0.25), (long long)bottom - 1);
    if (yFirst > yLast)
        return;
    const double len = std::hypot(bx - ax, by - ay);
    const double ux = len > 0 ? (bx - ax) / len : 0, uy = len > 0 ? (by - ay) / len : 0;
    for (long long y = yFirst; y <= yLast; ++y) {
        const double c = double(y) + 0.5;
        double lo = 1e300, hi = -1e300;
        for (const auto& [px, py] : {std::pair{ax, ay}, std::pair{bx, by}}) {
            const double d = c - py;
            if (std::fabs(d) <= radius) {
                const double h = std::sqrt(radius * radius - d * d);
                lo = std::min(lo, px - h);
                hi = std::max(hi, px + h);
            }
        }
        if (len > 0) {
            // Along the segment: 0 <= t <= len and |distance| <= radius, both linear in x.
            double t0, t1, n0, n1;
            if (detail::SolveBand(ux, (c - ay) * uy - ax * ux, 0, len, t0, t1) &&
                detail::SolveBand(-uy, (c - ay) * ux + ax * uy, -radius, radius, n0, n1)) {
                const double l = std::max(t0, n0), h = std::min(t1, n1);
                if (l <= h) {
                    lo = std::min(lo, l);
                    hi = std::max(hi, h);
                }
            }
        }
        if (lo > hi)
            continue;
        // Pixels whose centres lie in [lo, hi].
        const double a = std::ceil(lo - 0.5), b = std::floor(hi - 0.5) + 1;
        if (a < b)
            row(int(y), (long long)std::max(a, -4e18), (long long)std::min(b, 4e18));
    }
}

}  // namespace platform::raster
