#pragma once
// The well's e-log curves as the track painters read them: a small read-only view of the rows, the
// presence flags and the info flags, which the e-log subsystem fills from its curve set. A painter takes
// a pointer to one, null while no curves are loaded.
#include <array>
#include <cstdint>
#include <span>

namespace tracks {

// One row per depth unit: the depth, then curves 1 to 23.
using ElogRow = std::array<float, 24>;

struct ElogView {
    std::span<const ElogRow> rows;
    std::int32_t depthOffset = 0;      // the row of depth d is d + depthOffset - 1
    std::array<bool, 18> present{};    // curves 1-17: a value above 0 at some depth
    // The info-entry flag of the six curves the printed gas track may show.
    std::array<bool, 6> gasTrackFlag{};

    // The row of depth `d`, or null outside the rows.
    const ElogRow* RowAt(std::int32_t d) const
    {
        const std::int64_t i = std::int64_t(d) + depthOffset - 1;
        return i >= 0 && i < std::int64_t(rows.size()) ? &rows[std::size_t(i)] : nullptr;
    }
};

}  // namespace tracks
