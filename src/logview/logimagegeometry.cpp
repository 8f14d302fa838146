#include "logview/logimagegeometry.h"
#include "wellfile/profile.h"

#include <initializer_list>

namespace logview {

bool LogImageFits(std::int32_t first, std::int32_t last) { return (long long)last - first <= kLogImageMaxSpan; }

std::int32_t LogImageRows(std::int32_t first, std::int32_t last) { return std::int32_t(((long long)last - first) / 10); }

std::int32_t LogImageHeight(std::int32_t rows, std::int32_t rowHeight) { return (rows + 4) * rowHeight + 100; }

LogImageStrip PlaceLogImageStrip(const LogImageStripInputs& in)
{
    const int U = in.unitWidth, p = in.profile;
    const bool chromatograph = wellfile::ChromatographProfile(p);
    int width = p == 26 ? 17 * U : 16 * U;
    if (wellfile::AlternateFormatProfile(p) && in.singleGas)
        width = 22 * U;
    else if (chromatograph)
        width = 17 * U;
    LogImageStrip s;
    s.bottom = in.logBottom;
    s.left = in.logRight + in.scrollBarWidth + U;
    if (s.left + width > in.clientWidth)
        s.left = in.clientWidth - width;
    if (in.singleGas || chromatograph)
        s.left = in.logWidth + in.scrollBarWidth + U;
    s.right = s.left + width;
    s.width = width;
    return s;
}

float LogImagePixelsPerUnit(std::int32_t stripBottom, std::int32_t first, std::int32_t last)
{
    const long long span = (long long)last - first;
    return span > 0 ? float(stripBottom) / float(span) : 0.0f;
}

std::int32_t LogImageY(std::int32_t d, std::int32_t first, float pixelsPerUnit)
{
    return std::int32_t(double((long long)d - first) * double(pixelsPerUnit));
}

MarkerLines LogImageMarkerLines(std::int32_t imageY, std::int32_t rowHeight)
{
    return {std::int32_t(imageY - 0.75 * rowHeight), std::int32_t(imageY + 0.75 * rowHeight)};
}

std::int32_t LogImageDepthAt(std::int32_t y, std::int32_t stripBottom, std::int32_t first, std::int32_t last)
{
    if (stripBottom <= 0)
        return first;
    return std::int32_t(first + ((long long)last - first) * y / stripBottom);
}

}  // namespace logview
