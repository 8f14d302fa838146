#include "elog/draw/imageexport.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace elog {

namespace {

constexpr std::array<const char*, kImageFormats> kTypes{"bmp", "jpg", "tif", "png", "gif"};
constexpr std::array<const char*, kImageFormats> kFilters{"BMP Files (*.bmp)|*.BMP|", "JPG Files (*.jpg)|*.JPG|",
                                                          "TIF Files (*.tif)|*.TIF|", "PNG Files (*.png)|*.PNG|",
                                                          "GIF Files (*.gif)|*.GIF|"};

int FormatIndex(int format) { return std::clamp(format, 0, kImageFormats - 1); }
bool SixteenBitSides(int format) { return format == IMAGE_JPG || format == IMAGE_GIF; }

}  // namespace

QString ImageTypeText(int format) { return QString::fromLatin1(kTypes[std::size_t(FormatIndex(format))]); }
QString ImageExtension(int format) { return u'.' + ImageTypeText(format); }

QString ImageSaveFilter(int format)
{
    QString filter = QString::fromLatin1(kFilters[std::size_t(FormatIndex(format))]);
    for (int i = 0; i < kImageFormats; ++i)
        if (i != FormatIndex(format))
            filter += QString::fromLatin1(kFilters[std::size_t(i)]);
    return filter;
}

int ImageBits(int colours) { return colours == IMAGE_GREY ? 8 : colours == IMAGE_BLACK_WHITE ? 1 : 24; }

ImageScale ImageScaleOf(int scaleIndex)
{
    if (scaleIndex == 0 || scaleIndex == 1)
        return ImageScale::FiveInch;
    return scaleIndex == 3 ? ImageScale::OneInch : ImageScale::TwoInch;
}

QString ImageScaleTag(ImageScale scale)
{
    switch (scale) {
    case ImageScale::FiveInch: return QStringLiteral("5in");
    case ImageScale::OneInch: return QStringLiteral("1in");
    default: return QStringLiteral("2in");
    }
}

int LogImageWidth(int logRight, int unitWidth, int gasRight, int rowHeight, bool header)
{
    const int width = std::max(logRight, 100 * unitWidth);
    return header ? std::max(width, gasRight + 10 * unitWidth + 2 * rowHeight) : width;
}

QString ImageFileName(const QString& wellName, std::int32_t start, std::int32_t end, ImageScale scale, int format)
{
    return QStringLiteral("%1@%2-%3-%4%5").arg(wellName).arg(start).arg(end).arg(ImageScaleTag(scale), ImageExtension(format));
}

std::int32_t DefaultImageStart(int format, int scaleIndex, std::int32_t first, std::int32_t last)
{
    if (format == IMAGE_JPG && scaleIndex < 3 && last - first > kJpegSpan)
        return last - kJpegSpan;
    return first;
}

std::int32_t ExportImageStart(int format, int scaleIndex, std::int32_t start, std::int32_t end, std::int32_t first)
{
    if (format == IMAGE_JPG && scaleIndex < 3 && end - start > kJpegSpan)
        start = end - kJpegSpan;
    // A start before the file would read before its first record.
    return std::max(start, first);
}

std::int32_t FitTallImageStart(int format, std::int32_t start, std::int32_t end, std::int32_t step, int rowHeight,
                               int headerRows)
{
    if (!SixteenBitSides(format) || rowHeight <= 0)
        return start;
    step = std::max(step, 1);
    const long long fitting = std::max<long long>(kTallestImage / rowHeight - kImageExtraRows - headerRows, 1);
    if ((end - start) / step <= fitting)
        return start;
    return std::int32_t(end - fitting * step);
}

ImageInterval CompressedImageInterval(int format, std::int32_t start, std::int32_t end, std::int32_t first,
                                      std::int32_t last, int rowHeight)
{
    end = std::max(end - end % 10, first + 20);
    if (SixteenBitSides(format))
        while (end - 10 > start && (long long)(end - start) / 2 * rowHeight > 65000)
            end -= 10;
    if (start > last - 200)
        start = last - 200;
    if (start < first + 10)
        start = first + 10;
    if (start % 10 != 0)
        start = std::min(start + 10 - start % 10, last);
    return {start, end};
}

std::vector<std::int32_t> CompressedRowDepths(ImageScale scale, std::int32_t start, std::int32_t end)
{
    std::vector<std::int32_t> rows;
    std::int32_t d = start;  // the depth line above the row
    bool two = false;
    while (d < end) {
        if (scale == ImageScale::OneInch) {
            d += 5;
        } else {
            // Two records after a depth of a multiple of 10, then three and two in turn.
            two = d % 10 == 0 ? true : !two;
            d += two ? 2 : 3;
        }
        rows.push_back(d);
    }
    return rows;
}

std::vector<ImageBand> PlanImageBands(int height, int bandHeight, int originY, int rowHeight, int rows, int above,
                                      int below)
{
    std::vector<ImageBand> bands;
    const int R = std::max(rowHeight, 1);
    bandHeight = std::max(bandHeight, 1);
    for (int top = 0; top < height; top += bandHeight) {
        ImageBand b;
        b.top = top;
        b.bottom = std::min(top + bandHeight, height);
        const int firstInBand = std::max((top - originY) / R, 0);
        b.firstRow = std::min(std::max(firstInBand - above, 0), std::max(rows, 0)) / kBandRowAlign * kBandRowAlign;
        const long long last = std::max<long long>((long long)(b.bottom - originY + R - 1) / R, 0) + below;
        b.rowCount = int(std::min<long long>(last, rows) - b.firstRow);
        if (b.rowCount < 0)
            b.rowCount = 0;
        bands.push_back(b);
    }
    return bands;
}

QList<QRgb> ReducedColours(int bits)
{
    if (bits == 1)
        return {qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QList<QRgb> grey(256);
    for (int i = 0; i < 256; ++i)
        grey[i] = qRgb(i, i, i);
    return grey;
}

void ReduceRows(const QImage& rgb, int from, int count, int bits, QImage& out)
{
    const int rows = std::min({count, rgb.height() - from, out.height()});
    for (int y = 0; y < rows; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(from + y));
        uchar* to = out.scanLine(y);
        if (bits == 8) {
            for (int x = 0; x < rgb.width(); ++x)
                to[x] = uchar(qGray(line[x]));
            continue;
        }
        // Every line and letter, whatever its colour, stays: only white is the paper.
        std::fill(to, to + out.bytesPerLine(), uchar(0));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFFu) != 0xFFFFFFu)
                to[x >> 3] |= uchar(0x80 >> (x & 7));
    }
}

int ReduceLogImage(platform::ImageDescriptor& image, int bits)
{
    if (image.Empty())
        return platform::IMAGE_NO_IMAGE;
    if (bits == 24)
        return platform::IMAGE_OK;
    platform::ImageDescriptor reduced;
    const int made = platform::alloctallimage(reduced, image.Width(), image.Height(), bits);
    if (made != platform::IMAGE_OK)
        return made;
    reduced.image.setColorTable(ReducedColours(bits));
    ReduceRows(image.image, 0, image.Height(), bits, reduced.image);
    image = std::move(reduced);
    return platform::IMAGE_OK;
}

int SaveLogImage(const QString& path, int format, const platform::ImageDescriptor& drawn,
                 const platform::ImageDescriptor& palette, bool dpi300, bool compress)
{
    const bool fromPalette = drawn.bitsPerPixel == 24 && !palette.Empty() && (format == IMAGE_BMP || !dpi300);
    const platform::ImageDescriptor& image = fromPalette ? palette : drawn;
    switch (format) {
    case IMAGE_BMP: return platform::savebmp(path, image, 0);
    case IMAGE_JPG: return platform::savejpg(path, image, 80);
    case IMAGE_TIF: return platform::savetif(path, image, compress ? 1 : 0);
    case IMAGE_GIF: return platform::savegif(path, image);
    default: return platform::savepng(path, image, 0);
    }
}

}  // namespace elog
