#pragma once
// The printed header: the block above the rows of the first printed log page. An outer frame; for
// profiles 134 and 23 a logo and the well fields of the well header; the abbreviations, the lithology,
// accessory and mud-data legends and the chromatograph pen legend; the caption frame with the track
// captions. It returns the height it used so that the page's rows start below it. With the short
// header asked for it draws only the track title strip.
#include "layout/pentable.h"
#include "logview/device.h"
#include "platform/draw/gdiobjects.h"
#include "print/printheader.h"
#include "wellfile/printcfg.h"
#include "wellfile/wellheader.h"
#include "wellfile/wellplace.h"

#include <QString>

#include <functional>
#include <string>

namespace platform {
class Dc;
}

namespace print {

// The standard tracks a custom layout may hide.
struct HeaderTracks {
    bool chromatograph = true;
    bool descriptions = true;
    bool lithology = true;
    bool shows = true;
    bool rate = true;
};

// The fonts and pens one header call makes from its units; the track title strip draws with them.
struct HeaderTools {
    platform::Font legend, label, value, caption;
    platform::Pen frame, symbol, thin;
};
HeaderTools HeaderToolsFor(const HeaderUnits& units);

struct TrackTitleStrip;  // print/draw/printheadertitles.h

struct PrintHeaderInput {
    // The header is only measured: no message is shown and the logo is checked, not drawn.
    bool measureOnly = false;
    int profile = 0;
    int rowHeight = 0;   // the print's R and u
    int columnUnit = 0;
    int leftMargin = 0;  // the print layout's
    int logWidth = 0;
    logview::PrinterGeometry columns;  // the printer column edges of the print layout
    // The show columns' widths in layout columns, and the pixels of one layout column.
    int porosityColumns = 0, oilColumns = 0, cutColumns = 0, extraColumns = 0;
    int columnPixels = 0;
    bool descriptionOffset = false;     // the descriptions stand apart from the show columns
    bool interpretedLithology = false;  // the interpreted-lithology column is printed
    bool customTracksObject = false;    // the custom-track object exists
    bool customTracksOn = false;
    HeaderTracks kept;                  // what the custom layout keeps of the standard tracks
    int scaleKind = 1;
    bool ratePerHour = false;
    bool colourPrint = false;
    bool customerFlag = false;
    bool twoAndHalfInch = false;
    bool printDescriptions = false;  // "Print descriptions on 2 in. log"
    int gammaScale = 1;              // 1-9: full scale 25 .. 1500
    const layout::LogPens* pens = nullptr;  // required
    QString dataFolder;
    wellfile::WellPlace place;  // whose ".hdr" is read at each call
    // A trace line for the activity log; called only when its verbose switch is on (may be empty).
    std::function<void(const QString&)> trace;
    // The short header's track title strip with its top at y, drawn with the call's units, well header,
    // fonts and pens; returns its result. Empty: nothing is drawn and the result is 1.
    std::function<int(platform::Dc&, int y, const TrackTitleStrip&)> trackTitles;
    // The symbol of a legend kind in the cell at (x, y), one row tall, w the text unit. Empty: none.
    std::function<void(platform::Dc&, int kind, int x, int y, int w)> legendSymbol;
};

// Draws the header and returns its height in device pixels, or 0 when the well header cannot be read or
// a logo fails (each said in a message box). `settings` may be null. The client title the track title
// strip prints is set from the header's operator code. The Dc's objects, alignment, colours and
// background mode are put back on every return.
int DrawPrintHeader(platform::Dc& dc, const PrintHeaderInput& in, const wellfile::PRINTCFG* settings,
                    std::string& clientTitle);

// The chromatograph pen legend: the eight gas pens, from y + step down 0.75 step apart, each a sample
// line and its name in its colour, in the Dc's font.
void DrawPpmLabel(platform::Dc& dc, const layout::LogPens& pens, int x, int y, int t, int step);

}  // namespace print
