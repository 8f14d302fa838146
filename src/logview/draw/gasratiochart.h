#pragma once
// The gas-ratio chart drawn over the log on a right click: the ratios C1/C2 ... C1/C5 of one depth as a
// blue line on a three-decade logarithmic grid, with the boundaries of the dry-gas, gas-condensate and
// oil zones, and a caption box below with the depth and the column labels. Drawn straight on the
// screen's image; the next paint of the log removes it.
#include "logview/gasratios.h"
#include "platform/gdi.h"

#include <optional>

namespace platform {
class Dc;
}

namespace logview {

// The chart's square box: left, top, side 30 units.
struct GasRatioBox {
    int left = 0, top = 0;
    int unitWidth = 10;
    int rowHeight = 10;
    int Side() const { return 30 * unitWidth; }
};

// The grid and scale labels in the box [left, right) x [top, bottom); the tick under the left edge and
// the decade labels use `rowHeight`.
void DrawGasRatioGrid(platform::Dc& dc, const platform::RECT& box, int rowHeight);

// The box outline and, with `ratios`, the grid, the zone boundaries, the sample's line and the caption.
// Without ratios (no record could be read) only the empty box is drawn.
void DrawGasRatioChart(platform::Dc& dc, const GasRatioBox& box, const std::optional<GasRatios>& ratios);

}  // namespace logview
