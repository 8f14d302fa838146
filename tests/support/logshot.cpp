#include "support/logshot.h"

namespace testing_support {

namespace {

bool Blue(const QImage& image, int x, int y) { return (image.pixel(x, y) & 0xFFFFFF) == 0x0000FF; }

}  // namespace

int RateLeft(const QImage& image, int row)
{
    int blue = 0;
    while (blue < image.width() / 3 && !Blue(image, blue, row))
        ++blue;
    return blue - 50;
}

int LogTop(const QImage& image)
{
    // A row of the log's body on either screen, below the title band and above the scale bars.
    const int x = RateLeft(image, image.height() * 2 / 3) + 50;
    for (int y = 0; y + 20 < image.height(); ++y) {
        int run = 0;
        while (run < 20 && Blue(image, x, y + run))
            ++run;
        if (run == 20)
            return y;
    }
    return -1;
}

std::vector<int> TrackEdges(const QImage& image)
{
    const int top = LogTop(image), bottom = image.height() * 7 / 8;
    std::vector<int> edges;
    for (int x = 0; top >= 0 && x < image.width(); ++x) {
        int n = 0;
        for (int y = top; y < bottom; ++y)
            n += Blue(image, x, y) ? 1 : 0;
        if (n * 4 >= bottom - top)
            edges.push_back(x);
    }
    return edges;
}

}  // namespace testing_support
