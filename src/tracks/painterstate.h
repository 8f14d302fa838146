#pragma once
// What the track painters keep from one call to the next. The window keeps one for the whole run of the
// program (app::LogState::trackPainters) and hands it to every painter that keeps state; a test makes
// its own. Nothing of it is global.
#include <array>
#include <cstdint>
#include <optional>

namespace tracks {

struct PainterState {
    // Rows drawn so far in the current pass; the renderer sets it to 0 before the first row, so the
    // curves of a pass never join a row of an earlier pass.
    std::int32_t rowCounter = 0;

    // Where each of the eight gas curves ended on the last row drawn: of the gas track and of the gas
    // ratio column. Shared by every caller of the gas-curve painter.
    std::array<std::int32_t, 8> gasJoin{};
    std::array<std::int32_t, 8> ratioJoin{};

    // The x of the last line of the printed gas grid drawn last; none before the first grid of the run.
    std::optional<std::int32_t> printedGridRight;
};

}  // namespace tracks
