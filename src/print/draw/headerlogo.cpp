#include "print/draw/headerlogo.h"

#include "platform/draw/dc.h"
#include "platform/draw/imagelib.h"
#include "platform/services.h"

#include <QImageReader>

#include <cstdint>

namespace print {

namespace {

// The pixels of a 24-bit image of w x h fit within the image reader's allocation limit (RGB32, 4 bytes a
// pixel); a limit of 0 sets none.
bool WithinReaderLimit(double w, double h)
{
    const int limitMb = QImageReader::allocationLimit();
    if (limitMb <= 0)
        return true;
    return w * h * 4.0 <= double(limitMb) * 1024.0 * 1024.0;
}

// Frees both images on every return.
struct LogoImages {
    platform::ImageDescriptor source, enlarged;
    ~LogoImages()
    {
        platform::freeimage(source);
        platform::freeimage(enlarged);
    }
};

int Failed(const char* text)
{
    platform::MessageBox(QString::fromLatin1(text), QString());
    return 0;
}

}  // namespace

int DrawHeaderLogo(platform::Dc& dc, const QString& file, const LogoPlace& place)
{
    platform::JpegInfo info;
    // A file too large for the reader is refused before anything is allocated or decoded.
    if (platform::jpeginfo(file, info) != platform::IMAGE_OK || !WithinReaderLimit(info.width, info.height))
        return Failed("Image Failed toLoad");
    LogoImages images;
    if (platform::allocimage(images.source, info.width, info.height, 24) != platform::IMAGE_OK)
        return Failed("JPG Memory allocation failed");
    if (platform::loadjpg(file, images.source) != platform::IMAGE_OK)
        return Failed("Image Failed toLoad");
    const int w = int(2.2 * images.source.Width());
    const int h = int(2.2 * images.source.Height());
    if (!WithinReaderLimit(w, h) || platform::allocimage(images.enlarged, w, h, 24) != platform::IMAGE_OK)
        return Failed("JPG Memory allocation failed");
    if (platform::resizeex(images.source, images.enlarged, 1) != platform::IMAGE_OK)
        return Failed("JPG Memory allocation failed");
    const int scale = place.doubleSize ? 2 : 1;
    dc.StretchBlt(place.centreX - w, place.top, scale * w, scale * h, images.enlarged.image, 0, 0, w, h,
                  platform::SRCCOPY);
    return 1;
}

}  // namespace print
