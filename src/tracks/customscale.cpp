#include "tracks/customscale.h"

#include "platform/gdi.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "tracks/gasscale.h"

#include <algorithm>
#include <cmath>

namespace tracks {

using platform::Trunc;

std::optional<float> LinearCurveScale(std::int32_t left, std::int32_t right, float minimum, float maximum)
{
    if (maximum == minimum)
        return std::nullopt;
    const float f = float(double(right) - double(left)) / (maximum - minimum);
    if (!std::isfinite(f))
        return std::nullopt;
    return f;
}

std::optional<LogCurveScale> LogCurveScaleOf(float minimum, float maximum)
{
    LogCurveScale s;
    s.minimum = minimum > 0.0f ? double(minimum) : 0.1;
    s.maximum = maximum > 0.0f ? double(maximum) : 10000.0;
    s.span = std::log(s.maximum) - std::log(s.minimum);
    if (s.span == 0.0 || !std::isfinite(s.span))
        return std::nullopt;
    return s;
}

double LogCurvePosition(const LogCurveScale& scale, double value, bool resistivity)
{
    if (!(value > 0.0))
        value = scale.minimum;
    if (resistivity)
        return (std::log(value) - std::log(kResistivityReference)) / scale.span;
    return std::log(value / scale.minimum) / scale.span;
}

std::int32_t CurveX(std::int32_t left, std::int32_t right, double offset, bool fromLeft)
{
    if (std::isnan(offset))
        offset = 0.0;
    return fromLeft ? Trunc(double(left) + offset, left) : Trunc(double(right) - offset, right);
}

std::int32_t ClipToTrack(std::int32_t x, std::int32_t left, std::int32_t right)
{
    if (x < left)
        x = left + 1;
    if (x > right)
        x = right - 1;
    return x;
}

std::string ScaleLabelText(float value, std::int64_t trackWidth, bool leftEdge)
{
    if (trackWidth > 50 && value > 0.0f && value < 1.0f)
        return leftEdge ? platform::CFormat("<%.2f", double(value)) : platform::CFormat("%.2f>", double(value));
    // A scale of 2.5 is not labelled 2.
    if (trackWidth > 50 && std::isfinite(value) && std::fabs(value) < 1e9f && value != std::trunc(value)) {
        std::string v = platform::CFormat("%.2f", double(value));
        v.erase(v.find_last_not_of('0') + 1);
        if (v.back() == '.')
            v.pop_back();
        return leftEdge ? "<" + v : v + ">";
    }
    // A damaged scale's NaN reads 0, a huge value the nearest whole number an int holds.
    const int v = platform::TruncInt(value);
    return leftEdge ? platform::CFormat("<%d", v) : platform::CFormat("%d>", v);
}

std::int32_t DownwardTitleHeight(std::size_t characters, std::int32_t rowHeight, bool capped)
{
    const double h = double(characters) * double(rowHeight) * 1.5;
    const std::int32_t height = Trunc(h, 0);
    if (capped)
        return std::min<std::int64_t>(height, std::int64_t(rowHeight) * 15);
    return height;
}

}  // namespace tracks
