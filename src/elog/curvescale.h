#pragma once
// The scale of an e-log curve track in pixels, and what the curve drawing reads of the log's layout:
// the first track's edges and grid division on the screen or the page, and the pens of the curves.
#include "layout/pentable.h"

#include <array>
#include <cstdint>

namespace elog {

struct CurveScale {
    float factor = 0;         // pixels per curve unit: x = origin + value x factor
    float min = 0;            // value at the low end (not set for the gamma scale)
    float max = 0;            // value at the high end: the full-scale value
    std::int32_t origin = 0;  // x of the value 0
    std::int32_t right = 0;   // right limit: a segment reaching past it is wrapped
    std::int32_t base = 0;    // left edge of the track
    float division = 0;       // width of one grid division, pixels
    std::int32_t divisions = 0;
    std::int32_t direction = 1;  // +1 values grow to the right
    std::uint8_t linear = 1;
};

constexpr int kGammaScaleCode = 1;
constexpr int kGammaDivisions = 25;

// What the curve drawing reads of the log: the first track on the screen and on the page, the pen-table
// entries of the 16 curves (slot order) and the colour of the off-scale gamma fill.
struct CurveLayout {
    std::int32_t screenLeft = 0;     // the first track's left and right x and grid division on screen
    std::int32_t screenRight = 0;
    float screenDivision = 0;
    std::int32_t pageLeft = 0;       // the same on a printed page
    std::int32_t pageRight = 0;
    float pageDivision = 0;
    std::array<layout::PenSpec, 16> curvePens{};
    platform::COLORREF offScaleFill = 0;
};

// Fills `scale` for a scale code; code 1 is the gamma scale (full scale by `gammaIndex`), on the page's
// first track while printing. Other codes leave the scale as it is.
void ScaleValues(CurveScale& scale, int code, int gammaIndex, const CurveLayout& layout, bool printing);

// The pen-table entries of the curves of slots 1 to 16, in slot order.
inline constexpr std::array<int, 16> kCurvePenEntries{
    layout::PEN_GAMMA,  layout::PEN_DENSITY_POR, layout::PEN_NEUTRON_POR, layout::PEN_CROSSPLOT_POR,
    layout::PEN_SONIC,  layout::PEN_SP,          layout::PEN_PE,          layout::PEN_RES10,
    layout::PEN_RES20,  layout::PEN_RES30,       layout::PEN_RES60,       layout::PEN_RES90,
    layout::PEN_RES120, layout::PEN_WATER_SAT,   layout::PEN_BVW,         layout::PEN_CALIPER,
};

}  // namespace elog
