#pragma once
// Rasterisation on RGB32 pixels with GDI's rules, written straight into the image rows: Bresenham lines
// without their end point, wide strokes as discs swept along segments, centre-sampled polygon and
// ellipse interiors, the sixteen pen mixes, the hatch patterns and the raster operations of the blits.
#include "platform/gdi.h"

#include <QImage>

#include <cstdint>
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
std::uint32_t Mix(int rop2, std::uint32_t pen, std::uint32_t dst);
// True when drawing a pixel twice with the mix gives what drawing it once gives.
bool MixIsIdempotent(int rop2);

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

// Calls plot(x, y, i) for the pixels of the line from (x0, y0) towards (x1, y1), end point left out,
// that fall inside [0, width) x [0, height); i counts pixels from the start (pixels outside count too).
// The minor coordinate is the true one rounded to nearest; where the line passes halfway between two
// pixels it takes the one with the smaller minor coordinate (the upper one on a flat line, the left one
// on a steep line) whichever way the line is drawn, so A->B and B->A differ only at their ends.
template <class Plot>
void ForEachLinePixel(long long x0, long long y0, long long x1, long long y1, int width, int height, Plot&& plot);

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

// ---- template definition

template <class Plot>
void ForEachLinePixel(long long x0, long long y0, long long x1, long long y1, int width, int height, Plot&& plot)
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

}  // namespace platform::raster
