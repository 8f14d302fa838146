#pragma once
// One value per row from five depth records, for the track painters on the compressed scales (scale
// index 3 and up, five records per row). Ratings and percentages are averaged; flare length, the
// gas-track curve value and the gas components are maximised, so that a short peak stays visible.
//
// Each member takes the group as a span and reads at most its first five records. A group cut short
// by the end of the records counts its missing records as blank: the divisor of a mean stays 5.
#include "wellfile/record.h"

#include <array>
#include <cstdint>
#include <span>

namespace logview {

using RecordGroup = std::span<const wellfile::RECORD>;

constexpr int kGroupSize = 5;

// The letter mean of the cut ratings ('t' 1, 'p' 2, 'f' 3, 'g' 4, anything else 0): the sum over five
// divided by 5, mapped back to its letter, or 0. Returns 4.
int AvgCutRating(RecordGroup group, std::uint16_t& letter);
// The same for the porosity ratings. Returns 4.
int AvgPorosityRating(RecordGroup group, std::uint16_t& letter);
// The integer mean of the fluorescence percents.
int AvgFluorescencePercent(RecordGroup group);
// The integer mean of the hardness percents into `mean`. Returns 5.
int AvgHardnessPercent(RecordGroup group, int& mean);
// The greatest gas-track curve value (the gas-block value after NC5), never below 0, over the records
// before the first one outside the file's depth range (below its first depth, or at or past its last
// depth). `count` is set to 5 whatever was read.
float MaxCurveValueInRange(RecordGroup group, std::int32_t fileFirstDepth, std::int32_t fileLastDepth, int& count);
// The greatest flare length, never below 0; `count` is set to 5.
int MaxFlareLength(RecordGroup group, int& count);
// The greatest of each of the eight gas components (TG, C1..NC5), never below 0. Returns 1.
int MaxGasComponents(RecordGroup group, std::array<float, 8>& maxima);

}  // namespace logview
