// The plot as an image file: BMP straight from the plot, the other formats from its 256-colour copy.
#include "horizontal/draw/horzplot.h"

namespace horizontal {

int SavePlotImage(const HorzPlot& plot, const QString& path, int format)
{
    if (plot.image.Empty())
        return platform::IMAGE_NO_IMAGE;
    if (format == 1)
        return platform::savebmp(path, plot.image, 0);
    platform::ImageDescriptor palette;
    int code = platform::allocimage(palette, plot.image.Width(), plot.image.Height(), 8);
    if (code == platform::IMAGE_OK)
        code = platform::convertrgbtopal(256, plot.image, palette);
    if (code != platform::IMAGE_OK)
        return code;  // no 8-bit copy: nothing is written from it
    switch (format) {
    case 2: return platform::savejpg(path, palette, 80);
    case 3: return platform::savetif(path, palette, 0);
    case 4: return platform::savepng(path, palette, 0);
    default: return platform::IMAGE_CANT_WRITE;
    }
}

}  // namespace horizontal
