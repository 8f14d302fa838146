#include "elog/draw/picturepainters.h"

#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "platform/folders.h"

#include <algorithm>

namespace elog {

namespace {

using platform::RGB;

constexpr platform::COLORREF kPlainMarker = RGB(0, 128, 255);
constexpr platform::COLORREF kKindMarker = RGB(255, 128, 0);

void Failed(PictureSource& s, const QString& text, const QString& path)
{
    if (s.table->failureShown.contains(path))
        return;
    s.table->failureShown.insert(path);
    if (s.failed)
        s.failed(text, path);
}

// Where and how large a picture stands: x, y (its top) and the drawn width and height.
struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
};

Placement Place(const logview::PaintTarget& t, const PictureDraw& d, PictureKind kind, int pictureWidth,
                int pictureHeight)
{
    const logview::ViewGeometry& g = t.geometry;
    const logview::PrinterGeometry& pr = t.device.printer;
    const bool paper = t.device.printing;
    const bool screen = !paper && !t.device.imageExport && !t.device.offScreen;
    const int R = paper ? pr.rowHeight : g.rowHeight;
    const int U = paper ? pr.unitWidth : g.unitWidth;
    const int lithLeft = paper ? pr.lithologyLeft : g.lithology.left;

    Placement p;
    p.x = d.x > 0 ? d.x : int(lithLeft + 2.5 * U);
    p.y = d.y;
    // The default size: ten print units by five print rows on paper; half the picture in a log image.
    p.width = paper ? 10 * U : std::max(pictureWidth / 2, 1);
    p.height = paper ? 5 * R : std::max(pictureHeight / 2, 1);
    if (!d.continuation)
        p.y = paper ? std::max(p.y + R, 0) : p.y + R;
    if (d.size > 0) {
        p.width = p.height = d.size;
        if (screen && !d.continuation)
            p.y -= 10 * R;
    } else if (kind == PictureKind::Des && d.x <= 0) {
        // Described cuttings stand in the description column, where the memos go.
        p.x = (paper ? pr.descriptionLeft : g.description.left) + 2;
        const int side = paper ? pr.descriptionCellCount * U : g.description.Width();
        if (side > 0)
            p.width = p.height = side;
        if (screen && !d.continuation)
            p.y -= 5 * R;
    } else if (screen) {
        p.x = g.lithology.left + 1;
        p.width = p.height = g.lithology.Width();
        if (!d.continuation)
            p.y -= 8 * R;
    }
    if (d.keepAspect && pictureWidth > 0)
        p.height = std::max(int((long long)p.width * pictureHeight / pictureWidth), 1);
    if (screen)
        p.y = std::max(p.y, g.topMargin);
    return p;
}

}  // namespace

void DrawImageMarkers(const logview::PaintTarget& t, PictureSource& s)
{
    if (!s.table)
        return;
    const logview::ViewGeometry& g = t.geometry;
    FilterVisibleImages(*s.table, g.viewTopDepth, s.wellName);
    platform::Dc& dc = t.dc;
    const int R = g.rowHeight, U = g.unitWidth, T = g.topMargin, B = g.rate.Right();
    const platform::KeepDcState keep(dc);
    dc.SetTextAlign(platform::TA_CENTER | platform::TA_TOP);
    dc.SetBkMode(platform::TRANSPARENT);
    for (PictureEntry& e : s.table->visible) {
        if (e.depth > g.fileLastDepth)
            continue;
        const long long rows = g.scaleIndex == 3 ? (e.depth - g.viewTopDepth) / 5 : e.depth - g.viewTopDepth;
        const int y = int(std::clamp<long long>(rows * R + T - R, -1'000'000, 1'000'000));
        e.markY = y;
        if (y >= g.logBottomY)
            break;
        const PictureKind kind = KindOf(e.name, s.wellName);
        if (kind != PictureKind::Plain) {
            dc.SelectObject(platform::Brush(kKindMarker));
            dc.Rectangle(B - 3 * U, y, B, y + 15);
            dc.TextOut(B - 3 * U / 2, y, kind == PictureKind::Iso ? QStringLiteral("ISO") : QStringLiteral("M"));
            continue;
        }
        // A picture on a fifty-unit line stands a row lower, off the depth number.
        const int top = e.depth % 50 == 0 ? y + R : y;
        dc.SelectObject(platform::Brush(kPlainMarker));
        dc.Rectangle(B - 2 * U, top, B, top + 2 * R);
        dc.TextOut(B - U, top, QStringLiteral("P"));
    }
}

void DrawImage(const logview::PaintTarget& t, PictureSource& s, tracks::PendingCells& pending, const PictureDraw& d)
{
    if (!s.table || d.index < 0 || std::size_t(d.index) >= s.table->all.size())
        return;
    const PictureEntry& e = s.table->all[std::size_t(d.index)];
    if (!SafePictureName(e.name))
        return;
    const QString path = platform::FindFileNoCase(s.table->folder, e.name);
    platform::JpegInfo info;
    if (platform::jpeginfo(path, info) != platform::IMAGE_OK) {
        Failed(s, QStringLiteral("Not Loaded"), path);
        return;
    }
    platform::ImageDescriptor picture;
    if (platform::allocimage(picture, info.width, info.height, 24) != platform::IMAGE_OK) {
        Failed(s, QStringLiteral("Memory allocation failed"), path);
        return;
    }
    if (platform::loadjpg(path, picture) != platform::IMAGE_OK) {
        Failed(s, QStringLiteral("Not Loaded"), path);
        return;
    }
    const Placement p = Place(t, d, KindOf(e.name, s.wellName), picture.Width(), picture.Height());
    if (p.width <= 0 || p.height <= 0)
        return;  // no room: the column it goes into is not on this log
    const bool paper = t.device.printing;
    const bool screen = !paper && !t.device.imageExport && !t.device.offScreen;
    if (screen) {
        if (p.y >= t.geometry.logBottomY)
            return;
        platform::ImageDescriptor shown;
        if (platform::allocimage(shown, p.width, p.height, 24) != platform::IMAGE_OK) {
            Failed(s, QStringLiteral("Memory allocation failed"), path);
            return;
        }
        platform::resizeex(picture, shown, 1);
        platform::viewimageex(t.dc, shown, p.x, p.y);
        return;
    }
    // Paper and the log image: the picture stretched into its place; on paper a page's bottom cuts it.
    const int W = picture.Width(), H = picture.Height();
    if (d.continuation) {
        if (pending.picture != d.index || pending.pictureRemaining <= 0)
            return;
        const int rest = std::min(pending.pictureRemaining, p.height);
        const int sy = int((long long)(p.height - rest) * H / p.height);
        t.dc.StretchBlt(p.x, p.y, p.width, rest, picture.image, 0, sy, W, H - sy, platform::SRCCOPY);
        pending.picture = -1;
        pending.pictureRemaining = 0;
        return;
    }
    const int bottom = pending.pageBottomY;
    if (paper && bottom > 0 && p.y + p.height > bottom) {
        const int shown = std::max(bottom - p.y, 0);
        if (shown > 0)
            t.dc.StretchBlt(p.x, p.y, p.width, shown, picture.image, 0, 0, W,
                            std::max(int((long long)shown * H / p.height), 1), platform::SRCCOPY);
        pending.picture = d.index;
        pending.pictureRemaining = p.y + p.height - std::max(bottom, p.y);
        return;
    }
    t.dc.StretchBlt(p.x, p.y, p.width, p.height, picture.image, 0, 0, W, H, platform::SRCCOPY);
}

void DrawImageKeepAspect(const logview::PaintTarget& t, PictureSource& s, tracks::PendingCells& pending, int index,
                         int y, int x, int size)
{
    PictureDraw d;
    d.index = index;
    d.y = y;
    d.x = x;
    d.size = size;
    d.keepAspect = true;
    DrawImage(t, s, pending, d);
}

}  // namespace elog
