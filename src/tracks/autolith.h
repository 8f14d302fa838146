#pragma once
// Automatic lithology: the rock of a depth read from its wireline values (gamma ray, the neutron-density
// porosity separation and the photoelectric factor) against the well's e-log lithology thresholds. The
// result is a lithology text of one item of 100 %, which the lithology column draws in place of the
// record's own; the record itself is never written.
#include "tracks/elogview.h"
#include "tracks/lithrowplan.h"
#include "wellfile/wellconfig.h"

#include <array>
#include <cstdint>
#include <string>

namespace tracks {

// The threshold table: six rock rows of eight floats (lime, dolomite, sand, shale, anhydrite, chert);
// row r holds at 8r + 1 ... 8r + 6 the minimum and maximum PE, gamma and separation.
using ElogLithThresholds = std::array<float, 55>;

enum class ElogRock : int { Lime = 0, Dolomite, Sand, Shale, Anhydrite, Chert };
enum class ElogLimit : int { MinPe = 1, MaxPe, MinGamma, MaxGamma, MinSeparation, MaxSeparation };

constexpr std::size_t ElogLimitIndex(ElogRock rock, ElogLimit limit) { return std::size_t(8 * int(rock) + int(limit)); }

// The table the e-log lithology setup fills when the lime or shale minimum PE is not above 0.
ElogLithThresholds DefaultElogLithThresholds();
// The table as the well's configuration holds it.
ElogLithThresholds ElogLithThresholdsOf(const wellfile::WellConfig& config);

// The lithology text of the curve row `row` (gamma at 1, density porosity at 2, neutron porosity at 3,
// PE at 7); "100bl" when no rock matches.
std::string AutoLithFromElog(const ElogRow& row, const ElogLithThresholds& thresholds);

// The lithology column's hook: for a record whose curve row lies below the file's `firstDepth`, the
// classifier's text. Unset when there are no curves or no PE curve. `curves` must outlive the hook.
AutomaticLith MakeAutomaticLith(const ElogView* curves, std::int32_t firstDepth, const ElogLithThresholds& thresholds);

}  // namespace tracks
