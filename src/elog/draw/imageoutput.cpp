#include "elog/draw/imageoutput.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace elog {

namespace {

platform::RowFileFormat RowFormatOf(int format)
{
    return format == IMAGE_BMP ? platform::RowFileFormat::Bmp
                               : format == IMAGE_TIF ? platform::RowFileFormat::Tiff : platform::RowFileFormat::Png;
}

}  // namespace

LogImageOutput::LogImageOutput(LogImageTarget target) : t_(std::move(target)) {}

bool WrittenRowByRow(int format) { return format == IMAGE_BMP || format == IMAGE_PNG || format == IMAGE_TIF; }

int LogImageOutput::OutBits() const
{
    if (t_.bits != 24)
        return t_.bits;
    return t_.format == IMAGE_BMP || !t_.dpi300 ? 8 : 24;
}

int LogImageOutput::Start()
{
    y_ = 0;
    if (again_)
        palette_.UseCube();
    again_ = false;
    if (!WrittenRowByRow(t_.format))
        return platform::alloctallimage(whole_, t_.width, t_.height, 24);
    const int code = writer_.Begin(t_.path, RowFormatOf(t_.format), t_.width, t_.height, OutBits(), t_.bits == 8,
                                   t_.format == IMAGE_TIF && t_.compress);
    if (t_.bits != 24)
        writer_.SetColours(ReducedColours(t_.bits));
    return code;
}

int LogImageOutput::Take(const QImage& band, int from, int rows)
{
    if (again_ || rows <= 0)
        return platform::IMAGE_OK;
    if (!WrittenRowByRow(t_.format)) {
        if (whole_.Empty() || y_ + rows > whole_.Height())
            return platform::IMAGE_SIZE_MISMATCH;
        const std::size_t bytes = std::size_t(std::min(band.bytesPerLine(), whole_.image.bytesPerLine()));
        for (int i = 0; i < rows; ++i)
            std::memcpy(whole_.image.scanLine(y_ + i), band.constScanLine(from + i), bytes);
        y_ += rows;
        return platform::IMAGE_OK;
    }
    const int bits = OutBits();
    if (bits == 24)
        return writer_.WriteRows(band, from, rows);
    const QImage::Format format = bits == 8 ? QImage::Format_Indexed8 : QImage::Format_Mono;
    if (reduced_.format() != format || reduced_.width() != band.width() || reduced_.height() < rows) {
        reduced_ = QImage(band.width(), std::max(rows, band.height()), format);
        if (reduced_.isNull())
            return platform::IMAGE_NO_MEMORY;
    }
    if (t_.bits == 24) {
        if (!palette_.Map(band, from, rows, reduced_)) {
            again_ = true;
            return platform::IMAGE_OK;
        }
    } else {
        ReduceRows(band, from, rows, t_.bits, reduced_);
    }
    return writer_.WriteRows(reduced_, 0, rows);
}

int LogImageOutput::Finish()
{
    if (!WrittenRowByRow(t_.format)) {
        const int reduced = ReduceLogImage(whole_, t_.bits);
        if (reduced != platform::IMAGE_OK)
            return reduced;
        platform::ImageDescriptor palette;
        if (t_.bits == 24 && platform::alloctallimage(palette, whole_.Width(), whole_.Height(), 8) == platform::IMAGE_OK &&
            platform::convertrgbtopal(256, whole_, palette) != platform::IMAGE_OK)
            platform::freeimage(palette);
        const int code = SaveLogImage(t_.path, t_.format, whole_, palette, t_.dpi300, t_.compress);
        platform::freeimage(whole_);
        return code;
    }
    if (OutBits() == 8 && t_.bits == 24)
        writer_.SetColours(palette_.Colours());
    return writer_.Finish();
}

}  // namespace elog
