#include "support/images.h"

#include "platform/draw/raster.h"

#include <algorithm>

namespace testing_support {

namespace {

template <class Hit>
platform::RECT Bounds(const platform::Dc& dc, int w, int h, Hit hit)
{
    platform::RECT r{w, h, 0, 0};
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (hit(dc.GetPixel(x, y))) {
                r.left = std::min(r.left, x);
                r.top = std::min(r.top, y);
                r.right = std::max(r.right, x + 1);
                r.bottom = std::max(r.bottom, y + 1);
            }
    return r;
}

}  // namespace

QImage Filled(int w, int h, platform::COLORREF c)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(platform::raster::ToPixel(c));
    return img;
}

platform::RECT Ink(const platform::Dc& dc, int w, int h, platform::COLORREF c)
{
    return Bounds(dc, w, h, [c](platform::COLORREF p) { return p == c; });
}

std::pair<int, int> InkColumns(const platform::Dc& dc, int w, int top, int bottom, platform::COLORREF c)
{
    int left = w, right = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < w; ++x)
            if (dc.GetPixel(x, y) == c) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
            }
    return {left, right};
}

platform::RECT Touched(const platform::Dc& dc, int w, int h, platform::COLORREF background)
{
    return Bounds(dc, w, h, [background](platform::COLORREF p) { return p != background; });
}

}  // namespace testing_support
