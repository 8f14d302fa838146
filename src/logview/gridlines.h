#pragma once
// Where the lines of the one-row grid strips stand. Each strip is a plan of strokes in drawing order
// (later strokes draw over earlier ones): vertical lines over the whole row height and top lines along
// y = 0. The plans are pure numbers taken from the view's geometry; logview/draw/gridstrips.* paints
// them into the strip images and copies the strips onto the log.
#include "logview/viewgeometry.h"

#include <array>
#include <cstdint>
#include <vector>

namespace logview {

// The three grid pens of the pen table: " GRID ", " Heavy Grid ", " Heavy Border ".
enum class GridPen : std::uint8_t { Grid, HeavyGrid, HeavyBorder };

struct GridStroke {
    enum Kind : std::uint8_t { Vertical, Top };
    Kind kind = Vertical;
    std::int32_t x = 0;   // Vertical: the line's x; Top: where it starts
    std::int32_t to = 0;  // Top: where it ends (not drawn)
    GridPen pen = GridPen::Grid;
    friend bool operator==(const GridStroke&, const GridStroke&) = default;
};

struct StripPlan {
    std::int32_t width = 0;  // 0: no strip
    std::vector<GridStroke> strokes;
    // The x of every vertical line drawn with `pen` (tests and the scale labels read them this way).
    std::vector<std::int32_t> LinesWith(GridPen pen) const;
    std::vector<std::int32_t> Lines() const;
};

// Offsets t(k) = trunc(ln k / ln(high / low) x width), k = 1..10, of a logarithmic scale over `width`
// pixels: the lines of one decade stand at these offsets from the decade's start.
std::array<std::int32_t, 10> DecadeOffsets(double low, double high, std::int32_t width);

// The main strip: left border, rate track, side lithology, show and lithology columns, gas track and
// the extra gas scale, at their screen x.
StripPlan MainStripLines(const ViewGeometry& g);
// The 30-cell rate scale of minutes codes 2 and 3, with the corrections of 800-pixel and wide screens.
StripPlan AlternateRateLines(const ViewGeometry& g);
// The gas-percent column, from x = 0.
StripPlan GasPercentLines(const ViewGeometry& g);
// Profile 16's 40 narrow cells of gas scale codes 9 and 10, from x = 0; no strip for other profiles.
StripPlan GasShowLines(const ViewGeometry& g);
// The linear e-log column, from x = 0; no strip while the layout has no e-log column.
StripPlan ElogLines(const ViewGeometry& g);

// The e-log gas strip: 0.2 to 2000 over the whole gas track, from x = 0.
struct ElogGasPlan {
    StripPlan plan;
    float factorTwoWidth = 0;  // pixels between the lines of 1 and 2
    std::int32_t extent = 0;   // x of the last line (2000)
};
ElogGasPlan ElogGasLines(const ViewGeometry& g);

// The logarithmic gas strip: 0.1 to 10,000 over the width of gas part 2, from x = 0. Painting lays it
// at the gas track's left edge and, with two parts, again at the middle x + 1.
struct LogGasPlan {
    StripPlan plan;
    std::int32_t extent = 0;  // x of the closing double line's second line
};
LogGasPlan LogGasLines(const ViewGeometry& g);

// The logarithmic rate strip: 0.1 to 100 min/unit (profile 74: 3 to 300, drawn from the right) over
// the rate track's width, from x = 0; it is laid at the rate track's left edge.
StripPlan LogRateLines(const ViewGeometry& g);

// The x where the extra gas scale's lines start: one part-2 cell past the end of gas part 2, less a
// part-1 cell.
std::int32_t ExtraGasScaleLeft(const ViewGeometry& g);

}  // namespace logview
