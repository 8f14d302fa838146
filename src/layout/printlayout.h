#pragma once
// The printed log's columns. The printout keeps the block counts of the screen format (LogLayout, as
// SetLogFormat left it) and replaces every cell by a fraction of the print block b, the printer width
// of one grid block that the page set-up chose. The printer painters read the edges this gives.
#include "layout/logformat.h"
#include "layout/trackflags.h"

#include <cstdint>

namespace layout {

// The print options of the window and of the page set-up.
struct PrintOptions {
    bool printerMargin = false;   // leave the print unit as a left margin
    bool wideMargin = false;      // wide formats with print scaling: three blocks of margin
    bool printScale = false;      // shrink the print block by the print-scale factor
    bool compact = false;         // the compact printout (no custom tracks)
    bool compactLarge = false;    // its larger size
    bool altSurveyPosition = false;
    bool plotInterpretedLith = false;
};

// What the print layout reads besides the screen format's block counts.
struct PrintInputs {
    int profile = 0;
    TrackFlags trackFlags = DefaultTrackFlags();
    PrintOptions options;
    std::int32_t printUnit = 0;       // printer width of a tenth of the page unit
    float printScale = 0.75f;         // the print-scale factor as the last layout left it
    bool quickView = false;           // the quick-view display
    bool customTracksOn = false;
    bool descriptionOff = false;      // a text track hides the descriptions
    std::int32_t customWidth = 0;     // the custom tracks' width on screen (pixels)
    std::int32_t customPrintWidth = 0;  // their width on paper, as the print custom-track object laid them
};

// Edges and cells on paper (printer units). Edges a layout does not place stay 0.
struct PrintLayout {
    float block = 0;               // the print block after print scaling
    float printScale = 0.75f;      // kept for the next layout
    std::int32_t margin = 0;
    std::int32_t rateLeft = 0, rateRight = 0;
    std::int32_t textLeft = 0;     // wide formats: the text column after the rate track
    std::int32_t outlineRight = 0;
    std::int32_t lithologyLeft = 0, lithologyRight = 0;
    std::int32_t interpretedRight = 0;
    std::int32_t secondShowRight = 0;
    std::int32_t gasLeft = 0, gasSplit = 0, gasRight = 0;
    std::int32_t descriptionLeft = 0, descriptionRight = 0;
    std::int32_t descriptionEnd = 0;  // wide formats: where the description painter stops
    std::int32_t customLeft = 0;      // where the printed custom tracks start (custom tracks on)
    std::int32_t surveyX = 0;
    std::int32_t descriptionCount = 0;
    // Cells. The text cell is the wide formats' text column, or the quick-view text column's cell.
    std::int32_t rateCell = 0, lithologyCell = 0, showCell = 0, gasCell = 0, gas2Cell = 0, textCell = 0;
    std::int32_t gasBlocks = 0;       // 0 when custom tracks hide the gas track
    std::int32_t rightEnd = 0;        // the printed log's width: the rightmost edge placed
};

// The print layout for print block `b`, from the block counts of `screen`.
PrintLayout LayoutTracks(const LogLayout& screen, const PrintInputs& in, float b);

// True for the profiles printed in the wide format (two gas tracks, a text column).
bool WidePrintFormat(int profile);

}  // namespace layout
