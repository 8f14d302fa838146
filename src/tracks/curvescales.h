#pragma once
// The scales of the curves drawn straight from the depth records: gamma and real-time gamma, weight on
// bit and CO2, and the four-decade grid of the printed curve track. Pure numbers.
#include <array>
#include <cstdint>

namespace tracks {

// Full scale of gamma scale `n` (1-9: 25 to 1500); any other number draws on scale 1. The gamma
// scale of the log, of the e-log curves and of the horizontal view alike.
int GammaFullScale(std::int32_t n);
// Full scale of CO2 scale `n` (1-5: 3.5 to 70); any other number draws on scale 1.
float Co2FullScale(std::int32_t n);
// The weight-on-bit curve's fixed full scale.
constexpr float kWobFullScale = 60.0f;

// The real-time gamma offset as drawn: 0 (and anything not a number) is 12 depth units.
float RtGammaOffset(float stored);

// CO2 on the logarithmic scale of four decades, 0.01 at `left` and 100 at `right`; 0 or below at left.
// Not limited to the track.
std::int32_t Co2LogX(double v, std::int32_t left, std::int32_t right);

// The line offsets within a printed four-decade grid (0.2 to 2000) `width` wide: o[k] for k = 1-10.
std::array<std::int32_t, 11> CurveLogGridOffsets(std::int32_t width);

}  // namespace tracks
