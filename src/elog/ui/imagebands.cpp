#include "elog/ui/imagebands.h"

#include "app/logstate.h"
#include "elog/pictures.h"
#include "logview/geometryof.h"
#include "logview/ui/directpaint.h"
#include "platform/draw/dc.h"
#include "platform/folders.h"

#include <algorithm>
#include <vector>

namespace elog {

namespace {

// Rows over a band whose records may still draw into it: memo boxes, short reports, show boxes and
// the survey block reach a few dozen rows down; below it the paint's end marks must stay out of it.
constexpr int kRowsAbove = 100;
constexpr int kRowsBelow = 10;
// A log image draws a record's picture 25 rows below the record.
constexpr int kPictureRowsDown = 26;

// Rows below its record that a picture of the interval may reach: half its size in the image, or a
// track's width (square, or kept in proportion).
int PictureRows(const app::LogState& log, std::int32_t start, std::int32_t end, int rowHeight)
{
    const PictureTable& t = log.pictures;
    if (!t.loaded)
        return 0;
    const long long side = std::max(log.layout.format.logRight, 1);
    long long tallest = 0;
    for (const PictureEntry& e : t.all) {
        platform::JpegInfo info;
        if (e.depth < start - kRowsAbove || e.depth > end || !SafePictureName(e.name) ||
            platform::jpeginfo(platform::FindFileNoCase(t.folder, e.name), info) != platform::IMAGE_OK)
            continue;
        tallest = std::max({tallest, (long long)info.height / 2, side, side * info.height / std::max(info.width, 1)});
    }
    return tallest > 0 ? int(std::min<long long>(tallest / std::max(rowHeight, 1) + 1 + kPictureRowsDown, 1'000'000)) : 0;
}

}  // namespace

logview::ViewGeometry ImageGeometry(const app::LogState& log, std::int32_t top, int rows, int originY, int height)
{
    logview::ViewGeometry g = logview::GeometryOf(log);
    g.viewTopDepth = top;
    g.topMargin = originY;
    g.visibleRows = rows;
    g.clientHeight = height;
    g.logBottomY = height;
    g.origin = {0, 0};
    g.horizontalScroll = 0;
    return g;
}

logview::Device ImageDevice(int bits)
{
    logview::Device device;
    device.imageExport = true;
    device.monochrome = bits == 1;
    return device;
}

void ImageFrame(platform::Dc& dc, int width, int height)
{
    const int r = width - 1, b = height - 1;
    platform::Line(dc, 0, 0, r, 0);
    platform::Line(dc, r, 0, r, b);
    platform::Line(dc, r, b, 0, b);
    platform::Line(dc, 0, b, 0, 0);
}

std::optional<int> DrawImageInBands(LogImageOutput& out, const BandedImage& image, const BandPainter& paint)
{
    const int R = std::max(image.rowHeight, 1);
    const int bandHeight =
        int(std::clamp<long long>(image.bandPixels / std::max(image.width, 1), 4LL * R, std::max(image.height, 1)));
    const std::vector<ImageBand> bands = PlanImageBands(image.height, bandHeight, image.originY, R, image.rows,
                                                        std::max(image.above, kRowsAbove), kRowsBelow);
    QImage band(image.width, bandHeight, QImage::Format_RGB32);
    if (band.isNull())
        return platform::IMAGE_NO_MEMORY;
    // A second run when the colours outgrew an exact palette.
    for (int run = 0; run < 2; ++run) {
        const int started = out.Start();
        if (started != platform::IMAGE_OK)
            return started;
        for (const ImageBand& b : bands) {
            band.fill(Qt::white);
            platform::Dc dc(band, QPoint(0, b.top));
            ImageFrame(dc, image.width, image.height);
            if (!paint(dc, b))
                return std::nullopt;
            const int taken = out.Take(band, 0, b.bottom - b.top);
            if (taken != platform::IMAGE_OK)
                return taken;
            if (out.Again())
                break;
        }
        if (!out.Again())
            return out.Finish();
    }
    return platform::IMAGE_CANT_WRITE;
}

std::optional<int> DrawLogImageInBands(app::LogState& log, LogImageOutput& out, BandedImage image, std::int32_t start,
                                       int bits, bool header)
{
    wellfile::OpenWell& f = log.well.file;
    layout::LogLayout& L = log.layout.format;
    const std::int32_t step = std::max(f.depthStep, 1);
    const int R = std::max(image.rowHeight, 1);
    image.above = std::max(image.above, PictureRows(log, start, start + image.rows * step, R));
    const logview::Device device = ImageDevice(bits);
    return DrawImageInBands(out, image, [&](platform::Dc& dc, const ImageBand& b) {
        f.viewTopDepth = start + b.firstRow * step;
        L.visibleRows = b.rowCount;
        const logview::ViewGeometry g =
            ImageGeometry(log, f.viewTopDepth, b.rowCount, image.originY + b.firstRow * R, image.height);
        return logview::DrawImageLog(log, dc, g, device, header && b.top < image.originY).has_value();
    });
}

}  // namespace elog
