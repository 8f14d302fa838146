#pragma once
// What a painter draws on: the screen (or an off-screen image of it), or paper. A painter that the
// printout also calls takes the view's geometry and a Device, and chooses the printer's measures when
// `printing` is set; there is never a second painter for paper. The printout fills the printer part
// from its print layout; the screen and image callers pass Device::Screen().
#include "layout/pentable.h"
#include "platform/gdi.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace logview {

// A label a printed page (or the screen's paint) writes after its boxes and notes, only where nothing
// written stands.
struct LaterLabel {
    int x = 0, y = 0;
    std::string text;  // Windows-1252
    platform::LOGFONTA font{};
    platform::COLORREF colour = 0;
    unsigned align = 0;
};

// The printer's column edges and measures, in device units of the page.
struct PrinterGeometry {
    std::int32_t rowHeight = 0;  // device units per 0.1 inch: dots per inch / 10
    std::int32_t rowSize = 0;    // a second row size the print layout sets, usually the row height
    std::int32_t unitWidth = 0;
    std::int32_t rateLeft = 0;   // the rate track
    std::int32_t rateRight = 0;
    std::int32_t rateCellWidth = 0;
    std::int32_t rateCellCount = 0;
    std::int32_t lithologyLeft = 0;
    std::int32_t lithologyCellWidth = 0;
    std::int32_t lithologyRight = 0;  // the column's right edge as the print layout placed it; 0: after its cells
    std::int32_t interpretedLeft = 0;       // the interpreted lithology column and its cell width
    std::int32_t interpretedCellWidth = 0;
    std::int32_t depthLeft = 0;  // the depth column
    std::int32_t depthRight = 0;
    std::int32_t nextColumnEdge = 0;
    std::int32_t gasLeft = 0;
    std::int32_t gas2Left = 0;   // the second gas track; the gas left with one track
    std::int32_t gasRight = 0;
    std::int32_t gasCellWidth = 0;
    std::int32_t gasUnits = 0;   // widths in units of the two gas tracks
    std::int32_t gas2Units = 0;
    std::int32_t ratioLeft = 0;  // the printed gas ratio column
    std::int32_t ratioUnits = 0;
    std::int32_t curveLeft = 0;  // the printed curve track (gamma, weight on bit)
    std::int32_t curveRight = 0;
    std::int32_t lineHeight = 0;     // the chromatograph track's step on paper
    std::int32_t lineThickness = 0;  // 20 or less, 21-40, 41-80, above 80 choose the line thickness tables
    std::int32_t gasComponentWidth = 0;  // the chromatograph component width on paper
    bool rowCorrection = false;      // the fixed per-row corrections of the printed curves
    bool fullRatioUnit = false;      // profiles 2, 91 and 92 keep the full unit in the ratio column
    // The extra printed curve column of the ten-foot page.
    bool extraCurve = false;
    std::int32_t extraCurveLeft = 0;
    std::int32_t extraCurveUnitWidth = 0;
    std::int32_t extraCurveUnits = 0;
    std::int32_t extraLeft = 0;  // the extra (show) columns
    std::int32_t extraCellCount = 0;
    std::int32_t extraCellWidth = 0;
    std::int32_t descriptionLeft = 0;
    std::int32_t descriptionCellCount = 0;
    std::int32_t logRight = 0;
    std::int32_t logUnit = 0;
    std::int32_t surveyX = 0;
    std::int32_t elogLabelX = 0;
    std::int32_t firstGasWidth = 0;   // widths of the print gas line
    std::int32_t secondGasWidth = 0;
    std::int32_t pitch = 0;
    bool labelAdjust = false;
    std::int32_t leftOffset = 0;      // 0 until a printout sets it
    // Where the page has written already: a repeated gas scale label that would cross one is left out.
    const std::vector<platform::RECT>* written = nullptr;
    // The show columns on paper: their left x, 0 when a column is not printed. Their widths in units
    // are the screen's.
    std::int32_t porosityLeft = 0;
    std::int32_t cutLeft = 0;
    std::int32_t fluorescenceLeft = 0;
    std::int32_t hardnessLeft = 0;
    // Where the tops line runs on paper: the alternate layout ends its second span at its own line end
    // (the extra curve column moves the ends of both spans).
    bool alternateLayout = false;
    std::int32_t alternateLineEnd = 0;
    // The print-scale option and its factor (1.0 unless the print setup sets it).
    bool scaling = false;
    float scaleFactor = 1.0f;
};

// Entries of the print pen array: 0-7 the gas curves, 8-18 grid and curve lines.
enum PrintPen : int {
    PRINT_PEN_RATE = 9,        // the rate curve and the left edge line of the log grid
    PRINT_PEN_THIN_GRID = 10,
    PRINT_PEN_HEAVY_GRID = 11, // heavy grid lines and the ten-unit depth lines
    PRINT_PEN_TOPS = 12,       // selected while the tops are drawn
    PRINT_PEN_SHOW_BORDER = 14,  // the show columns' border
    PRINT_PEN_FIRST_GRID = 15, // first grid line, fifty-unit depth lines, survey marker, vertical tick
};
constexpr int kPrintPenCount = 19;

// The print fonts as logical-font records, made for the printer's resolution.
struct PrintFonts {
    platform::LOGFONTA text{};            // the print font
    platform::LOGFONTA alternateDepth{};
    platform::LOGFONTA survey{};
    platform::LOGFONTA surveyBlock{};
    platform::LOGFONTA scale{};
    platform::LOGFONTA feetStyle{};
    platform::LOGFONTA label{};
};

struct Device {
    bool printing = false;        // draw with the printer's geometry
    bool headerOnly = false;      // only the printed header is made
    bool colourPrinting = false;  // clear: monochrome fills
    bool rowStep = false;         // on paper every fifth row is moved up by 4 device units
    bool gridStep = false;        // printed grids of minutes codes 2 and 3 get the cell corrections
    bool wideDepth = false;       // five-digit depths get a box 6.5 instead of 5.5 units wide
    bool descriptionsOnOneInch = false;  // "Print descriptions on 1 in. log"
    bool pdfPrinter = false;      // the page goes to the PDF printer
    bool narrowFormat = false;    // the narrow printed format: the lithology boundaries stay 4 units thick
    // Modes of the screen's renderers. Off the screen proper (image export, off-screen render) the
    // column painters draw every row they are given instead of stopping at the log's bottom.
    bool imageExport = false;     // a log image is rendered
    bool offScreen = false;       // the screen log is rendered off screen
    bool imageTotalOnly = false;  // a log image is built: the chromatograph track draws only TG
    bool monochrome = false;      // a 1-bit log image: no background fills in the lithology rows
    bool colourOnly = false;      // the compressed scales' off-screen image: lithology fills only
    // When set, the mud weight labels are listed here for the page or the screen's paint to write after
    // its boxes and notes.
    std::vector<LaterLabel>* laterLabels = nullptr;
    // When set, the painters of boxes and bars that a label written later keeps clear of list them here:
    // the short-report boxes and the mud weights' bars (their texts are in the Dc's text record).
    std::vector<platform::RECT>* drawnBoxes = nullptr;
    PrinterGeometry printer;
    std::array<layout::PenSpec, kPrintPenCount> printPens{};
    PrintFonts printFonts;

    static Device Screen() { return {}; }
};

}  // namespace logview
