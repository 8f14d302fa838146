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

raster::Pattern PatternOf(const Brush& brush, COLORREF bk)
{
    raster::Pattern p;
    p.none = brush.IsNull();
    p.hatched = brush.style == BS_HATCHED;
    p.hatch = brush.hatch;
    p.fg = raster::ToPixel(ResolveColor(brush.color));
    p.bg = raster::ToPixel(ResolveColor(bk));
    return p;
}

// The source pixels as RGB32 (alpha, where there is any, is not part of a GDI bitmap).
QImage AsRgb32(const QImage& image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

raster::Surface SourceSurface(const QImage& image)
{
    raster::Surface s;
    s.bits = const_cast<std::uint32_t*>(reinterpret_cast<const std::uint32_t*>(image.constBits()));
    s.stride = image.bytesPerLine() / 4;
    s.width = image.width();
    s.height = image.height();
    return s;
}

}  // namespace

bool Dc::PatBlt(int x, int y, int width, int height, std::uint32_t rop)
{
    if (width < 0) {
        x += width;
        width = -width;
    }
    if (height < 0) {
        y += height;
        height = -height;
    }
    if (width == 0 || height == 0)
        return true;
    if (image_) {
        raster::Blit(raster::SurfaceOf(*image_, origin_.x(), origin_.y()), x - origin_.x(), y - origin_.y(), width,
                     height, nullptr, 0, 0, rop, PatternOf(s_.brush, s_.bkColor));
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

bool Dc::FillRect(const RECT& r, const Brush& brush)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return true;
    const Brush old = SelectObject(brush);
    const bool ok = PatBlt(r.left, r.top, r.Width(), r.Height(), PATCOPY);
    SelectObject(old);
    return ok;
}

bool Dc::FrameRect(const RECT& r, const Brush& brush)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return true;
    const Brush old = SelectObject(brush);
    const int w = r.Width(), h = r.Height();
    bool ok = PatBlt(r.left, r.top, w, 1, PATCOPY);
    if (h > 1)
        ok = PatBlt(r.left, r.bottom - 1, w, 1, PATCOPY) && ok;
    if (h > 2) {
        ok = PatBlt(r.left, r.top + 1, 1, h - 2, PATCOPY) && ok;
        if (w > 1)
            ok = PatBlt(r.right - 1, r.top + 1, 1, h - 2, PATCOPY) && ok;
    }
    SelectObject(old);
    return ok;
}

COLORREF Dc::SetPixel(int x, int y, COLORREF color)
{
    const COLORREF c = ResolveColor(color);
    if (image_) {
        const int px = x - origin_.x(), py = y - origin_.y();
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
    const int px = x - origin_.x(), py = y - origin_.y();
    if (px < 0 || py < 0 || px >= image_->width() || py >= image_->height())
        return CLR_INVALID;
    return raster::ToColorRef(reinterpret_cast<const std::uint32_t*>(image_->constScanLine(py))[px]);
}

bool Dc::BitBlt(int x, int y, int width, int height, const Dc& source, int sx, int sy, std::uint32_t rop)
{
    if (!source.image_)
        return !raster::RopUsesSource(rop) && PatBlt(x, y, width, height, rop);
    return BlitImpl(x, y, width, height, *source.image_, sx - source.origin_.x(), sy - source.origin_.y(), width,
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
    return BlitImpl(x, y, width, height, *source.image_, sx - source.origin_.x(), sy - source.origin_.y(), sw, sh,
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
    if (stretch && w == sw && h == sh && w > 0 && h > 0)
        stretch = false;
    if (image_) {
        const raster::Surface dst = raster::SurfaceOf(*image_, origin_.x(), origin_.y());
        const QImage src = usesSource ? AsRgb32(source) : QImage();
        const raster::Surface from = SourceSurface(src);
        const raster::Pattern pattern = PatternOf(s_.brush, s_.bkColor);
        if (stretch)
            raster::StretchBlit(dst, x - origin_.x(), y - origin_.y(), w, h, from, sx, sy, sw, sh, rop, pattern);
        else
            raster::Blit(dst, x - origin_.x(), y - origin_.y(), w, h, usesSource ? &from : nullptr, sx, sy, rop, pattern);
        return true;
    }
    // Paper: keep only the part of the source that is drawn, for later bands.
    const QRect srcRect = QRect(QPoint(std::min(sx, sx + sw), std::min(sy, sy + sh)), QSize(std::abs(sw), std::abs(sh)))
                              .intersected(source.rect());
    const QImage part = usesSource ? source.copy(srcRect) : QImage();
    const int px = sx - srcRect.left(), py = sy - srcRect.top();
    const QRect bounds = QRect(QPoint(std::min(x, x + w), std::min(y, y + h)), QSize(std::abs(w), std::abs(h)));
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
                        const QImage img = part.mirrored((w < 0) != (sw < 0), (h < 0) != (sh < 0));
                        const QRectF from(std::min(px, px + sw), std::min(py, py + sh), std::abs(sw), std::abs(sh));
                        painter_->drawImage(QRectF(bounds), img, from);
                    },
                    keep ? nullptr : &forget);
}

}  // namespace platform
