#pragma once
// The chromatograph ratios of the gas-ratio chart: C1/C2, C1/C3, C1/C4 and C1/C5 of one depth, from the
// depth record's gas block or from a FIT record of the ".fit", and where the chart places a value on
// its three-decade logarithmic scale.
#include "wellfile/customdata.h"
#include "wellfile/record.h"

#include <array>
#include <cstdint>
#include <optional>

namespace logview {

struct GasRatios {
    std::array<float, 4> values{};  // C1/C2, C1/C3, C1/C4, C1/C5; 0 where the divisor is not above 0
    std::int32_t depth = 0;         // the depth the caption names
};

// From the record's gas block: C4 is iC4 + nC4, C5 is iC5 + nC5.
GasRatios RatiosOfRecord(const wellfile::RECORD& record);
// The four ratio values a FIT record keeps at bytes 186, 190, 194 and 198; its depth from byte 0.
GasRatios RatiosOfExtRecord(const wellfile::EXTRECORD& record);
// Reads the FIT records of the ".fit" from depth `depth` on, twice as many as `records` (the depth
// records read for the chart), into a buffer of their own; the ratios of the first. Nothing when none
// can be read.
std::optional<GasRatios> ReadExtRatios(const wellfile::FitFile& fit, std::int32_t depth, int records);

// The zone boundaries the chart draws, one value per ratio: dry gas above the first, gas condensate
// above the second, oil above the third.
extern const std::array<std::array<float, 4>, 3> kGasRatioBoundaries;

// The y of `value` on a chart of side `side` whose box top is `top`: 1 on the bottom line, 1000 on the
// top one. Values not above 0 count as 1.
int GasRatioY(float value, int top, int side);

}  // namespace logview
