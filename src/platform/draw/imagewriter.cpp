#include "platform/draw/imagewriter.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <png.h>
#include <tiffio.h>
#include <zlib.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>
#include <vector>

namespace platform {

namespace {

// PNG and BMP carry a colour table of this many entries for an 8-bit image, filled in when the file is
// finished: unused entries stay black.
constexpr int kTableEntries = 256;
// The bytes of a PNG kept to find its PLTE chunk again.
constexpr std::size_t kPngHeadBytes = 4096;

void Put16(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v)
{
    b[at] = std::uint8_t(v);
    b[at + 1] = std::uint8_t(v >> 8);
}
void Put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v);
    Put16(b, at + 2, v >> 16);
}

// One row of a 24-bit image as R, G, B bytes.
void RgbBytes(const QImage& band, int row, std::vector<unsigned char>& out)
{
    const QRgb* line = reinterpret_cast<const QRgb*>(band.constScanLine(row));
    for (int x = 0; x < band.width(); ++x) {
        out[std::size_t(3 * x)] = std::uint8_t(qRed(line[x]));
        out[std::size_t(3 * x + 1)] = std::uint8_t(qGreen(line[x]));
        out[std::size_t(3 * x + 2)] = std::uint8_t(qBlue(line[x]));
    }
}

}  // namespace

struct RowImageWriter::Impl {
    RowFileFormat format = RowFileFormat::Png;
    int width = 0, height = 0, bits = 24;
    bool grey = false, compress = false;
    QString target, temp;
    QList<QRgb> colours;
    int rows = 0;
    bool failed = false;
    std::vector<unsigned char> row;  // one row as the file takes it

    FILE* file = nullptr;  // BMP and PNG
    // BMP
    std::uint32_t bmpStride = 0, bmpDataAt = 0, bmpTableAt = 0;
    // PNG
    png_structp png = nullptr;
    png_infop pngInfo = nullptr;
    std::vector<unsigned char> pngHead;  // the first bytes written, where the PLTE chunk stands
    // TIFF
    TIFF* tiff = nullptr;
    bool tiffOneIsWhite = false;

    ~Impl() { Close(); }

    void Close()
    {
        if (png)
            png_destroy_write_struct(&png, &pngInfo);
        if (tiff)
            TIFFClose(tiff);
        tiff = nullptr;
        if (file)
            std::fclose(file);
        file = nullptr;
    }

    int TableSize() const { return bits == 1 ? 2 : kTableEntries; }
    QRgb TableEntry(int i) const { return i < colours.size() ? colours[i] : qRgb(0, 0, 0); }

    bool BeginBmp();
    bool BmpRow(const QImage& band, int from, int y);
    bool FinishBmp();
    bool BeginPng();
    bool PngRow(const QImage& band, int from);
    bool FinishPng();
    bool BeginTiff();
    bool TiffRow(const QImage& band, int from, int y);
    bool FinishTiff();
};

// ---- BMP: bottom-up rows at their place in a file of known length; the colour table last ----

bool RowImageWriter::Impl::BeginBmp()
{
    bmpStride = std::uint32_t(((std::int64_t(width) * bits + 31) / 32) * 4);
    const std::uint32_t entries = bits == 24 ? 0 : std::uint32_t(TableSize());
    bmpTableAt = 14 + 40;
    bmpDataAt = bmpTableAt + 4 * entries;
    const std::uint64_t size = std::uint64_t(bmpDataAt) + std::uint64_t(bmpStride) * std::uint64_t(height);
    std::vector<unsigned char> head(bmpDataAt, 0);
    head[0] = 'B';
    head[1] = 'M';
    Put32(head, 2, std::uint32_t(size));
    Put32(head, 10, bmpDataAt);
    Put32(head, 14, 40);
    Put32(head, 18, std::uint32_t(width));
    Put32(head, 22, std::uint32_t(height));
    Put16(head, 26, 1);
    Put16(head, 28, std::uint32_t(bits));
    Put32(head, 34, std::uint32_t(std::uint64_t(bmpStride) * std::uint64_t(height)));
    Put32(head, 38, 2835);  // 72 dpi
    Put32(head, 42, 2835);
    Put32(head, 46, entries);
    row.assign(bmpStride, 0);
    return std::fwrite(head.data(), 1, head.size(), file) == head.size();
}

bool RowImageWriter::Impl::BmpRow(const QImage& band, int from, int y)
{
    std::fill(row.begin(), row.end(), 0);
    if (bits == 24) {
        const QRgb* line = reinterpret_cast<const QRgb*>(band.constScanLine(from));
        for (int x = 0; x < width; ++x) {
            row[std::size_t(3 * x)] = std::uint8_t(qBlue(line[x]));
            row[std::size_t(3 * x + 1)] = std::uint8_t(qGreen(line[x]));
            row[std::size_t(3 * x + 2)] = std::uint8_t(qRed(line[x]));
        }
    } else {
        std::memcpy(row.data(), band.constScanLine(from), std::size_t((std::int64_t(width) * bits + 7) / 8));
    }
    const std::int64_t at = std::int64_t(bmpDataAt) + std::int64_t(height - 1 - y) * bmpStride;
    return fseeko(file, off_t(at), SEEK_SET) == 0 && std::fwrite(row.data(), 1, row.size(), file) == row.size();
}

bool RowImageWriter::Impl::FinishBmp()
{
    if (bits != 24) {
        std::vector<unsigned char> table(std::size_t(4 * TableSize()), 0);
        for (int i = 0; i < TableSize(); ++i) {
            const QRgb c = TableEntry(i);
            table[std::size_t(4 * i)] = std::uint8_t(qBlue(c));
            table[std::size_t(4 * i + 1)] = std::uint8_t(qGreen(c));
            table[std::size_t(4 * i + 2)] = std::uint8_t(qRed(c));
        }
        if (fseeko(file, off_t(bmpTableAt), SEEK_SET) != 0 || std::fwrite(table.data(), 1, table.size(), file) != table.size())
            return false;
    }
    const bool ok = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(std::exchange(file, nullptr)) == 0 && ok;
}

// ---- PNG through libpng; a palette's PLTE chunk is written as a placeholder and filled in last ----

namespace {

void PngWrite(png_structp png, png_bytep data, png_size_t length)
{
    auto* impl = static_cast<RowImageWriter::Impl*>(png_get_io_ptr(png));
    if (std::fwrite(data, 1, length, impl->file) != length)
        png_error(png, "write failed");
    for (png_size_t i = 0; i < length && impl->pngHead.size() < kPngHeadBytes; ++i)
        impl->pngHead.push_back(data[i]);
}

void PngFlush(png_structp png)
{
    auto* impl = static_cast<RowImageWriter::Impl*>(png_get_io_ptr(png));
    if (std::fflush(impl->file) != 0)
        png_error(png, "flush failed");
}

void PngQuiet(png_structp, png_const_charp) {}

// libpng reports its errors by a long jump: each call is made in a frame that holds nothing to destroy.
bool PngHeader(png_structp png, png_infop info, int width, int height, int depth, int type, png_colorp palette,
               int entries)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), depth, type, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette)
        png_set_PLTE(png, info, palette, entries);
    png_write_info(png, info);
    png_write_flush(png);
    return true;
}

bool PngWriteRow(png_structp png, png_bytep row)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_row(png, row);
    return true;
}

bool PngEnd(png_structp png, png_infop info)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_write_end(png, info);
    return true;
}

}  // namespace

bool RowImageWriter::Impl::BeginPng()
{
    png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, PngQuiet);
    if (!png)
        return false;
    pngInfo = png_create_info_struct(png);
    if (!pngInfo)
        return false;
    png_set_write_fn(png, this, PngWrite, PngFlush);
    int type = PNG_COLOR_TYPE_PALETTE, depth = 8;
    if (bits == 24)
        type = PNG_COLOR_TYPE_RGB;
    else if (bits == 8 && grey)
        type = PNG_COLOR_TYPE_GRAY;
    else if (bits == 1)
        depth = 1;
    std::vector<png_color> placeholder(std::size_t(TableSize()), png_color{0, 0, 0});
    const bool palette = type == PNG_COLOR_TYPE_PALETTE;
    row.assign(bits == 24 ? std::size_t(3 * width) : std::size_t((std::int64_t(width) * bits + 7) / 8), 0);
    return PngHeader(png, pngInfo, width, height, depth, type, palette ? placeholder.data() : nullptr, TableSize());
}

bool RowImageWriter::Impl::PngRow(const QImage& band, int from)
{
    if (bits == 24)
        RgbBytes(band, from, row);
    else
        std::memcpy(row.data(), band.constScanLine(from), row.size());
    return PngWriteRow(png, row.data());
}

bool RowImageWriter::Impl::FinishPng()
{
    if (!PngEnd(png, pngInfo))
        return false;
    png_destroy_write_struct(&png, &pngInfo);
    const bool palette = bits == 1 || (bits == 8 && !grey);
    if (palette) {
        // The PLTE chunk: length, "PLTE", the entries, CRC of type and entries.
        const std::size_t entries = std::size_t(TableSize());
        std::size_t at = 8;
        while (at + 8 <= pngHead.size() && std::memcmp(&pngHead[at + 4], "PLTE", 4) != 0)
            at += 12 + ((std::size_t(pngHead[at]) << 24) | (std::size_t(pngHead[at + 1]) << 16) |
                        (std::size_t(pngHead[at + 2]) << 8) | std::size_t(pngHead[at + 3]));
        if (at + 8 > pngHead.size())
            return false;
        std::vector<unsigned char> chunk(4 + 3 * entries + 4);
        std::memcpy(chunk.data(), "PLTE", 4);
        for (std::size_t i = 0; i < entries; ++i) {
            const QRgb c = TableEntry(int(i));
            chunk[4 + 3 * i] = std::uint8_t(qRed(c));
            chunk[5 + 3 * i] = std::uint8_t(qGreen(c));
            chunk[6 + 3 * i] = std::uint8_t(qBlue(c));
        }
        const uLong crc = crc32(crc32(0L, Z_NULL, 0), chunk.data(), uInt(4 + 3 * entries));
        for (int k = 0; k < 4; ++k)
            chunk[4 + 3 * entries + std::size_t(k)] = std::uint8_t(crc >> (24 - 8 * k));
        if (fseeko(file, off_t(at + 4), SEEK_SET) != 0 || std::fwrite(chunk.data(), 1, chunk.size(), file) != chunk.size())
            return false;
    }
    const bool ok = std::fflush(file) == 0 && !std::ferror(file);
    return std::fclose(std::exchange(file, nullptr)) == 0 && ok;
}

// ---- TIFF through libtiff; a palette's colour map is set just before the directory is written ----

bool RowImageWriter::Impl::BeginTiff()
{
    tiff = TIFFOpen(QFile::encodeName(temp).constData(), "w");
    if (!tiff)
        return false;
    const bool mono = bits == 1;
    std::uint16_t photometric = PHOTOMETRIC_RGB;
    if (mono)
        photometric = PHOTOMETRIC_MINISWHITE;
    else if (bits == 8)
        photometric = grey ? PHOTOMETRIC_MINISBLACK : PHOTOMETRIC_PALETTE;
    std::uint16_t compression = COMPRESSION_NONE;
    if (compress)
        compression = mono ? COMPRESSION_CCITTFAX4 : COMPRESSION_LZW;
    bool ok = TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, std::uint32_t(width)) &&
              TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, std::uint32_t(height)) &&
              TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, mono ? 1 : 8) &&
              TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, bits == 24 ? 3 : 1) &&
              TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric) && TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression) &&
              TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    if (ok && mono)
        ok = TIFFSetField(tiff, TIFFTAG_FILLORDER, FILLORDER_MSB2LSB);
    if (ok)
        ok = TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, TIFFDefaultStripSize(tiff, 0));
    // Black is 1 in the file: a 1-bit image whose index 1 is white is written inverted.
    tiffOneIsWhite = mono && colours.size() > 1 && qGray(colours[1]) >= 128;
    row.assign(bits == 24 ? std::size_t(3 * width) : std::size_t((std::int64_t(width) * bits + 7) / 8), 0);
    return ok;
}

bool RowImageWriter::Impl::TiffRow(const QImage& band, int from, int y)
{
    if (bits == 24) {
        RgbBytes(band, from, row);
    } else {
        std::memcpy(row.data(), band.constScanLine(from), row.size());
        if (tiffOneIsWhite)
            for (unsigned char& b : row)
                b = std::uint8_t(~b);
    }
    return TIFFWriteScanline(tiff, row.data(), std::uint32_t(y), 0) == 1;
}

bool RowImageWriter::Impl::FinishTiff()
{
    std::vector<std::uint16_t> r, g, b;
    if (bits == 8 && !grey) {
        for (int i = 0; i < kTableEntries; ++i) {
            const QRgb c = TableEntry(i);
            r.push_back(std::uint16_t(qRed(c) * 257));
            g.push_back(std::uint16_t(qGreen(c) * 257));
            b.push_back(std::uint16_t(qBlue(c) * 257));
        }
        if (!TIFFSetField(tiff, TIFFTAG_COLORMAP, r.data(), g.data(), b.data()))
            return false;
    }
    const bool ok = TIFFFlush(tiff) == 1;
    TIFFClose(std::exchange(tiff, nullptr));
    return ok;
}

// ---- The writer ----

RowImageWriter::RowImageWriter() : impl_(std::make_unique<Impl>()) {}

RowImageWriter::~RowImageWriter()
{
    impl_->Close();
    if (!impl_->temp.isEmpty())
        QFile::remove(impl_->temp);
}

int RowImageWriter::Begin(const QString& fileName, RowFileFormat format, int width, int height, int bits, bool grey,
                          bool compress)
{
    if (bits != 24 && bits != 8 && bits != 1)
        return IMAGE_BAD_BITS;
    if (width < 1 || height < 1 || width > kMaxImageSide)
        return IMAGE_BAD_SIZE;
    Impl& m = *impl_;
    m.Close();
    if (!m.temp.isEmpty())
        QFile::remove(m.temp);
    m.temp.clear();
    m.format = format;
    m.width = width;
    m.height = height;
    m.bits = bits;
    m.grey = bits == 8 && grey;
    m.compress = compress;
    m.target = fileName;
    m.rows = 0;
    m.failed = false;
    m.pngHead.clear();

    // A BMP states its length in 32 bits.
    if (format == RowFileFormat::Bmp &&
        std::uint64_t((std::int64_t(width) * bits + 31) / 32 * 4) * std::uint64_t(height) + 1078 > 0xFFFFFFFFull)
        return IMAGE_BAD_SIZE;
    const QFileInfo info(fileName);
    QTemporaryFile temp(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    temp.setAutoRemove(false);
    if (!temp.open())
        return IMAGE_CANT_OPEN;
    m.temp = temp.fileName();
    temp.close();
    bool ok = false;
    if (format == RowFileFormat::Tiff) {
        ok = m.BeginTiff();
    } else {
        m.file = std::fopen(QFile::encodeName(m.temp).constData(), "wb");
        if (!m.file)
            return IMAGE_CANT_OPEN;
        ok = format == RowFileFormat::Bmp ? m.BeginBmp() : m.BeginPng();
    }
    if (!ok) {
        m.failed = true;
        return IMAGE_CANT_WRITE;
    }
    return IMAGE_OK;
}

void RowImageWriter::SetColours(const QList<QRgb>& colours)
{
    impl_->colours = colours;
    if (impl_->colours.size() > kTableEntries)
        impl_->colours.resize(kTableEntries);
}

int RowImageWriter::WriteRows(const QImage& band, int from, int count)
{
    Impl& m = *impl_;
    if (m.failed || m.temp.isEmpty())
        return IMAGE_CANT_WRITE;
    const QImage::Format wanted =
        m.bits == 24 ? QImage::Format_RGB32 : m.bits == 8 ? QImage::Format_Indexed8 : QImage::Format_Mono;
    if (band.format() != wanted || band.width() != m.width || from < 0 || count < 0 || from + count > band.height() ||
        m.rows + count > m.height)
        return IMAGE_SIZE_MISMATCH;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        switch (m.format) {
        case RowFileFormat::Bmp: ok = m.BmpRow(band, from + i, m.rows); break;
        case RowFileFormat::Png: ok = m.PngRow(band, from + i); break;
        case RowFileFormat::Tiff: ok = m.TiffRow(band, from + i, m.rows); break;
        }
        if (!ok) {
            m.failed = true;
            return IMAGE_CANT_WRITE;
        }
        ++m.rows;
    }
    return IMAGE_OK;
}

int RowImageWriter::Finish()
{
    Impl& m = *impl_;
    if (m.temp.isEmpty())
        return IMAGE_CANT_WRITE;
    bool ok = !m.failed && m.rows == m.height;
    if (ok) {
        switch (m.format) {
        case RowFileFormat::Bmp: ok = m.FinishBmp(); break;
        case RowFileFormat::Png: ok = m.FinishPng(); break;
        case RowFileFormat::Tiff: ok = m.FinishTiff(); break;
        }
    }
    m.Close();
    QFile::setPermissions(m.temp, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                      QFileDevice::ReadOther);
    // The whole file takes the target's name at once; an old file of that name is replaced.
    if (!ok || std::rename(QFile::encodeName(m.temp).constData(), QFile::encodeName(m.target).constData()) != 0) {
        m.failed = true;
        QFile::remove(m.temp);
        m.temp.clear();
        return IMAGE_CANT_WRITE;
    }
    m.temp.clear();
    return IMAGE_OK;
}

}  // namespace platform
