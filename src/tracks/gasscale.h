#pragma once
// The gas track's scales: where a gas value stands across the track on the logarithmic, linear and
// compressed scales and in the ratio column, and the label tables of the gas head. Pure numbers, shared
// by every gas painter on screen and paper.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

#include <array>
#include <cstdint>

namespace tracks {

using GasValues = std::array<float, 8>;        // TG, C1, C2, C3, iC4, nC4, iC5, nC5
using GasPositions = std::array<std::int32_t, 8>;

// The full-step and first-half gas of a record, copied out of the packed record.
GasValues FullStepGas(const wellfile::RECORD& rec);
GasValues FirstHalfGas(const wellfile::RECORD& rec);
// The values at their magnitudes: a flagged (negative) reading is drawn where its value stands.
GasValues Magnitudes(GasValues v);

// Where the gas scales start and how wide the logarithmic one is, in device units.
struct GasAxis {
    std::int32_t tgLeft = 0;            // origins of the linear and compressed scales
    std::int32_t componentLeft = 0;
    std::int32_t logTgLeft = 0;         // origins and width of the logarithmic scale (five decades)
    std::int32_t logComponentLeft = 0;
    std::int32_t logWidth = 0;
    std::int32_t ratioLeft = 0;         // the ratio column's left edge
};

// The screen's axis, or the paper's while the device prints. The printed logarithmic width ends at the
// right edge of the page's gas grid, or where a grid from the printed gas track's left would end when
// none has been drawn yet.
GasAxis GasAxisOf(const logview::ViewGeometry& g, const logview::Device& device, const PainterState& state);

// The offset of the line of k (2-10) within one printed decade `width` / 5 wide: the lines of a
// logarithmic grid of five decades across `width`.
std::int32_t DecadeLineOffset(int k, std::int32_t width);

// Maps the eight gas values of `rec`'s depth to x. The values are first made ready in place: a negative
// value counts at its magnitude, iC4 takes nC4 when the two are combined (not on profile 60), and without
// the hot wire TG is the sum of the seven components. `unitWidth` is one gas unit; `ratio` maps the
// components as fractions of their sum across the ratio column (20 units).
GasPositions GasValuesToX(const GasAxis& axis, const TrackSettings& s, int profile, const wellfile::RECORD& rec,
                          GasValues& values, std::int32_t unitWidth, bool ratio);

// The head's label tables.
extern const std::array<const char*, 6> kGasUnitLabels;
extern const std::array<const char*, 6> kGasPercentLabels;
extern const std::array<const char*, 6> kGasPpmLabels;
// The seven labels of the compressed scale of `code`; a code outside 1-8 takes row 8.
const std::array<const char*, 7>& CompressedLabels(int code);

}  // namespace tracks
