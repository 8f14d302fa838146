#pragma once
// The log saved as an image: the numbers the export works out before it draws (the interval, the rows
// of the three scales, the image's size and name) and the writing of the drawn image. GUI-free, so
// the command, the tests and the benchmark share them.
#include "platform/draw/imagelib.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace elog {

// Formats in the order of the dialog's type list.
enum ImageFormat : int { IMAGE_BMP = 0, IMAGE_JPG = 1, IMAGE_TIF = 2, IMAGE_PNG = 3, IMAGE_GIF = 4 };
// Colour modes: 24, 8 and 1 bits per pixel.
enum ImageColours : int { IMAGE_COLOUR = 1, IMAGE_GREY = 2, IMAGE_BLACK_WHITE = 3 };
// The vertical scales: one record a row, five a row, two and three a row in turn.
enum class ImageScale { FiveInch, OneInch, TwoInch };

constexpr int kImageFormats = 5;
// The 5in JPEG holds at most this many depth units.
constexpr std::int32_t kJpegSpan = 6000;
// The tallest JPEG or GIF the export attempts (both formats keep sides in 16 bits).
constexpr int kTallestImage = platform::kMaxTallImageHeight;
// Rows drawn below the interval's last row.
constexpr int kImageExtraRows = 20;

QString ImageTypeText(int format);   // "bmp" .. "gif"
QString ImageExtension(int format);  // ".bmp" .. ".gif"
// The save dialog's filters, the format's own first.
QString ImageSaveFilter(int format);
int ImageBits(int colours);  // 24, 8 or 1
// Scale index 0 or 1: 5in; 3: 1in; any other: 2in.
ImageScale ImageScaleOf(int scaleIndex);
QString ImageScaleTag(ImageScale scale);  // "5in", "1in", "2in"

// The width of a log image: the log's, at least 100 units, and with the header page as far as its
// legend of the gas curves reaches (from 10 units left of the gas track's right end, 18 units and
// two rows wide).
int LogImageWidth(int logRight, int unitWidth, int gasRight, int rowHeight, bool header);

// "<well>@<start>-<end>-<scale><ext>".
QString ImageFileName(const QString& wellName, std::int32_t start, std::int32_t end, ImageScale scale, int format);

// The start the range dialog proposes: for a 5in JPEG of a file longer than kJpegSpan, the last depth
// minus that; else the first depth.
std::int32_t DefaultImageStart(int format, int scaleIndex, std::int32_t first, std::int32_t last);
// The start the export draws from: a 5in JPEG longer than kJpegSpan starts that far above the end
// (never above the first depth); other formats keep it, but never before the first depth.
std::int32_t ExportImageStart(int format, int scaleIndex, std::int32_t start, std::int32_t end, std::int32_t first);
// A JPEG or GIF too tall for its format starts lower, until (rows + extra + header rows) x row height
// fits kTallestImage; other formats keep the start.
std::int32_t FitTallImageStart(int format, std::int32_t start, std::int32_t end, std::int32_t step, int rowHeight,
                               int headerRows);

// The interval of a 1in or 2in image: the end down to a multiple of 10 (not below first + 20); for a
// JPEG or GIF the end 10 lower while (end - start) / 2 x row height is above 65,000; the start within
// first + 10 and last - 200, then up to a multiple of 10 (not past the last depth).
struct ImageInterval {
    std::int32_t start = 0;
    std::int32_t end = 0;
};
ImageInterval CompressedImageInterval(int format, std::int32_t start, std::int32_t end, std::int32_t first,
                                      std::int32_t last, int rowHeight);
// The depth each row from start to end ends on (its last record's): five records a row at 1in; at 2in
// two and three in turn, a row after a depth that is a multiple of 10 taking two. Rows at 1in:
// (end - start) / 5; at 2in (end - start) x 2 / 5.
std::vector<std::int32_t> CompressedRowDepths(ImageScale scale, std::int32_t start, std::int32_t end);

// A log image drawn in bands: band k holds the image rows [top, bottom). Its paint starts `firstRow`
// rows below the interval's start and goes on for `rowCount` rows: from `above` rows over the band
// (what a record draws below its own row: memos, pictures, boxes) and a multiple of kBandRowAlign (what
// alternates from row to row falls as in one paint of the whole), to `below` rows under it or the
// interval's end. Drawn in the whole image's coordinates, the bands give the whole image's pixels.
struct ImageBand {
    int top = 0;
    int bottom = 0;
    int firstRow = 0;
    int rowCount = 0;
};
constexpr int kBandRowAlign = 100;
// The bands of an image `height` pixels tall, `bandHeight` at most each, whose `rows` rows of
// `rowHeight` start at `originY`.
std::vector<ImageBand> PlanImageBands(int height, int bandHeight, int originY, int rowHeight, int rows, int above,
                                      int below);

// Writes `drawn` (its bits per pixel as drawn) as `format`, or the 256-colour `palette` copy when the
// rules say so: a 24-bit image drawn at the screen's resolution goes from its palette copy (when there is
// one), every other one as drawn. TIFF compresses when `compress` (LZW; Group 4 at 1 bit), JPEG at
// quality 80. The library's code.
int SaveLogImage(const QString& path, int format, const platform::ImageDescriptor& drawn,
                 const platform::ImageDescriptor& palette, bool dpi300, bool compress);

// The drawn 24-bit log as an image of `bits`: 24 as it is, 8 its grey values, 1 black wherever it is
// not white. IMAGE_NO_MEMORY when the copy cannot be had.
int ReduceLogImage(platform::ImageDescriptor& image, int bits);
// The same for `count` rows of `rgb` from row `from` into `out` (Indexed8 for 8 bits, Mono for 1, from its
// row 0), and the colour table that goes with them.
void ReduceRows(const QImage& rgb, int from, int count, int bits, QImage& out);
QList<QRgb> ReducedColours(int bits);

}  // namespace elog
