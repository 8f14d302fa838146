#pragma once
// The chromatograph track's numbers: where total gas stands on the first gas track (and on the ten times
// wider scale of its fold), where a component stands as a fraction of its test gas, the five-record
// maxima of the compressed scales, and how many side-by-side strokes a styled curve pen is laid as.
// Pure numbers, shared by the chromatograph painter and the printed gas tracks.
#include "wellfile/record.h"

#include <array>
#include <cstdint>
#include <span>

namespace tracks {

// The seven gas values the chromatograph draws: TG, C1, C2, C3, iC4, nC4, iC5.
using ChromatographValues = std::array<float, 7>;

// The greatest of |trunc(value)| of each of the seven over the first five records of `group` (fewer when
// the group is shorter). Returns 5, the records one compressed step covers.
int MaxChromatographValues(std::span<const wellfile::RECORD> group, ChromatographValues& values);

// Total gas `v` on the scale of gas scale `code` from origin `o`, `u` device units per gas unit: `x` on
// the first track's scale and `x2` on the fold's scale (ten times the values). A code outside 1-7 takes
// the scale of code 7. NaN stands at the origin.
struct TgPosition {
    std::int32_t x = 0;
    std::int32_t x2 = 0;
};
TgPosition ChromatographTgX(int code, double v, double o, double u);

// A component `v` with test gas `testGas` (0 or less counts as 1.0) on chromatograph scale `code`
// (1 twice, 2 once, 3 half, any other ten times `width` per test gas) from origin `o`. `factor`
// multiplies the fraction (the profile rule doubles it). Not limited to the track.
std::int32_t ChromatographComponentX(double v, double testGas, int scaleCode, double o, double width,
                                     double factor = 1.0);

// The number of one-unit strokes a styled curve pen of entry width `width` is laid as: on paper by the
// printer's line-thickness figure, on screen 1, 2 or 3 (widths below 1 take 1, above 3 take 3).
int PrintedStrokeCount(std::int32_t lineThickness, std::int32_t width);
int ScreenStrokeCount(std::int32_t width);

}  // namespace tracks
