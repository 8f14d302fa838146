#include "tracks/curvescales.h"

#include "platform/gdi.h"
#include "tracks/gasscale.h"

#include <cmath>

namespace tracks {

using platform::Trunc;

int GammaFullScale(std::int32_t n)
{
    static constexpr std::array<int, 9> kFull{25, 50, 100, 150, 200, 300, 500, 800, 1500};
    return kFull[std::size_t(n >= 1 && n <= 9 ? n - 1 : 0)];
}

float Co2FullScale(std::int32_t n)
{
    static const std::array<float, 5> kFull{3.5f, 7.0f, 17.5f, 35.0f, 70.0f};
    return kFull[std::size_t(n >= 1 && n <= 5 ? n - 1 : 0)];
}

float RtGammaOffset(float stored) { return stored == 0.0f || std::isnan(stored) ? 12.0f : stored; }

std::int32_t Co2LogX(double v, std::int32_t left, std::int32_t right)
{
    if (!(v > 0))
        return left;
    const double t = std::log(v * 100) / (std::log(100.0) - std::log(0.01));
    return Trunc(left + t * (double(right) - left), left);
}

std::array<std::int32_t, 11> CurveLogGridOffsets(std::int32_t width)
{
    std::array<std::int32_t, 11> o{};
    const double decades = std::log(2000.0) - std::log(0.2);
    for (int k = 1; k <= 10; ++k)
        o[std::size_t(k)] = std::int32_t(std::trunc(std::log(double(k)) / decades * width));
    return o;
}

}  // namespace tracks
