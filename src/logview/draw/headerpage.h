#pragma once
// The log header page: the block above the log of an exported image (and the title band while an image
// is rendered). The company's address block, the well's header fields with their underlines, the legends
// of abbreviations and mud data, the lithology legend and the ppm scale, a box over the log's columns
// and the band of curve scales under it. DrawLabelText, the underlined label, is shared with the printed
// header.
#include "layout/pentable.h"
#include "logview/draw/lithlegend.h"
#include "logview/viewgeometry.h"
#include "platform/draw/gdiobjects.h"
#include "wellfile/wellheader.h"

#include <QString>

#include <string>

namespace platform {
class Dc;
}

namespace logview {

class NeighbourPainters;

// The column switches of the custom-track configuration (1 = shown).
struct ColumnSwitches {
    bool lithology = true;
    bool gas = true;
    bool descriptions = true;
    bool shows = true;
    bool rate = true;
};

// What the page reads besides the geometry and the pens.
struct HeaderPage {
    const wellfile::WellHeader* header = nullptr;  // as just read; null when there is none: empty fields
    std::int32_t clientRight = 0;   // the window's client right edge
    std::int32_t headerRows = 62;   // the layout's header height in rows
    QString logTitle;               // the profile's log title
    ColumnSwitches switches;
    bool customTracksOn = false;    // custom tracks are switched on (their set is in the geometry)
    int gammaScaleIndex = 1;        // 1-9: full scale 25 .. 1500
    bool hardnessSwitch = false;    // the hardness column shows hardness, not calcimetry
    bool descriptionsOnOneInch = false;  // the print option "Print descriptions on 1 in. log"
    bool importedCurves = false;    // imported curves shown: no ppm scale
    LithLegendFlags legend;         // the image's flags for the lithology legend
};

// Draws the whole page. The caller sets the log's left margin to the unit width. Returns the page frame
// (3, 3, right edge - 8, header rows x R + top margin), which the caller keeps as the title rectangle.
// Puts back the Dc's objects, alignment and text colour.
platform::RECT DrawLogHeaderPage(platform::Dc& dc, const ViewGeometry& g, const layout::LogPens& pens,
                                 const HeaderPage& in, NeighbourPainters& painters);

// Writes the Windows-1252 `text` in `font` at (x, y) with the Dc's alignment; with `underline`, a 3-pixel
// black line at y + the text's height from x - leftOffset to underlineEnd (the end of the text when
// underlineEnd <= 0). An empty text draws nothing and returns 0; else 1.
int DrawLabelText(platform::Dc& dc, const std::string& text, const platform::Font& font, int x, int y, bool underline,
                  int underlineEnd, int leftOffset = 0);

}  // namespace logview
