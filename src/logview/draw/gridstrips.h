#pragma once
// The background grid of the log as one-row strips: BuildGridBitmaps draws the vertical grid lines of
// every track once per layout into RGB32 images one row high; painting copies a strip to each row and
// the track painters draw on top, and BlitColumn restores the background of one column of one row.
// Where the lines stand is logview/gridlines.h.
#include "logview/viewgeometry.h"

#include <QImage>

#include <cstdint>

namespace platform {
class Dc;
}

namespace logview {

struct GridStrips {
    QImage main;          // the whole log width: rate track, show and lithology columns, gas track
    QImage alternateRate; // the 30-cell rate scale of minutes codes 2 and 3, from x = 0
    QImage gasPercent;    // the gas-percent column, from x = 0
    QImage blank;         // 500 white pixels
    QImage gasShow;       // profile 16's 40 narrow cells; null for other profiles
    QImage elogGas;       // 0.2 to 2000 over the whole gas track, while e-log curves are shown
    QImage logGas;        // 0.1 to 10,000 over gas part 2; laid at the gas left (and middle x + 1)
    QImage logRate;       // the logarithmic rate grid; laid at the rate track's left edge
    QImage elog;          // the e-log column; null while the layout has none

    float factorTwoWidth = 0;        // pixels of a factor of two on the e-log gas strip
    std::int32_t elogGasExtent = 0;  // x of its last line
    std::int32_t logGasExtent = 0;   // x of the logarithmic gas strip's last line
};

// Draws every strip anew for the layout of `g` (row height, columns, profile, screen width, gas parts,
// grid pens). A strip of width 0 is left null.
void BuildGridBitmaps(GridStrips& strips, const ViewGeometry& g);

// Column kinds of BlitColumn.
enum ColumnKind : int {
    COLUMN_GAS = 2,
    COLUMN_POROSITY = 4,  // with x >= 1: `width` white pixels at x (the custom tracks)
    COLUMN_FLUORESCENCE = 5,
    COLUMN_CUT = 6,
    COLUMN_HARDNESS = 7,
    COLUMN_RATE = 8,      // with x >= 1: the rate track from its left edge up to x
    COLUMN_GAS_PART1 = 18,
    COLUMN_GAS_PART2 = 19,
    COLUMN_EXTRA_GAS = 20,
};

// Restores the background of one column of the row at `y` from the strips. `x` < 1 means the column's
// own place; with `x` >= 1 kind 2 restores the 10 gas cells at x (the flare cells), kind 4 copies `width`
// white pixels to x and kind 8 the rate track up to x. The logarithmic options take the logarithmic
// strips for kinds 2 and 8. Other kinds copy nothing; nothing is read outside a strip. Returns 1.
int BlitColumn(platform::Dc& dc, const GridStrips& strips, const ViewGeometry& g, int kind, int y, int x = 0,
               int width = 0);

}  // namespace logview
