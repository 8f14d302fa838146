#pragma once
// The well's e-log curve set as the painters and the curve values read it: its rows, one per depth unit
// from depth 1, and the flags of its curves. Read only; a painter takes a pointer, null while the window
// holds no curves. The e-log subsystem fills it from the curve file.
#include "elog/curverecord.h"

#include <array>
#include <cstdint>
#include <span>

namespace elog {

struct CurveView {
    std::span<const CurveRecord> rows;         // row i holds depth i + 1 - the e-log depth offset
    std::array<std::int32_t, 18> present{};    // [1..17]: the curve has a value above 0 at some depth
    std::array<std::int32_t, 24> infoFlag{};   // [1..23]: the flag of the curve's info entry

    // The row of `depth` under the e-log depth `offset`; null when depth + offset - 1 lies outside the
    // rows (a depth above the curve file, or below its end).
    const CurveRecord* RowOf(std::int64_t depth, std::int32_t offset) const
    {
        const std::int64_t index = depth + std::int64_t(offset) - 1;
        if (index < 0 || index >= std::int64_t(rows.size()))
            return nullptr;
        return &rows[std::size_t(index)];
    }
};

}  // namespace elog
