#pragma once
// The header block in the plot's left margin (the well header's fields, the lithology legend, the
// show-row labels, the pen and scale legends) and the view's own lithology symbols: the symbol
// painter, the legend of 22 boxes (kept as the marker palette) and the 40 x 11 tiles the markers
// are stretched from.
#include "layout/pentable.h"
#include "platform/gdi.h"
#include "wellfile/wellplace.h"

#include <QString>

#include <array>

namespace platform {
class Dc;
struct Font;
}  // namespace platform

namespace horizontal {

struct HorzPlot;

// What the header reads of the main window besides the plot's own inputs.
struct HorzHeaderFacts {
    wellfile::WellPlace place;    // where the well header lies (no well name: no header)
    QString logTitle;             // the company title line of the log
    bool hardnessLabel = false;   // the hardness row reads "HARDNESS", else "CACO3 0-100%"
    bool scaleNote = false;       // the red horizontal-scale note (off unless a caller sets it)
    bool operatorColour = false;  // dolomite in (255,0,248) instead of (0,192,248)
    const layout::PenTable* penTable = nullptr;  // names and line counts of the pen legend
};

// The legend boxes as last drawn, by tile number (slot 0 unused): the marker palette.
using SymbolPalette = std::array<platform::RECT, 23>;

constexpr int kTileWidth = 40, kTileHeight = 11;

// The view's first text font: "VERDANA" 15, or "Arial" 16 on screens narrower than 1025 pixels.
platform::Font TextFont(const HorzPlot& plot);

// One symbol of `kind` (0..26) at (x, y), size s, closed shapes in the current brush. Selects a black
// 1-pixel pen first and leaves it; kind 25 draws red and leaves the Dc's initial objects. `profile`
// chooses the anhydrite figure.
void DrawLithSymbol(platform::Dc& dc, int kind, int x, int y, int s, int profile);
// The 17 rocks and 5 accessories from row y down; the boxes drawn, by tile number. `area`, when given,
// gets the rectangle that holds every label and box.
SymbolPalette DrawLithLegend(platform::Dc& dc, const HorzPlot& plot, int y, platform::RECT* area = nullptr);
// The 23 tiles (slot 0 blank) made again into plot.lithTiles.
void BuildLithTiles(HorzPlot& plot);

// Label at (x, y), the value 10 pixels after it and, with `underline`, a line under the value to 10
// pixels past its end, kUnderlineDrop rows below y (bottom-aligned text ends on row y - 1). Returns the x
// where that line ends.
constexpr int kUnderlineDrop = 2;
int DrawHeaderField(platform::Dc& dc, const char* label, const char* value, const platform::Font& font, int x,
                    int y, bool underline);
// The whole block (the older one for profile 7); nothing when the well has no header.
void DrawHeader(platform::Dc& dc, HorzPlot& plot);
void DrawHeaderOld(platform::Dc& dc, HorzPlot& plot);
int DrawCurveLegend(platform::Dc& dc, const HorzPlot& plot);
void DrawScaleLegend(platform::Dc& dc, const HorzPlot& plot);

}  // namespace horizontal
