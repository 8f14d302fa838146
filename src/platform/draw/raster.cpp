#include "platform/draw/raster.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>


namespace platform::raster {

Surface SurfaceOf(QImage& image, int pageX, int pageY)
{
    Surface s;
    s.bits = reinterpret_cast<std::uint32_t*>(image.bits());
    s.stride = image.bytesPerLine() / 4;
    s.width = image.width();
    s.height = image.height();
    s.pageX = pageX;
    s.pageY = pageY;
    return s;
}

bool MixIsIdempotent(int rop2)
{
    switch (rop2) {
    case R2_NOTMERGEPEN: case R2_MASKPENNOT: case R2_NOT: case R2_XORPEN: case R2_NOTMASKPEN:
    case R2_NOTXORPEN: case R2_MERGEPENNOT:
        return false;
    default:
        return true;
    }
}

namespace {

// The six hatches, 8 x 8, one byte per row, bit x set where the pattern draws: taken from Qt's own
// patterns, which are the HS_* ones pixel for pixel, aligned to the device origin.
struct HatchTable {
    std::uint8_t rows[6][8] = {};
    HatchTable()
    {
        const Qt::BrushStyle styles[6] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                          Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        for (int h = 0; h < 6; ++h) {
            QImage img(8, 8, QImage::Format_RGB32);
            img.fill(Qt::white);
            {
                QPainter p(&img);
                p.fillRect(QRect(0, 0, 8, 8), QBrush(Qt::black, styles[h]));
            }
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    if ((img.pixel(x, y) & 0xFFFFFF) == 0)
                        rows[h][y] |= std::uint8_t(1u << x);
        }
    }
};

const HatchTable& Hatches()
{
    static const HatchTable table;
    return table;
}

const std::uint8_t kDash[] = {18, 6};
const std::uint8_t kDot[] = {3, 3};
const std::uint8_t kDashDot[] = {9, 6, 3, 6};
const std::uint8_t kDashDotDot[] = {9, 3, 3, 3, 3, 3};

// floor(a / b) for b > 0; 128 bits, as the products of two 32-bit spans can pass 2^63.
inline long long FloorDiv(__int128 a, __int128 b) { return (long long)(a >= 0 ? a / b : -((-a + b - 1) / b)); }

}  // namespace

bool HatchBit(int hatch, int x, int y)
{
    if (hatch < 0 || hatch > 5)
        hatch = HS_HORIZONTAL;
    return (Hatches().rows[hatch][y & 7] >> (x & 7)) & 1;
}

// ---- spans

void SpanSet::Add(int y, long long x0, long long x1)
{
    if (y < top_ || y >= bottom_)
        return;
    x0 = std::max<long long>(x0, left_);
    x1 = std::min<long long>(x1, right_);
    if (x0 < x1)
        spans_.push_back({y, int(x0), int(x1)});
}

void SpanSet::Normalize()
{
    std::sort(spans_.begin(), spans_.end(),
              [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
    std::size_t out = 0;
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        if (out > 0 && spans_[out - 1].y == spans_[i].y && spans_[i].x0 <= spans_[out - 1].x1)
            spans_[out - 1].x1 = std::max(spans_[out - 1].x1, spans_[i].x1);
        else
            spans_[out++] = spans_[i];
    }
    spans_.resize(out);
}

void SpanSet::Subtract(const SpanSet& other)
{
    std::vector<Span> result;
    result.reserve(spans_.size());
    std::size_t j = 0;
    const auto& cut = other.spans_;
    for (Span s : spans_) {
        while (j < cut.size() && (cut[j].y < s.y || (cut[j].y == s.y && cut[j].x1 <= s.x0)))
            ++j;
        std::size_t k = j;
        int x = s.x0;
        while (k < cut.size() && cut[k].y == s.y && cut[k].x0 < s.x1) {
            if (cut[k].x0 > x)
                result.push_back({s.y, x, cut[k].x0});
            x = std::max(x, cut[k].x1);
            ++k;
        }
        if (x < s.x1)
            result.push_back({s.y, x, s.x1});
    }
    spans_ = std::move(result);
}

bool SpanSet::Contains(int x, int y) const
{
    for (const Span& s : spans_)
        if (s.y == y && x >= s.x0 && x < s.x1)
            return true;
    return false;
}

void SpanSet::SplitBorder(SpanSet& border, SpanSet& inner) const
{
    // One span per row: a pixel is inner when its row neighbours and the rows above and below hold it.
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        const Span& s = spans_[i];
        const bool hasUp = i > 0 && spans_[i - 1].y == s.y - 1;
        const bool hasDown = i + 1 < spans_.size() && spans_[i + 1].y == s.y + 1;
        int lo = s.x1, hi = s.x1;  // inner part, empty unless both neighbours exist
        if (hasUp && hasDown) {
            lo = std::max({s.x0 + 1, spans_[i - 1].x0, spans_[i + 1].x0});
            hi = std::min({s.x1 - 1, spans_[i - 1].x1, spans_[i + 1].x1});
            if (lo >= hi)
                lo = hi = s.x1;
        }
        inner.Add(s.y, lo, hi);
        border.Add(s.y, s.x0, lo);
        border.Add(s.y, hi, s.x1);
    }
    border.Normalize();
    inner.Normalize();
}

void PaintRun(const Surface& s, long long y, long long from, long long to, const Fill& fill, int rop2)
{
    if (rop2 == R2_NOP || y < 0 || y >= s.height)
        return;
    const int x0 = int(std::max<long long>(from, 0)), x1 = int(std::min<long long>(to, s.width));
    std::uint32_t* row = s.Row(int(y));
    if (!fill.hatched) {
        if (rop2 == R2_COPYPEN)
            std::fill(row + std::min(x0, x1), row + x1, fill.fg);
        else
            WithMix(rop2, fill.fg, [&](auto op) {
                for (int x = x0; x < x1; ++x)
                    row[x] = op(row[x]);
            });
        return;
    }
    for (int x = x0; x < x1; ++x) {
        if (HatchBit(fill.hatch, x + s.pageX, int(y) + s.pageY))
            row[x] = Mix(rop2, fill.fg, row[x]);
        else if (fill.opaqueGaps)
            row[x] = Mix(rop2, fill.bg, row[x]);
    }
}

void PaintBox(const Surface& s, long long left, long long top, long long right, long long bottom, const Fill& fill,
              int rop2)
{
    for (long long y = std::max<long long>(top, 0); y < std::min<long long>(bottom, s.height); ++y)
        PaintRun(s, y, left, right, fill, rop2);
}

void PaintSpans(const Surface& s, const SpanSet& spans, const Fill& fill, int rop2)
{
    for (const SpanSet::Span& sp : spans.Spans())
        PaintRun(s, sp.y, sp.x0, sp.x1, fill, rop2);
}

// ---- lines

bool Dashes::On(long long position) const
{
    if (count == 0)
        return true;
    long long p = position % period;
    if (p < 0)
        p += period;
    for (int i = 0; i < count; ++i) {
        if (p < runs[i])
            return (i & 1) == 0;
        p -= runs[i];
    }
    return true;
}

Dashes DashesOf(int penStyle)
{
    auto make = [](const std::uint8_t* r, int n) {
        Dashes d;
        d.runs = r;
        d.count = n;
        for (int i = 0; i < n; ++i)
            d.period += r[i];
        return d;
    };
    switch (penStyle) {
    case PS_DASH: return make(kDash, 2);
    case PS_DOT: return make(kDot, 2);
    case PS_DASHDOT: return make(kDashDot, 4);
    case PS_DASHDOTDOT: return make(kDashDotDot, 6);
    default: return {};
    }
}

void DrawThinLine(const Surface& s, long long x0, long long y0, long long x1, long long y1, std::uint32_t pen,
                  const Dashes& dashes, bool opaqueGaps, std::uint32_t bg, int rop2, long long& stylePos)
{
    const long long start = stylePos;
    stylePos += std::max(std::llabs(x1 - x0), std::llabs(y1 - y0));
    if (rop2 == R2_NOP)
        return;
    if (dashes.count == 0) {
        WithMix(rop2, pen, [&](auto op) {
            // Rows lie far apart in memory: the one a few steps on is asked for early.
            const int ahead = y1 >= y0 ? 8 : -8;
            ForEachLinePixel(x0, y0, x1, y1, s.width, s.height, [&](int x, int y, long long) {
                std::uint32_t* p = s.Row(y) + x;
                if (unsigned(y + ahead) < unsigned(s.height))
                    __builtin_prefetch(p + ahead * s.stride, 1);
                *p = op(*p);
            });
        });
        return;
    }
    ForEachLinePixel(x0, y0, x1, y1, s.width, s.height, [&](int x, int y, long long i) {
        std::uint32_t* p = s.Row(y) + x;
        if (dashes.On(start + i))
            *p = Mix(rop2, pen, *p);
        else if (opaqueGaps)
            *p = Mix(rop2, bg, *p);
    });
}

void AddThinLine(SpanSet& spans, long long x0, long long y0, long long x1, long long y1)
{
    // Only the pixels inside the set's clip are of interest.
    const int l = spans.ClipLeft(), t = spans.ClipTop();
    ForEachLinePixel(x0 - l, y0 - t, x1 - l, y1 - t, spans.ClipRight() - l, spans.ClipBottom() - t,
                     [&](int x, int y, long long) { spans.Add(y + t, (long long)x + l, (long long)x + l + 1); });
}

void AddCapsule(SpanSet& spans, double ax, double ay, double bx, double by, double radius)
{
    ForEachCapsuleRow(ax, ay, bx, by, radius, spans.ClipTop(), spans.ClipBottom(),
                      [&](int y, long long x0, long long x1) { spans.Add(y, x0, x1); });
}

void AddPolygon(SpanSet& spans, const POINT* pts, int count)
{
    if (count < 3)
        return;
    long long minY = pts[0].y, maxY = pts[0].y;
    for (int i = 1; i < count; ++i) {
        minY = std::min<long long>(minY, pts[i].y);
        maxY = std::max<long long>(maxY, pts[i].y);
    }
    minY = std::max<long long>(minY, spans.ClipTop());
    maxY = std::min<long long>(maxY, spans.ClipBottom());
    std::vector<double> xs;
    for (long long y = minY; y < maxY; ++y) {
        const double c = double(y) + 0.5;
        xs.clear();
        for (int i = 0; i < count; ++i) {
            const POINT& a = pts[i];
            const POINT& b = pts[(i + 1) % count];
            if (a.y == b.y)
                continue;
            const double ya = a.y, yb = b.y;
            if ((c >= ya && c < yb) || (c >= yb && c < ya))
                xs.push_back(a.x + (c - ya) * double(b.x - a.x) / (yb - ya));
        }
        std::sort(xs.begin(), xs.end());
        for (std::size_t i = 0; i + 1 < xs.size(); i += 2) {
            // Centres in [xa, xb).
            const double x0 = std::ceil(xs[i] - 0.5), x1 = std::ceil(xs[i + 1] - 0.5);
            if (x0 < x1)
                spans.Add(int(y), (long long)std::max(x0, -4e18), (long long)std::min(x1, 4e18));
        }
    }
}

void AddRoundRect(SpanSet& spans, double l, double t, double r, double b, double ew, double eh)
{
    if (r <= l || b <= t)
        return;
    const double rx = std::clamp(ew, 0.0, r - l) / 2, ry = std::clamp(eh, 0.0, b - t) / 2;
    const long long y0 = std::max<long long>((long long)std::ceil(t - 0.5), spans.ClipTop());
    const long long y1 = std::min<long long>((long long)std::ceil(b - 0.5), spans.ClipBottom());
    for (long long y = y0; y < y1; ++y) {
        const double c = double(y) + 0.5;
        double dy = 0;
        if (ry > 0 && c < t + ry)
            dy = (t + ry - c) / ry;
        else if (ry > 0 && c > b - ry)
            dy = (c - (b - ry)) / ry;
        if (dy > 1)
            continue;
        const double inset = rx * (1 - std::sqrt(1 - dy * dy));
        const double x0 = std::ceil(l + inset - 0.5), x1 = std::ceil(r - inset - 0.5);
        if (x0 < x1)
            spans.Add(int(y), (long long)std::max(x0, -4e18), (long long)std::min(x1, 4e18));
    }
}

// ---- blits

bool RopUsesSource(std::uint32_t rop)
{
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

bool RopUsesPattern(std::uint32_t rop)
{
    const unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0x0F) != (t & 0x0F);
}

namespace {

inline std::uint32_t Rop3(unsigned table, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i)
        if ((table >> i) & 1)
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    return r | 0xFF000000u;
}

inline std::uint32_t PatternAt(const Pattern& pat, int x, int y)
{
    if (!pat.hatched)
        return pat.fg;
    return HatchBit(pat.hatch, x, y) ? pat.fg : pat.bg;
}

// Source rows may come from an ARGB32 image: alpha is no part of a GDI bitmap, and every pixel written
// into the RGB32 target is opaque. An opaque source is copied as it is (one memmove per row).
constexpr std::uint32_t kOpaque = 0xFF000000u;

void CopyRow(std::uint32_t* dst, const std::uint32_t* src, int n, bool srcOpaque)
{
    if (srcOpaque) {
        std::memmove(dst, src, std::size_t(n) * 4);
        return;
    }
    if (dst + n <= src || src + n <= dst) {
        for (int i = 0; i < n; ++i)
            dst[i] = src[i] | kOpaque;
        return;
    }
    std::memmove(dst, src, std::size_t(n) * 4);  // a row moved sideways within one image
    for (int i = 0; i < n; ++i)
        dst[i] |= kOpaque;
}

// Runs one row of a raster operation; `srcRow` may be null when the operation needs no source.
void RopRow(std::uint32_t* dst, const std::uint32_t* srcRow, bool srcOpaque, int n, std::uint32_t rop,
            const Pattern& pat, int pageX, int pageY)
{
    const unsigned table = (rop >> 16) & 0xFF;
    switch (rop) {
    case SRCCOPY: CopyRow(dst, srcRow, n, srcOpaque); return;
    case SRCAND: for (int i = 0; i < n; ++i) dst[i] = (dst[i] & srcRow[i]) | kOpaque; return;
    case SRCPAINT: for (int i = 0; i < n; ++i) dst[i] |= srcRow[i] | kOpaque; return;
    case SRCINVERT: for (int i = 0; i < n; ++i) dst[i] = (dst[i] ^ srcRow[i]) | 0xFF000000u; return;
    case BLACKNESS: std::fill(dst, dst + n, 0xFF000000u); return;
    case WHITENESS: std::fill(dst, dst + n, 0xFFFFFFFFu); return;
    case DSTINVERT: for (int i = 0; i < n; ++i) dst[i] = ~dst[i] | 0xFF000000u; return;
    case PATCOPY:
        // A solid brush (FillRect, the clears of the paint) is one colour the whole row.
        if (!pat.none && !pat.hatched) {
            std::fill(dst, dst + n, pat.fg | kOpaque);
            return;
        }
        break;
    default: break;
    }
    if (pat.none && RopUsesPattern(rop))
        return;
    const bool skipGaps = pat.hatched && !pat.opaqueGaps && RopUsesPattern(rop);
    for (int i = 0; i < n; ++i) {
        if (skipGaps && !HatchBit(pat.hatch, pageX + i, pageY))
            continue;
        const std::uint32_t p = PatternAt(pat, pageX + i, pageY);
        dst[i] = Rop3(table, p, srcRow ? srcRow[i] : 0, dst[i]);
    }
}

}  // namespace

void Blit(const Surface& dst, long long dx, long long dy, long long w, long long h, const Surface* src, long long sx,
          long long sy, std::uint32_t rop, const Pattern& pattern)
{
    if (w < 0) {
        dx += w + 1;
        sx += w + 1;
        w = -w;
    }
    if (h < 0) {
        dy += h + 1;
        sy += h + 1;
        h = -h;
    }
    if (w == 0 || h == 0)
        return;
    const bool useSrc = src && RopUsesSource(rop);
    if (!useSrc && RopUsesSource(rop))
        return;
    // Clip the destination and, with it, the source.
    long long x0 = dx, y0 = dy, x1 = dx + w, y1 = dy + h;
    const long long offX = sx - dx, offY = sy - dy;
    x0 = std::max<long long>(x0, 0);
    y0 = std::max<long long>(y0, 0);
    x1 = std::min<long long>(x1, dst.width);
    y1 = std::min<long long>(y1, dst.height);
    if (useSrc) {
        x0 = std::max(x0, -offX);
        y0 = std::max(y0, -offY);
        x1 = std::min(x1, src->width - offX);
        y1 = std::min(y1, src->height - offY);
    }
    if (x0 >= x1 || y0 >= y1)
        return;
    const int n = int(x1 - x0);
    // Same image: copy the source rows first unless a row order keeps them intact.
    std::vector<std::uint32_t> copy;
    const std::uint32_t* srcBase = nullptr;
    qsizetype srcStride = 0;
    if (useSrc) {
        srcBase = src->Row(int(y0 + offY)) + (x0 + offX);
        srcStride = src->stride;
        const bool same = src->bits == dst.bits;
        if (same && !(rop == SRCCOPY)) {
            copy.resize(std::size_t(n) * std::size_t(y1 - y0));
            for (long long y = y0; y < y1; ++y)
                std::memcpy(copy.data() + (y - y0) * n, src->Row(int(y + offY)) + (x0 + offX), std::size_t(n) * 4);
            srcBase = copy.data();
            srcStride = n;
        } else if (same && offY < 0) {
            // Copying downwards within one image: bottom row first.
            for (long long y = y1 - 1; y >= y0; --y)
                RopRow(dst.Row(int(y)) + x0, srcBase + (y - y0) * srcStride, src->opaque, n, rop, pattern, 0, 0);
            return;
        }
    }
    for (long long y = y0; y < y1; ++y)
        RopRow(dst.Row(int(y)) + x0, useSrc ? srcBase + (y - y0) * srcStride : nullptr, useSrc && src->opaque, n,
               rop, pattern, int(x0) + dst.pageX, int(y) + dst.pageY);
}

void StretchBlit(const Surface& dst, long long dx, long long dy, int dw, int dh, const Surface& src, long long sx,
                 long long sy, int sw, int sh, std::uint32_t rop, const Pattern& pattern)
{
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0)
        return;
    // Each side as the edge it starts from and a signed length: a negative extent covers
    // [x + w + 1, x + 1), so it starts from the edge x + 1. The destination is then turned to run
    // forwards; a source running backwards mirrors.
    auto startEdge = [](long long x, int w) { return w < 0 ? x + 1 : x; };
    long long dStart = startEdge(dx, dw), sStart = startEdge(sx, sw), dLen = dw, sLen = sw;
    long long tStart = startEdge(dy, dh), rStart = startEdge(sy, sh), tLen = dh, rLen = sh;
    if (dLen < 0) {
        dStart += dLen;
        dLen = -dLen;
        sStart += sLen;
        sLen = -sLen;
    }
    if (tLen < 0) {
        tStart += tLen;
        tLen = -tLen;
        rStart += rLen;
        rLen = -rLen;
    }
    const int x0 = int(std::max<long long>(dStart, 0)), x1 = int(std::min<long long>(dStart + dLen, dst.width));
    const int y0 = int(std::max<long long>(tStart, 0)), y1 = int(std::min<long long>(tStart + tLen, dst.height));
    if (x0 >= x1 || y0 >= y1)
        return;
    // The source pixel under the centre of destination pixel i of a run.
    auto sample = [](long long start, long long len, long long i, long long dLength) {
        return start + FloorDiv((__int128(2) * i + 1) * len, __int128(2) * dLength);
    };
    // Source column of each destination column; -1 outside the source.
    std::vector<int> cols(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x) {
        const long long c = sample(sStart, sLen, x - dStart, dLen);
        cols[std::size_t(x - x0)] = (c >= 0 && c < src.width) ? int(c) : -1;
    }
    const bool same = src.bits == dst.bits;
    std::vector<std::uint32_t> line(std::size_t(x1 - x0));
    std::vector<std::uint32_t> srcCopy;
    const Surface* from = &src;
    Surface copySurface;
    if (same) {
        srcCopy.assign(src.bits, src.bits + src.stride * src.height);
        copySurface = src;
        copySurface.bits = srcCopy.data();
        from = &copySurface;
    }
    for (int y = y0; y < y1; ++y) {
        const long long r = sample(rStart, rLen, y - tStart, tLen);
        if (r < 0 || r >= src.height)
            continue;
        const std::uint32_t* srow = from->Row(int(r));
        std::uint32_t* drow = dst.Row(y);
        // Runs of valid columns go through the row operation together.
        int run = 0;
        for (int x = x0; x <= x1; ++x) {
            const int c = x < x1 ? cols[std::size_t(x - x0)] : -1;
            if (c >= 0) {
                line[std::size_t(run++)] = srow[c];
                continue;
            }
            if (run > 0)
                RopRow(drow + (x - run), line.data(), src.opaque, run, rop, pattern, x - run + dst.pageX,
                       y + dst.pageY);
            run = 0;
        }
    }
}

}  // namespace platform::raster
