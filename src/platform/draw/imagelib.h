#pragma once
// The image library the log image, the pictures and logos, the log image export and the horizontal-well
// view use: blank images, JPEG reading, resizing, colour reduction, drawing on a Dc, and saving as BMP,
// JPEG, TIFF, PNG and GIF. Images are QImages behind a handle of our own (ImageDescriptor); a 24-bit
// image is kept as RGB32 so that a Dc can draw into it directly.
//
// Every function returning an int returns 0 on success or one of the ImageError codes. A saver writes a
// temporary file beside the target and renames it over the target only when the whole image was written,
// so a failed save leaves no file behind and an old file of that name untouched.
#include "platform/draw/dc.h"

#include <QImage>
#include <QList>
#include <QString>

#include <unordered_map>

namespace platform {

enum ImageError : int {
    IMAGE_OK = 0,
    IMAGE_BAD_BITS = 1,       // bits per pixel other than 1, 8 or 24
    IMAGE_BAD_SIZE = 2,       // a width or height below 1 or above kMaxImageSide
    IMAGE_NO_MEMORY = 3,      // the pixels could not be allocated
    IMAGE_NO_IMAGE = 4,       // the descriptor holds no image
    IMAGE_SIZE_MISMATCH = 5,  // source and destination differ in size
    IMAGE_BAD_COLOURS = 6,    // a palette size outside 2..256, or a destination that is not 8 bits
    IMAGE_CANT_OPEN = 7,      // the file could not be opened or made
    IMAGE_NOT_JPEG = 8,       // the file is not a readable JPEG
    IMAGE_CANT_WRITE = 9,     // the image could not be written in full
};

constexpr int kMaxImageSide = 32767;
// The log image export's images may be taller (JPEG and GIF keep sides in 16 bits).
constexpr int kMaxTallImageHeight = 65500;

// One image of the library: what allocimage made or loadjpg read. `image` is RGB32 for 24 bits,
// Indexed8 for 8 bits and Mono for 1 bit.
struct ImageDescriptor {
    QImage image;
    int bitsPerPixel = 0;

    bool Empty() const { return image.isNull(); }
    int Width() const { return image.width(); }
    int Height() const { return image.height(); }
};

// Size of a JPEG file as jpeginfo reads it.
struct JpegInfo {
    int width = 0;
    int height = 0;
};

// A blank image: 24 bits white, 8 bits a grey-scale palette at index 0 (black), 1 bit black.
int allocimage(ImageDescriptor& image, int width, int height, int bitsPerPixel);
// The same up to kMaxTallImageHeight pixels high, for the log image export.
int alloctallimage(ImageDescriptor& image, int width, int height, int bitsPerPixel);
// Releases the image; the descriptor is empty afterwards. Freeing an empty descriptor does nothing.
void freeimage(ImageDescriptor& image);

int jpeginfo(const QString& fileName, JpegInfo& info);
// Reads the JPEG into `image` (24 bits, the file's size), replacing what it held.
int loadjpg(const QString& fileName, ImageDescriptor& image);
// Scales `source` to the size of `destination`, smoothly when `mode` is 1, else by the nearest pixel;
// the destination keeps its depth.
int resizeex(const ImageDescriptor& source, ImageDescriptor& destination, int mode);
// Draws the image with its top left corner at (x, y) of the Dc.
int viewimageex(Dc& dc, const ImageDescriptor& image, int x, int y);
// Copies the pixels of `source` into `destination`, which has the same size and keeps its depth.
int copyimagebits(const ImageDescriptor& source, ImageDescriptor& destination);
// The `colours`-colour copy of a 24-bit image into an 8-bit one of the same size: an exact palette when
// the image has no more colours than that, else the nearest colours of an even colour cube.
int convertrgbtopal(int colours, const ImageDescriptor& source, ImageDescriptor& destination);

// convertrgbtopal's reduction made a part at a time, for an image drawn in bands: the rows are mapped in
// order onto the exact palette of the colours seen so far while there are no more than `colours`; when
// Map finds more it returns false, and the whole image is mapped again after UseCube (the colour cube's
// nearest colours). The palette grows as rows come, so it is complete only after the last row.
class PaletteBuilder {
public:
    explicit PaletteBuilder(int colours);
    // Maps `count` rows of `rgb` (RGB32) from row `from` into `indexed` (Indexed8 as wide, from its row 0).
    bool Map(const QImage& rgb, int from, int count, QImage& indexed);
    void UseCube();
    bool Cube() const { return cube_; }
    const QList<QRgb>& Colours() const { return colours_; }

private:
    int limit_ = 256;
    bool cube_ = false;
    int levels_ = 0;
    std::unordered_map<QRgb, int> index_;
    QList<QRgb> colours_;
};

int savebmp(const QString& fileName, const ImageDescriptor& image, int option);
int savejpg(const QString& fileName, const ImageDescriptor& image, int quality);
// `option` not 0: LZW compression, or CCITT Group 4 for a 1-bit image.
int savetif(const QString& fileName, const ImageDescriptor& image, int option);
// PNG is always written with lossless compression; `option` is taken and not read.
int savepng(const QString& fileName, const ImageDescriptor& image, int option);
// A GIF takes at most 256 colours: a 24-bit image is written from its 256-colour copy.
int savegif(const QString& fileName, const ImageDescriptor& image);

// The message the callers show for a saver's non-zero code.
QString SaveFailedText(int code, const QString& fileName);

}  // namespace platform
