#include "platform/draw/dc.h"

#include "platform/draw/raster.h"
#include "platform/draw/syscolors.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace platform {

namespace {

QImage BlackBitmap(int width, int height)
{
    QImage img(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    img.fill(0xFF000000u);
    return img;
}

// Pixels of one band tile at most, so that a band over a whole 600-dpi page stays small.
constexpr qsizetype kBandPixels = 4'000'000;

}  // namespace

Dc::Dc(QImage& image) : image_(&image)
{
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    s_.font = StockFont(SYSTEM_FONT);
    startPen_ = s_.pen;
    startBrush_ = s_.brush;
    startFont_ = s_.font;
}

Dc::Dc(QImage& band, QPoint pageOrigin) : Dc(band)
{
    origin_ = pageOrigin;
}

Dc::Dc(QPaintDevice& device) : device_(&device), painter_(std::make_unique<QPainter>(&device))
{
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);  // bands keep their exact colours
    s_.font = StockFont(SYSTEM_FONT);
    startPen_ = s_.pen;
    startBrush_ = s_.brush;
    startFont_ = s_.font;
}

Dc::~Dc()
{
    if (painter_)
        painter_->end();
}

bool Dc::NewPage()
{
    auto* paged = dynamic_cast<QPagedPaintDevice*>(device_);
    if (!paged || !paged->newPage())
        return false;
    page_.clear();
    recordedImageBytes_ = 0;
    return true;
}

// ---- objects and attributes

Pen Dc::SelectObject(const Pen& pen) { return std::exchange(s_.pen, pen); }
Brush Dc::SelectObject(const Brush& brush) { return std::exchange(s_.brush, brush); }
Font Dc::SelectObject(const Font& font) { return std::exchange(s_.font, font); }

void Dc::SelectStockObject(int index)
{
    if (index >= WHITE_BRUSH && index <= NULL_BRUSH)
        s_.brush = StockBrush(index);
    else if (index >= WHITE_PEN && index <= NULL_PEN)
        s_.pen = StockPen(index);
    else
        s_.font = StockFont(index);
}

void Dc::RestorePen() { s_.pen = startPen_; }
void Dc::RestoreBrush() { s_.brush = startBrush_; }
void Dc::RestoreFont() { s_.font = startFont_; }
void Dc::RestoreObjects()
{
    RestorePen();
    RestoreBrush();
    RestoreFont();
}

int Dc::SetROP2(int mix)
{
    const int old = s_.rop2;
    if (mix >= R2_BLACK && mix <= R2_WHITE)
        s_.rop2 = mix;
    return old;
}

int Dc::SetBkMode(int mode)
{
    const int old = s_.bkMode;
    if (mode == OPAQUE || mode == TRANSPARENT)
        s_.bkMode = mode;
    return old;
}

COLORREF Dc::SetBkColor(COLORREF c) { return std::exchange(s_.bkColor, c); }
COLORREF Dc::SetTextColor(COLORREF c) { return std::exchange(s_.textColor, c); }
unsigned Dc::SetTextAlign(unsigned align) { return std::exchange(s_.textAlign, align); }
POINT Dc::SetViewportOrg(int x, int y) { return std::exchange(s_.viewport, POINT{x, y}); }

// ---- device capabilities

int Dc::DpiX() const { return image_ ? 96 : device_->logicalDpiX(); }
int Dc::DpiY() const { return image_ ? 96 : device_->logicalDpiY(); }

int Dc::GetDeviceCaps(int index) const
{
    const int w = image_ ? image_->width() : device_->width();
    const int h = image_ ? image_->height() : device_->height();
    QRect full(0, 0, w, h), paint(0, 0, w, h);
    if (auto* paged = dynamic_cast<QPagedPaintDevice*>(device_)) {
        const QPageLayout layout = paged->pageLayout();
        full = layout.fullRectPixels(DpiX());
        paint = layout.paintRectPixels(DpiX());
    }
    switch (index) {
    case TECHNOLOGY: return image_ ? DT_RASDISPLAY : DT_RASPRINTER;
    case HORZSIZE: return int(w * 254L / (DpiX() * 10L));
    case VERTSIZE: return int(h * 254L / (DpiY() * 10L));
    case HORZRES: return w;
    case VERTRES: return h;
    case BITSPIXEL: return image_ ? 32 : 24;
    case PLANES: return 1;
    case NUMCOLORS: return -1;
    case RASTERCAPS: return RC_BITBLT | RC_STRETCHBLT;
    case LOGPIXELSX: return DpiX();
    case LOGPIXELSY: return DpiY();
    case PHYSICALWIDTH: return image_ ? w : full.width();
    case PHYSICALHEIGHT: return image_ ? h : full.height();
    case PHYSICALOFFSETX: return image_ ? 0 : paint.left();
    case PHYSICALOFFSETY: return image_ ? 0 : paint.top();
    default: return 0;
    }
}

// ---- device path

bool Dc::NeedsBandForPen() const { return !s_.pen.IsNull() && s_.rop2 != R2_COPYPEN; }

bool Dc::NeedsBandForBrush() const
{
    return !s_.brush.IsNull() && (s_.rop2 != R2_COPYPEN || s_.brush.style == BS_HATCHED);
}

bool Dc::OnDevice(const QRect& bounds, bool needsBand, const Call& call, const std::function<void()>& vector,
                  const Call* replay)
{
    // Bounds go onto the page where the viewport puts them; a band replays the call with its viewport.
    const QPoint shift(s_.viewport.x, s_.viewport.y);
    const QRect page = bounds.translated(shift);
    if (needsBand) {
        ComposeBand(page, call);
    } else if (shift.isNull()) {
        vector();
    } else {
        painter_->save();
        painter_->translate(shift);
        vector();
        painter_->restore();
    }
    page_.push_back({page, s_, replay ? *replay : call});
    return true;
}

void Dc::ComposeBand(const QRect& bounds, const Call& call)
{
    const QRect area = bounds & QRect(0, 0, device_->width(), device_->height());
    if (area.isEmpty())
        return;
    const int rows = int(std::max<qsizetype>(1, kBandPixels / area.width()));
    for (int top = area.top(); top <= area.bottom(); top += rows) {
        const QRect tile(area.left(), top, area.width(), std::min(rows, area.bottom() - top + 1));
        QImage band(tile.size(), QImage::Format_RGB32);
        band.fill(0xFFFFFFFFu);
        QImage before;
        {
            // What the page already holds there, drawn again, then the element with its mix.
            Dc b(band, tile.topLeft());
            for (const Recorded& r : page_)
                if (r.bounds.intersects(tile)) {
                    b.s_ = r.state;
                    r.call(b);
                }
            before = band.copy();
            b.s_ = s_;
            call(b);
        }
        // Only the pixels the element changed go onto the page.
        QImage out(tile.size(), QImage::Format_ARGB32);
        for (int y = 0; y < tile.height(); ++y) {
            const auto* now = reinterpret_cast<const std::uint32_t*>(band.constScanLine(y));
            const auto* was = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y));
            auto* o = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
            for (int x = 0; x < tile.width(); ++x)
                o[x] = now[x] != was[x] ? (now[x] | 0xFF000000u) : 0u;
        }
        painter_->drawImage(tile.topLeft(), out);
    }
}

MemoryDc::MemoryDc(int width, int height) : DcBitmap{BlackBitmap(width, height)}, Dc(bitmap) {}

}  // namespace platform
