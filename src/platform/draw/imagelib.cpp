#include "platform/draw/imagelib.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <gif_lib.h>
#include <tiffio.h>

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace platform {

namespace {

bool SizeOk(int width, int height, int maxHeight = kMaxImageSide)
{
    return width >= 1 && height >= 1 && width <= kMaxImageSide && height <= maxHeight;
}

QImage::Format FormatFor(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 24: return QImage::Format_RGB32;
    case 8: return QImage::Format_Indexed8;
    case 1: return QImage::Format_Mono;
    default: return QImage::Format_Invalid;
    }
}

// `image` in the depth of `bitsPerPixel`, keeping its colours as far as the depth allows.
QImage InDepth(const QImage& image, int bitsPerPixel)
{
    const QImage::Format f = FormatFor(bitsPerPixel);
    return image.format() == f ? image : image.convertToFormat(f, Qt::ThresholdDither | Qt::AvoidDither);
}

// Writes `image` through a save file, so that the target appears only when it was written in full.
template <typename Write>
int SaveThrough(const QString& fileName, Write write)
{
    QSaveFile file(fileName);
    // Unbuffered: a write the disk cuts short is seen here, not taken as done by the flush in commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return IMAGE_CANT_OPEN;
    if (!write(file)) {
        file.cancelWriting();
        return IMAGE_CANT_WRITE;
    }
    return file.commit() ? IMAGE_OK : IMAGE_CANT_WRITE;
}

int SaveWithQt(const QString& fileName, const ImageDescriptor& image, const char* format, int quality, int compression)
{
    if (image.Empty())
        return IMAGE_NO_IMAGE;
    // Encoded in memory first: Qt's writers do not clean up after a device that refuses a write.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (compression >= 0)
        writer.setCompression(compression);
    if (!writer.write(image.image))
        return IMAGE_CANT_WRITE;
    return SaveThrough(fileName, [&](QSaveFile& file) { return file.write(encoded) == encoded.size(); });
}

// A 1-bit image as a CCITT Group 4 TIFF (black is 1), encoded into a temporary file and read back.
bool EncodeGroup4Tiff(const QImage& image, QByteArray& encoded)
{
    const QImage mono = image.format() == QImage::Format_Mono ? image : image.convertToFormat(QImage::Format_Mono);
    const QList<QRgb> table = mono.colorTable();
    const bool oneIsWhite = table.size() > 1 && qGray(table[1]) >= 128;
    QTemporaryFile temp;
    if (!temp.open())
        return false;
    temp.close();
    TIFF* tiff = TIFFOpen(QFile::encodeName(temp.fileName()).constData(), "w");
    if (!tiff)
        return false;
    const int w = mono.width(), h = mono.height();
    bool ok = TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(w)) && TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(h)) &&
              TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 1) && TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1) &&
              TIFFSetField(tiff, TIFFTAG_COMPRESSION, COMPRESSION_CCITTFAX4) &&
              TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE) &&
              TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB) && TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, std::uint32_t(h)) &&
              TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    std::vector<unsigned char> row(std::size_t((w + 7) / 8));
    for (int y = 0; ok && y < h; ++y) {
        const uchar* line = mono.constScanLine(y);
        for (std::size_t i = 0; i < row.size(); ++i)
            row[i] = oneIsWhite ? uchar(~line[i]) : line[i];
        ok = TIFFWriteScanline(tiff, row.data(), std::uint32_t(y), 0) == 1;
    }
    TIFFClose(tiff);
    QFile back(temp.fileName());
    if (!ok || !back.open(QIODevice::ReadOnly))
        return false;
    encoded = back.readAll();
    return !encoded.isEmpty();
}

int GifWrite(GifFileType* gif, const GifByteType* bytes, int length)
{
    auto* file = static_cast<QSaveFile*>(gif->UserData);
    return int(file->write(reinterpret_cast<const char*>(bytes), length));
}

// Writes an 8-bit image as a GIF (the colour map padded to a power of two, as the format needs).
bool WriteGif(QSaveFile& file, const QImage& indexed)
{
    int error = 0;
    GifFileType* gif = EGifOpen(&file, GifWrite, &error);
    if (!gif)
        return false;
    QList<QRgb> table = indexed.colorTable();
    int mapSize = 2;
    while (mapSize < int(table.size()))
        mapSize *= 2;
    std::vector<GifColorType> colours(std::size_t(mapSize), GifColorType{0, 0, 0});
    for (int i = 0; i < int(table.size()); ++i)
        colours[std::size_t(i)] = {GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])), GifByteType(qBlue(table[i]))};
    ColorMapObject* map = GifMakeMapObject(mapSize, colours.data());
    bool ok = map != nullptr;
    if (ok)
        ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK &&
             EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(std::size_t(indexed.width()));
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::copy_n(indexed.constScanLine(y), line.size(), line.begin());
        ok = EGifPutLine(gif, line.data(), indexed.width()) == GIF_OK;
    }
    if (map)
        GifFreeMapObject(map);
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return ok && closed;
}

}  // namespace

int allocimage(ImageDescriptor& image, int width, int height, int bitsPerPixel)
{
    if (!SizeOk(width, height))
        return FormatFor(bitsPerPixel) == QImage::Format_Invalid ? IMAGE_BAD_BITS : IMAGE_BAD_SIZE;
    return alloctallimage(image, width, height, bitsPerPixel);
}

int alloctallimage(ImageDescriptor& image, int width, int height, int bitsPerPixel)
{
    const QImage::Format format = FormatFor(bitsPerPixel);
    if (format == QImage::Format_Invalid)
        return IMAGE_BAD_BITS;
    if (!SizeOk(width, height, kMaxTallImageHeight))
        return IMAGE_BAD_SIZE;
    QImage made(width, height, format);
    if (made.isNull())
        return IMAGE_NO_MEMORY;
    if (bitsPerPixel == 8) {
        QList<QRgb> grey;
        for (int i = 0; i < 256; ++i)
            grey.push_back(qRgb(i, i, i));
        made.setColorTable(grey);
        made.fill(0);
    } else if (bitsPerPixel == 1) {
        made.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        made.fill(0);
    } else {
        made.fill(Qt::white);
    }
    made.setDevicePixelRatio(1);
    image.image = std::move(made);
    image.bitsPerPixel = bitsPerPixel;
    return IMAGE_OK;
}

void freeimage(ImageDescriptor& image)
{
    image.image = QImage();
    image.bitsPerPixel = 0;
}

int jpeginfo(const QString& fileName, JpegInfo& info)
{
    if (!QFile::exists(fileName))
        return IMAGE_CANT_OPEN;
    QImageReader reader(fileName, "jpeg");
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid())
        return IMAGE_NOT_JPEG;
    info.width = size.width();
    info.height = size.height();
    return IMAGE_OK;
}

int loadjpg(const QString& fileName, ImageDescriptor& image)
{
    if (!QFile::exists(fileName))
        return IMAGE_CANT_OPEN;
    QImageReader reader(fileName, "jpeg");
    QImage read;
    if (!reader.read(&read))
        return IMAGE_NOT_JPEG;
    image.image = read.convertToFormat(QImage::Format_RGB32);
    if (image.image.isNull())
        return IMAGE_NO_MEMORY;
    image.bitsPerPixel = 24;
    return IMAGE_OK;
}

int resizeex(const ImageDescriptor& source, ImageDescriptor& destination, int mode)
{
    if (source.Empty() || destination.Empty())
        return IMAGE_NO_IMAGE;
    const QImage scaled = source.image.convertToFormat(QImage::Format_RGB32)
                              .scaled(destination.image.size(), Qt::IgnoreAspectRatio,
                                      mode == 1 ? Qt::SmoothTransformation : Qt::FastTransformation);
    if (scaled.isNull())
        return IMAGE_NO_MEMORY;
    destination.image = InDepth(scaled, destination.bitsPerPixel);
    return IMAGE_OK;
}

int viewimageex(Dc& dc, const ImageDescriptor& image, int x, int y)
{
    if (image.Empty())
        return IMAGE_NO_IMAGE;
    return dc.BitBlt(x, y, image.Width(), image.Height(), image.image, 0, 0, SRCCOPY) ? IMAGE_OK : IMAGE_CANT_WRITE;
}

int copyimagebits(const ImageDescriptor& source, ImageDescriptor& destination)
{
    if (source.Empty() || destination.Empty())
        return IMAGE_NO_IMAGE;
    if (source.image.size() != destination.image.size())
        return IMAGE_SIZE_MISMATCH;
    destination.image = InDepth(source.image, destination.bitsPerPixel);
    return destination.image.isNull() ? IMAGE_NO_MEMORY : IMAGE_OK;
}

int convertrgbtopal(int colours, const ImageDescriptor& source, ImageDescriptor& destination)
{
    if (colours < 2 || colours > 256 || destination.bitsPerPixel != 8)
        return IMAGE_BAD_COLOURS;
    if (source.Empty() || destination.Empty())
        return IMAGE_NO_IMAGE;
    if (source.image.size() != destination.image.size())
        return IMAGE_SIZE_MISMATCH;
    const QImage rgb = source.image.convertToFormat(QImage::Format_RGB32);
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    if (rgb.isNull() || indexed.isNull())
        return IMAGE_NO_MEMORY;
    PaletteBuilder palette(colours);
    if (!palette.Map(rgb, 0, rgb.height(), indexed)) {
        palette.UseCube();
        palette.Map(rgb, 0, rgb.height(), indexed);
    }
    indexed.setColorTable(palette.Colours());
    destination.image = std::move(indexed);
    return IMAGE_OK;
}

PaletteBuilder::PaletteBuilder(int colours) : limit_(std::clamp(colours, 2, 256)) {}

bool PaletteBuilder::Map(const QImage& rgb, int from, int count, QImage& indexed)
{
    const int rows = std::min({count, rgb.height() - from, indexed.height()});
    if (cube_) {
        const int levels = levels_;
        const auto nearest = [levels](int v) { return levels > 1 ? (v * (levels - 1) + 127) / 255 : 0; };
        for (int y = 0; y < rows; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(from + y));
            uchar* out = indexed.scanLine(y);
            for (int x = 0; x < rgb.width(); ++x)
                out[x] = uchar((nearest(qRed(line[x])) * levels + nearest(qGreen(line[x]))) * levels + nearest(qBlue(line[x])));
        }
        return true;
    }
    for (int y = 0; y < rows; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(from + y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            auto it = index_.find(c);
            if (it == index_.end()) {
                if (int(index_.size()) >= limit_)
                    return false;
                it = index_.emplace(c, int(colours_.size())).first;
                colours_.push_back(c);
            }
            out[x] = uchar(it->second);
        }
    }
    return true;
}

void PaletteBuilder::UseCube()
{
    cube_ = true;
    index_.clear();
    colours_.clear();
    // The nearest colours of an even cube of `levels` steps a channel.
    levels_ = int(std::floor(std::cbrt(double(limit_)) + 1e-9));
    const auto level = [this](int i) { return levels_ > 1 ? i * 255 / (levels_ - 1) : 0; };
    for (int r = 0; r < levels_; ++r)
        for (int g = 0; g < levels_; ++g)
            for (int b = 0; b < levels_; ++b)
                colours_.push_back(qRgb(level(r), level(g), level(b)));
}

int savebmp(const QString& fileName, const ImageDescriptor& image, int) { return SaveWithQt(fileName, image, "bmp", -1, -1); }

int savejpg(const QString& fileName, const ImageDescriptor& image, int quality)
{
    return SaveWithQt(fileName, image, "jpeg", std::clamp(quality, 0, 100), -1);
}

int savetif(const QString& fileName, const ImageDescriptor& image, int option)
{
    if (option != 0 && !image.Empty() && image.bitsPerPixel == 1) {
        QByteArray encoded;
        if (!EncodeGroup4Tiff(image.image, encoded))
            return IMAGE_CANT_WRITE;
        return SaveThrough(fileName, [&](QSaveFile& file) { return file.write(encoded) == encoded.size(); });
    }
    return SaveWithQt(fileName, image, "tiff", -1, option != 0 ? 1 : 0);
}

int savepng(const QString& fileName, const ImageDescriptor& image, int) { return SaveWithQt(fileName, image, "png", -1, -1); }

int savegif(const QString& fileName, const ImageDescriptor& image)
{
    if (image.Empty())
        return IMAGE_NO_IMAGE;
    ImageDescriptor reduced;
    const QImage* indexed = &image.image;
    if (image.image.format() != QImage::Format_Indexed8) {
        const int made = alloctallimage(reduced, image.Width(), image.Height(), 8);
        if (made != IMAGE_OK)
            return made;
        const int converted = convertrgbtopal(256, image, reduced);
        if (converted != IMAGE_OK)
            return converted;
        indexed = &reduced.image;
    }
    return SaveThrough(fileName, [&](QSaveFile& file) { return WriteGif(file, *indexed); });
}

QString SaveFailedText(int code, const QString& fileName)
{
    return QStringLiteral("Error code= %1, file save failed on\n%2").arg(code).arg(fileName);
}

}  // namespace platform
