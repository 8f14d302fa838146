// Pixels, pattern fills and blits of the Dc.
#include "platform/draw/dc.h"

#include "platform/draw/raster.h"
#include "platform/draw/syscolors.h"

#include <QPainter>

#include <algorithm>

namespace platform {

namespace {

QColor QColorOf(COLORREF c)
{
    const COLORREF r = ResolveColor(c);
    return QColor(GetRValue(r), GetGValue(r), GetBValue(r));
}

// A hatch's gaps take the background colour in OPAQUE mode and are left alone in TRANSPARENT mode.
raster::Pattern PatternOf(const Brush& brush, COLORREF bk, int bkMode)
{
    raster::Pattern p;
    p.opaqueGaps = bkMode == OPAQUE;
    p.none = brush.IsNull();
    p.hatched = brush.style == BS_HATCHED;
    p.hatch = brush.hatch;
    p.fg = raster::ToPixel(ResolveColor(brush.color));
    p.bg = raster::ToPixel(ResolveColor(bk));
    return p;
}

// The source pixels as 32-bit words. Alpha is no part of a GDI bitmap: an ARGB32 source is read as it
// is and the raster operations write every pixel opaque.
QImage AsRgb32(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

// An RGB32 image of `part` with every pixel opaque, for a device that would blend by alpha.
QImage Opaque(QImage part)
{
    if (part.format() == QImage::Format_RGB32)
        return part;
    if (part.format() != QImage::Format_ARGB32)
        return part.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < part.height(); ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(part.scanLine(y));
        for (int x = 0; x < part.width(); ++x)
            row[x] |= 0xFF000000u;
    }
    part.reinterpretAsFormat(QImage::Format_RGB32);
    return part;
}

// What a GDI extent covers: [x, x + w), or [x + w + 1, x + 1) when w is negative. Kept within
// +-10^9, far beyond any image or page, so that sums with it stay inside int.
constexpr long long kLimit = 1'000'000'000;
struct Extent {
    int lo;
    int length;
};
Extent ExtentOf(int x, int w)
{
    const long long lo = w < 0 ? (long long)x + w + 1 : x, hi = w < 0 ? (long long)x + 1 : (long long)x + w;
    const long long l = std::clamp(lo, -kLimit, kLimit), h = std::clamp(hi, -kLimit, kLimit);
    return {int(l), int(h - l)};
}

// A rectangle with its edges kept within the same bounds, so that its width and height fit in int.
RECT Bounded(const RECT& r)
{
    const auto edge = [](int v) { return int(std::clamp<long long>(v, -kLimit, kLimit)); };
    return {edge(r.left), edge(r.top), edge(r.right), edge(r.bottom)};
}

raster::Surface SourceSurface(const QImage& image)
{
    raster::Surface s;
    s.bits = const_cast<std::uint32_t*>(reinterpret_cast<const std::uint32_t*>(image.constBits()));
    s.stride = image.bytesPerLine() / 4;
    s.width = image.width();
    s.height = image.height();
    s.opaque = image.format() == QImage::Format_RGB32;
    return s;
}

}  // namespace

bool Dc::PatBlt(int left, int top, int w, int h, std::uint32_t rop)
{
    const Extent ex = ExtentOf(left, w), ey = ExtentOf(top, h);
    const int x = ex.lo, y = ey.lo, width = ex.length, height = ey.length;
    if (width == 0 || height == 0)
        return true;
    if (image_) {
        raster::Blit(raster::SurfaceOf(*image_, origin_.x(), origin_.y()), (long long)x - Shift().x(),
                     (long long)y - Shift().y(), width, height, nullptr, 0, 0, rop,
                     PatternOf(s_.brush, s_.bkColor, s_.bkMode));
        return true;
    }
    const bool solidCopy = rop == PATCOPY && s_.brush.style == BS_SOLID;
    const bool plain = rop == WHITENESS || rop == BLACKNESS || solidCopy || (rop == PATCOPY && s_.brush.IsNull());
    return OnDevice(QRect(x, y, width, height), !plain, [=](Dc& d) { d.PatBlt(x, y, width, height, rop); }, [&] {
        if (rop == PATCOPY && s_.brush.IsNull())
            return;
        const QColor c = rop == WHITENESS ? QColor(Qt::white) : rop == BLACKNESS ? QColor(Qt::black) : QColorOf(s_.brush.color);
        painter_->fillRect(QRect(x, y, width, height), c);
    });
}

bool Dc::FillRect(const RECT& rect, const Brush& brush)
{
    const RECT r = Bounded(rect);
    if (r.right <= r.left || r.bottom <= r.top)
        return true;
    const KeepDcState keep(*this);
    SelectObject(brush);
    return PatBlt(r.left, r.top, r.Width(), r.Height(), PATCOPY);
}

bool Dc::FrameRect(const RECT& rect, const Brush& brush)
{
    const RECT r = Bounded(rect);
    if (r.right <= r.left || r.bottom <= r.top)
        return true;
    const KeepDcState keep(*this);
    SelectObject(brush);
    const int w = r.Width(), h = r.Height();
    bool ok = PatBlt(r.left, r.top, w, 1, PATCOPY);
    if (h > 1)
        ok = PatBlt(r.left, r.bottom - 1, w, 1, PATCOPY) && ok;
    if (h > 2) {
        ok = PatBlt(r.left, r.top + 1, 1, h - 2, PATCOPY) && ok;
        if (w > 1)
            ok = PatBlt(r.right - 1, r.top + 1, 1, h - 2, PATCOPY) && ok;
    }
    return ok;
}

COLORREF Dc::SetPixel(int x, int y, COLORREF color)
{
    const COLORREF c = ResolveColor(color);
    if (image_) {
        const int px = x - Shift().x(), py = y - Shift().y();
        if (px < 0 || py < 0 || px >= image_->width() || py >= image_->height())
            return CLR_INVALID;
        reinterpret_cast<std::uint32_t*>(image_->scanLine(py))[px] = raster::ToPixel(c);
        return c;
    }
    OnDevice(QRect(x, y, 1, 1), false, [=](Dc& d) { d.SetPixel(x, y, color); },
             [&] { painter_->fillRect(QRect(x, y, 1, 1), QColorOf(c)); });
    return c;
}

COLORREF Dc::GetPixel(int x, int y) const
{
    if (!image_)
        return CLR_INVALID;
    const int px = x - Shift().x(), py = y - Shift().y();
    if (px < 0 || py < 0 || px >= image_->width() || py >= image_->height())
        return CLR_INVALID;
    return raster::ToColorRef(reinterpret_cast<const std::uint32_t*>(image_->constScanLine(py))[px]);
}

bool Dc::BitBlt(int x, int y, int width, int height, const Dc& source, int sx, int sy, std::uint32_t rop)
{
    if (!source.image_)
        return !raster::RopUsesSource(rop) && PatBlt(x, y, width, height, rop);
    return BlitImpl(x, y, width, height, *source.image_, sx - source.Shift().x(), sy - source.Shift().y(), width,
                    height, rop, false);
}

bool Dc::BitBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy, std::uint32_t rop)
{
    return BlitImpl(x, y, width, height, source, sx, sy, width, height, rop, false);
}

bool Dc::StretchBlt(int x, int y, int width, int height, const Dc& source, int sx, int sy, int sw, int sh,
                    std::uint32_t rop)
{
    if (!source.image_)
        return false;
    return BlitImpl(x, y, width, height, *source.image_, sx - source.Shift().x(), sy - source.Shift().y(), sw, sh,
                    rop, true);
}

bool Dc::StretchBlt(int x, int y, int width, int height, const QImage& source, int sx, int sy, int sw, int sh,
                    std::uint32_t rop)
{
    return BlitImpl(x, y, width, height, source, sx, sy, sw, sh, rop, true);
}

bool Dc::BlitImpl(int x, int y, int w, int h, const QImage& source, int sx, int sy, int sw, int sh, std::uint32_t rop,
                  bool stretch)
{
    const bool usesSource = raster::RopUsesSource(rop);
    if (usesSource && source.isNull())
        return false;
    if (stretch && w == sw && h == sh)
        stretch = false;
    if (image_) {
        const raster::Surface dst = raster::SurfaceOf(*image_, origin_.x(), origin_.y());
        const QImage src = usesSource ? AsRgb32(source) : QImage();
        const raster::Surface from = SourceSurface(src);
        const raster::Pattern pattern = PatternOf(s_.brush, s_.bkColor, s_.bkMode);
        const long long dx = (long long)x - Shift().x(), dy = (long long)y - Shift().y();
        if (stretch)
            raster::StretchBlit(dst, dx, dy, w, h, from, sx, sy, sw, sh, rop, pattern);
        else
            raster::Blit(dst, dx, dy, w, h, usesSource ? &from : nullptr, sx, sy, rop, pattern);
        return true;
    }
    // Paper: keep only the part of the source that is drawn, for later bands.
    // (Without stretching the source covers the destination's extents.)
    const Extent dX = ExtentOf(x, w), dY = ExtentOf(y, h);
    const Extent sX = ExtentOf(sx, stretch ? sw : w), sY = ExtentOf(sy, stretch ? sh : h);
    const QRect srcRect = QRect(sX.lo, sY.lo, sX.length, sY.length).intersected(source.rect());
    const QImage part = usesSource ? Opaque(source.copy(srcRect)) : QImage();
    const int px = sx - srcRect.left(), py = sy - srcRect.top();
    const QRect bounds(dX.lo, dY.lo, dX.length, dY.length);
    // Past the budget, later bands see white paper under the image instead of the image itself.
    constexpr qsizetype kRecordBudget = qsizetype(256) << 20;
    const Call call = [=](Dc& d) { d.BlitImpl(x, y, w, h, part, px, py, sw, sh, rop, stretch); };
    const Call forget = [](Dc&) {};
    const bool keep = recordedImageBytes_ + part.sizeInBytes() <= kRecordBudget;
    if (keep)
        recordedImageBytes_ += part.sizeInBytes();
    return OnDevice(bounds, rop != SRCCOPY, call,
                    [&] {
                        // Nearest pixel, mirrored where the sizes differ in sign.
                        const bool flipX = (w < 0) != (sw < 0), flipY = (h < 0) != (sh < 0);
                        const QImage img = part.mirrored(flipX, flipY);
                        QRectF from(sX.lo - srcRect.left(), sY.lo - srcRect.top(), sX.length, sY.length);
                        if (flipX)
                            from.moveLeft(part.width() - from.right());
                        if (flipY)
                            from.moveTop(part.height() - from.bottom());
                        painter_->drawImage(QRectF(bounds), img, from);
                    },
                    keep ? nullptr : &forget);
}

}  // namespace platform
