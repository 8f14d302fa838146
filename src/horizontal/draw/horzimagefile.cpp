// The plot as image files: BMP straight from the plot, the other formats from its 256-colour copy. The
// images hold a window of the plot at a time, so a plot wider than the window is drawn again strip by
// strip: a BMP takes its rows in pieces, the other formats are written as pieces of their own.
#include "horizontal/draw/horzplot.h"

#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace horizontal {

namespace {

// Plot columns [left, left + width): from the window when it holds them, else drawn for the file.
QImage ColumnsImage(const HorzPlot& plot, const HorzPainters& painters, int left, int width)
{
    if (WindowHolds(plot, left, width))
        return plot.image.image.copy(left - plot.imageLeft, 0, width, plot.image.Height());
    return RenderColumns(plot, painters, left, width);
}

// One image as a file of format 2 to 4, from its 256-colour copy.
int SaveImage(const QImage& image, const QString& path, int format)
{
    platform::ImageDescriptor rgb;
    rgb.image = image;
    rgb.bitsPerPixel = 24;
    platform::ImageDescriptor palette;
    int code = platform::allocimage(palette, image.width(), image.height(), 8);
    if (code == platform::IMAGE_OK)
        code = platform::convertrgbtopal(256, rgb, palette);
    if (code != platform::IMAGE_OK)
        return code;  // no 8-bit copy: nothing is written from it
    switch (format) {
    case 2: return platform::savejpg(path, palette, 80);
    case 3: return platform::savetif(path, palette, 0);
    case 4: return platform::savepng(path, palette, 0);
    default: return platform::IMAGE_CANT_WRITE;
    }
}

template <class T>
void Put(QByteArray& bytes, int at, T value)
{
    value = qToLittleEndian(value);
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// The whole plot as one 24-bit BMP of any width, its rows filled a window-wide strip at a time; written
// beside the file and put in its place only when complete.
int SaveWideBmp(const HorzPlot& plot, const HorzPainters& painters, const QString& path)
{
    const int width = plot.width, height = plot.height;
    const qint64 stride = (qint64(width) * 3 + 3) / 4 * 4;
    constexpr int kHeaders = 14 + 40;
    QByteArray head(kHeaders, '\0');
    head[0] = 'B';
    head[1] = 'M';
    Put<quint32>(head, 2, quint32(kHeaders + stride * height));
    Put<quint32>(head, 10, kHeaders);
    Put<quint32>(head, 14, 40);
    Put<qint32>(head, 18, width);
    Put<qint32>(head, 22, height);  // rows bottom up
    Put<quint16>(head, 26, 1);
    Put<quint16>(head, 28, 24);
    Put<quint32>(head, 34, quint32(stride * height));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return platform::IMAGE_CANT_OPEN;
    if (file.write(head) != head.size() || !file.resize(kHeaders + stride * height))
        return platform::IMAGE_CANT_WRITE;
    const int strip = WindowWidth(plot);
    QByteArray row;
    for (int left = 0; left < width; left += strip) {
        const int w = std::min(strip, width - left);
        const QImage image = ColumnsImage(plot, painters, left, w).convertToFormat(QImage::Format_RGB888);
        if (image.isNull())
            return platform::IMAGE_NO_MEMORY;
        row.resize(qsizetype(w) * 3);
        for (int y = 0; y < height; ++y) {
            const uchar* rgb = image.constScanLine(y);
            for (int x = 0; x < w; ++x) {  // BMP keeps blue, green, red
                row[3 * x] = char(rgb[3 * x + 2]);
                row[3 * x + 1] = char(rgb[3 * x + 1]);
                row[3 * x + 2] = char(rgb[3 * x]);
            }
            if (!file.seek(kHeaders + stride * (height - 1 - y) + qint64(left) * 3) || file.write(row) != row.size())
                return platform::IMAGE_CANT_WRITE;
        }
    }
    return file.commit() ? platform::IMAGE_OK : platform::IMAGE_CANT_WRITE;
}

}  // namespace

PlotImageFiles SavePlotImage(const HorzPlot& plot, const HorzPainters& painters, int format,
                             const std::function<QString(std::int32_t first, std::int32_t last)>& pathOf)
{
    PlotImageFiles out;
    const std::int32_t first = plot.plotFirstDepth, last = plot.plotLastDepth;
    auto fail = [&out](int code, const QString& path) {
        out.code = code;
        out.failedPath = path;
        return out;
    };
    if (plot.image.Empty())
        return fail(platform::IMAGE_NO_IMAGE, pathOf(first, last));
    if (format == 1) {
        const QString path = pathOf(first, last);
        const int code = WindowHolds(plot, 0, plot.width)
                             ? platform::savebmp(path, plot.image, 0)
                             : SaveWideBmp(plot, painters, path);
        if (code != 0)
            return fail(code, path);
        out.written << path;
        return out;
    }
    // One file while the plot fits an image; else pieces of kImagePieceUnits units, the header with the
    // first, a short rest joined to the last.
    const int ppu = std::max(1, plot.pixelsPerUnit);
    const int piece = plot.width > platform::kMaxImageSide ? kImagePieceUnits * ppu : plot.width;
    const auto depthAt = [&](int column) { return first + std::max(0, column - plot.plotLeft) / ppu; };
    for (int left = 0; left < plot.width;) {
        int right = left == 0 ? std::min(plot.width, plot.plotLeft + piece) : left + piece;
        if (plot.width - right < piece / 4)
            right = plot.width;
        const QString path = pathOf(left == 0 ? first : depthAt(left), right >= plot.width ? last : depthAt(right));
        const QImage image = ColumnsImage(plot, painters, left, right - left);
        if (image.isNull())
            return fail(platform::IMAGE_NO_MEMORY, path);
        if (const int code = SaveImage(image, path, format); code != 0)
            return fail(code, path);
        out.written << path;
        left = right;
    }
    return out;
}

}  // namespace horizontal
