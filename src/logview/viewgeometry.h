#pragma once
// What the view's painters read of the window: the row geometry, the window of depths shown, the screen
// column edges, the "Lines and Scales" options, the track flags and the view's pens and fonts, as one
// value. GeometryOf (logview/geometryof.h) fills it from the window's state groups right before a paint;
// the painters take it by const reference and never see the window's state. Paper is told apart by the
// Device (logview/device.h), never by a second geometry.
//
// Row rule: row i (from 0) has its top at origin y + top margin + i x row height and shows the record at
// view top depth + (i + 1) x depth step, so a record's row ends on its depth line; the y of depth d is
// (d - view top depth) x row height + top margin (DepthY).
#include "layout/logformat.h"
#include "layout/pentable.h"
#include "layout/trackflags.h"
#include "platform/gdi.h"

#include <array>
#include <cstdint>

namespace logview {

// The "Lines and Scales" options the painters read (the well's settings record keeps them).
struct LinesAndScales {
    bool logGasScale = false;       // "Logarithmic Gas Scales"
    bool logRateScale = false;      // "Logarithmic Rate Scale"
    std::int32_t gasPercent = 0;    // gas mode "Percent"
    bool reverseRop = false;        // "Reverse ROP"
    std::int32_t rateLineStyle = 1; // "Rate Line Style": 0 blocked, other point to point
    float highlightBelow = 0;       // "High light rates below (x min/M)", minutes per unit
    bool ratePerHour = false;       // "M Per Hr": rates shown per hour
    bool sandShaleOnly = false;     // "Sand and Shale Only"
};

// The fixed rate scale: while `on`, the rate track is drawn on the minutes code table[index] whatever
// code each record holds.
struct FixedRateScale {
    bool on = false;
    std::array<std::int32_t, 4> table{6, 4, 5, 2};
    std::int32_t index = 0;
};

// The view's pens: the pen table as made by the layout, and the entries the view uses by role.
struct ViewPens {
    std::array<layout::PenSpec, layout::kPenCount> table{};
    const layout::PenSpec& Grid10() const { return table[layout::PEN_BORDER]; }      // the ten-unit lines
    const layout::PenSpec& Grid10Alt() const { return table[layout::PEN_HEAVY_GRID]; }
    const layout::PenSpec& Grid50() const { return table[layout::PEN_HEAVY_BORDER]; }  // the fifty-unit lines
    const layout::PenSpec& SurveyMarker() const { return table[layout::PEN_SURVEY]; }
    platform::COLORREF SlideColour() const { return table[layout::PEN_SLIDE].colour; }
    // The " RATES " entry as stored: a styled pen is made 1 wide, so its width is kept here; it is the
    // number of side-by-side lines of a styled rate curve on screen, `rateRepeat` on paper.
    std::int32_t rateWidth = 1;
    std::int32_t rateRepeat = 0;
    // Bytes 43-45 of every entry. For a rock type's entry (type + 17) they are the dash, brick and
    // symbol switches of its pattern.
    struct LithSwitches {
        bool dash = false;
        bool brick = false;
        bool symbol = false;
    };
    std::array<LithSwitches, layout::kPenCount> lith{};
};

// The view's screen fonts as logical-font records. The small log font and the title font are the
// layout's; the others are the view's own, sized from the row height and unit width (ViewFontsFor).
struct ViewFonts {
    platform::LOGFONTA smallLog{};        // depth numbers, column titles, survey lines
    platform::LOGFONTA title{};           // the file line of the title row
    platform::LOGFONTA alternateDepth{};  // depth numbers of the alternate depth style
    platform::LOGFONTA verticalText{};    // vertical depth numbers, five-line survey blocks
    platform::LOGFONTA surveyBlock{};     // survey blocks and titles of the alternate style
    platform::LOGFONTA annotation{};      // connection and trip labels
    platform::LOGFONTA scale{};           // track scale labels
    platform::LOGFONTA feetStyle{};       // scale labels of the feet-style formats
    platform::LOGFONTA mark{};            // letters of the compressed show, DST and report marks
};
// The view's own fonts for row height R and unit width U; smallLog and title are left empty.
ViewFonts ViewFontsFor(std::int32_t rowHeight, std::int32_t unitWidth);

struct ViewGeometry {
    // Rows.
    std::int32_t rowHeight = 10;    // R: pixels per row
    std::int32_t unitWidth = 10;    // U: the layout's column unit
    std::int32_t topMargin = 160;   // T: y of the first row
    std::int32_t visibleRows = 0;
    std::int32_t logBottomY = 0;    // below the last grid strip; the row loop stops there
    std::int32_t clientHeight = 0;  // the grid strips stop there
    platform::POINT origin;         // rows start at origin y + top margin, strips at origin x
    std::int32_t horizontalScroll = 0;  // pixels the log is scrolled to the left
    std::int32_t screenWidth = 0;   // the screen one monitor shows: the grid strips correct for 800 and 1024+

    // Depths.
    std::int32_t viewTopDepth = 0;
    std::int32_t fileFirstDepth = 0;
    std::int32_t fileLastDepth = 0;
    std::int32_t depthStep = 1;
    std::int32_t depthSpan = 40;
    std::int32_t scaleIndex = 1;  // 0-2 one record per row; 3 and up five records per row
    int profile = 0;              // the logging-company profile

    // Screen columns, left to right (each count x cell wide from its left x).
    layout::Column rate;           // the drilling-rate track; cell = rate cell width
    layout::Column sideLithology;  // ten half cells beside the rate track (wide formats)
    layout::Column porosity;
    layout::Column lithology;      // ten cells, or none when the column is off
    layout::Column hardness;       // hardness/calcimeter: three cells with track flag 38
    // The interpreted lithology column is the hardness column's room; a cell is a tenth of it, so that
    // 100 % fills it.
    const layout::Column& Interpreted() const { return hardness; }
    std::int32_t InterpretedCell() const { return hardness.Width() / 10; }
    std::int32_t afterLithologyX = 0;  // left x of the next column with width after the lithology, else 0
    layout::Column fluorescence;   // the second extra column
    layout::Column cut;            // the first extra column
    layout::Column description;
    layout::Column gas;            // the gas track, or its part 1 when split
    layout::Column gas2;           // part 2 of a split gas track; count 0 with the single-gas option
    std::int32_t gasMiddleX = 0;   // end of gas part 1 (the gas left x with one part)
    std::int32_t gasSecondLeft = 0;  // where the components start: gas2's left x, the gas left x with one part
    // Where a chromatograph component at its test gas stands right of the components' origin on the
    // chromatograph scale of code 2: five units of the second gas track, one label step.
    std::int32_t gasComponentWidth = 0;
    std::int32_t gasRight = 0;
    std::int32_t logWidth = 0;     // x of the log's right edge
    std::int32_t markOffset = 10;  // x offset of the compressed show, DST and report marks
    std::int32_t gasPercentCells = 20;
    layout::Column ratio;          // the gas ratio (percent) column: at the description, gasPercentCells gas units
    std::int32_t elogCells = 0;    // no e-log column yet
    std::int32_t elogCellWidth = 0;
    bool extraGasScale = false;    // no extra gas scale yet
    std::int32_t extraGasBaseX = 0;                 // the extra gas scale's base x, its two cell counts
    std::array<std::int32_t, 2> extraGasCells{};    // and its cell width
    std::int32_t extraGasCellWidth = 0;
    bool splitGas = false;         // the gas track has two parts
    bool SingleGas() const { return gas2.count == 0; }
    bool customTracks = false;     // a custom-track object is present: one more unit beside the log
    std::int32_t customLeft = 0;   // the custom tracks' left x (0 without them)
    std::int32_t outlineOffsetUnits = 0;  // profile 134: the interval outlines' offset past the curve track

    layout::TrackFlags trackFlags = layout::DefaultTrackFlags();
    bool Flag(int n) const { return layout::On(trackFlags, n); }
    LinesAndScales options;
    FixedRateScale fixedRate;
    bool rateShown = true;         // the rate track's show flag: clear, the printout draws no rate curve
    ViewPens pens;
    ViewFonts fonts;

    // The y of depth `d` on the screen rows.
    std::int32_t DepthY(std::int32_t d) const { return (d - viewTopDepth) * rowHeight + topMargin; }
};

}  // namespace logview
