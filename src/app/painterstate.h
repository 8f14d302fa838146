#pragma once
// What the track painters keep from one call to the next. The window keeps one for the whole run of the
// program (app::LogState::trackPainters) and hands it to every painter that keeps state; a test makes
// its own. Nothing of it is global. The track code names these types in tracks:: too
// (tracks/painterstate.h).
#include <array>
#include <cstdint>
#include <optional>

namespace app {

// The lithology column's row state, shared by the column and its pattern painters.
struct LithRowState {
    std::int32_t shareUsed = 0;  // percent of the current row already painted; 0 at the start of a row
    std::int32_t nextType = 0;   // the type painted after the current one in the row (0 none): joins
    std::array<std::int32_t, 10> currentCells{};   // the type painted in each 10 % cell of the row
    std::array<std::int32_t, 10> previousCells{};  // the same for the row above: boundaries
    // Rows drawn: its parity staggers the patterns. The column counts rows in split mode and in a custom
    // lithology track; otherwise it is the view's row counter of the pass.
    std::int32_t rowCounter = 0;
    std::int32_t customTrackX = 0;  // left edge of the custom lithology track being drawn, else 0
    std::int32_t cellX = 0;      // left x of the next cell the pattern painter fills
    std::int32_t cellIndex = 0;  // that cell's index in the row, 0-9
    bool divider = false;        // the next item that leaves the row unfinished ends in a divider
    // The row counter at which a blank item was last drawn in the current row: a second blank item of
    // the same row draws nothing. Forgotten when a row starts.
    std::optional<std::int32_t> lastBlankRow;
    // The printed row counter at which the printer's painter last booked a blank item's cells: a blank
    // item of the same printed row books nothing. A printing pass forgets it as it starts.
    std::optional<std::int32_t> printBlankRow;
};

// What a printed page leaves to the next one in the custom cell tracks: the short reports, the memo and
// the picture cut at its bottom. The first 'G', 'N' or 'M' track that draws one forgets it.
struct PendingCells {
    std::array<std::int32_t, 2> shortReports{-1, -1};  // report indexes, -1 none
    std::int32_t memo = -1;
    std::int32_t picture = -1;
    std::int32_t pictureRemaining = 0;  // height still to draw
    std::int32_t pageBottomY = 0;       // the printed page's bottom y, 0 none

    // Hands each short report cut on the last page to `draw` and forgets it. A report cut in both boxes
    // is handed once, while both cuts are still set: that one call draws both its rests.
    template <class Draw>
    void TakeShortReports(Draw draw)
    {
        const std::int32_t first = shortReports[0], second = shortReports[1];
        if (first >= 0)
            draw(first);
        shortReports[0] = -1;
        if (second >= 0 && second != first)
            draw(second);
        shortReports[1] = -1;
    }
};

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

    // The width of the printed four-decade grid drawn last (its last line less the track's left).
    std::int32_t printedGridWidth = 0;

    // Where each curve of the chromatograph track ended, and the printed gas tracks' working x: the
    // starting point of the next call.
    std::array<std::int32_t, 8> chromatographX{};
    // Where each printed gas curve ended: on the printed gas track and in the printed ratio column.
    std::array<std::int32_t, 8> printGasJoin{};
    std::array<std::int32_t, 8> printRatioJoin{};
    // Rows printed so far in the current printing pass (0 on the first printed row); its parity
    // staggers the printed lithology patterns.
    std::int32_t printRowCounter = 0;

    LithRowState lith;
    PendingCells pending;

    // The curve values' remembered mud weights: the last accepted mud weight out and in, which the custom
    // curve painter sets before the curves of a paint and a missing value repeats; and the last mud
    // weight out above 2 that the drilling exponent used, kept for the whole run.
    float rememberedMudOut = 0.0f;
    float rememberedMudIn = 0.0f;
    float drillingMudWeight = 0.0f;

    // A printing pass starts: its rows count from 0 and nothing of an earlier pass's rows is kept.
    void StartPrintingPass()
    {
        printRowCounter = 0;
        lith.printBlankRow.reset();
    }
};

}  // namespace app
