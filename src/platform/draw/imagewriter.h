#pragma once
// A BMP, PNG or TIFF written row by row: an image too tall to be held whole (a long log image) is drawn
// in bands, and each band's rows go to the file as they come, top row first. Only the writer's own
// buffers of a few rows are held. Like the savers of imagelib.h it writes a file beside the target and
// gives it the target's name only once the image is whole, so a failure leaves no file behind and an
// old file of that name untouched. Codes are imagelib.h's ImageError values.
#include "platform/draw/imagelib.h"

#include <QList>
#include <QRgb>
#include <QString>

#include <memory>

namespace platform {

enum class RowFileFormat { Bmp, Png, Tiff };

class RowImageWriter {
public:
    RowImageWriter();
    ~RowImageWriter();  // a file not finished is removed
    RowImageWriter(const RowImageWriter&) = delete;
    RowImageWriter& operator=(const RowImageWriter&) = delete;

    // Starts `fileName`, an image of width x height of `bits` per pixel: 24 (RGB), 8 (a colour table of
    // up to 256 entries; `grey` when it is the grey ramp, written as grey) or 1 (two colours).
    // `compress`: TIFF with LZW, or CCITT Group 4 at 1 bit; the other formats take no choice (PNG
    // always compresses, BMP never).
    int Begin(const QString& fileName, RowFileFormat format, int width, int height, int bits, bool grey,
              bool compress);
    // The colour table of an 8- or 1-bit image. It may be given, or given again, at any time before
    // Finish: the file's table is written last (an exact palette is known only once every row is).
    void SetColours(const QList<QRgb>& colours);
    // Appends `count` rows of `band` from its row `from`: RGB32 for 24 bits, Indexed8 for 8, Mono for 1,
    // each as wide as the image. The rows must not run past the image's height.
    int WriteRows(const QImage& band, int from, int count);
    // Completes the file and gives it the target's name; IMAGE_CANT_WRITE, and no file, when a row is
    // missing or a write failed.
    int Finish();

    struct Impl;

private:
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform
