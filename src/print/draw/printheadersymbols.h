#pragma once
// The small rock and accessory symbols inside the legend swatches of the printed header.
#include "layout/pentable.h"

namespace platform {
class Dc;
}

namespace print {

// What a symbol depends on besides its cell.
struct LegendSymbolStyle {
    int rowHeight = 0;   // the print's row height: a cell is one row tall
    int profile = 0;     // anhydrite is drawn as dolomite for profiles 2, 91 and 92
    bool colourPrint = false;                // fractures are filled red
    const layout::PenTable* pens = nullptr;  // the shale kinds 27-35 take their form from entries 44-52
};

// Draws the symbol of legend kind `kind` (0-35) in the cell whose top-left corner is (x, y), with `w`
// the horizontal unit, in a black pen a quarter of w wide. Kinds without a symbol and kinds outside
// 0-35 draw nothing. Pyrite's "p " is written in the Dc's font. The Dc's pen, brush and background
// mode are put back.
void DrawLegendSymbol(platform::Dc& dc, const LegendSymbolStyle& style, int kind, int x, int y, int w);

}  // namespace print
