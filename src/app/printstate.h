#pragma once
// What the main window keeps for printing: the printer object (made on first use and kept), the print
// geometry and flags the printer check sets, and the fonts and pens of a print run. Fonts are kept as
// logical-font records and pens as pen descriptions, as the screen layout keeps its own; the painters
// make them into fonts and pens on the device. The print code (src/print) names these types in print::
// too (print/printstate.h).
#include "layout/pentable.h"
#include "platform/gdi.h"
#include "platform/printer.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QString>

namespace platform {
class Dc;
}

namespace wellfile {
struct PRINTCFG;
}

namespace app {

// The per-page margin tables the log painter steps through, and whether the page is of the fixed class
// (3072 or 6144 pixels on either side), which forces the full header on.
struct MarginTables {
    std::array<int, 5> yOffsets{0, 12, 24, 6, 18};
    std::array<int, 5> extraRows{1, 1, 2, 1, 1};
    std::array<int, 5> recordsBack{0, 1, 2, 3, 4};
    bool pageClass = false;
};
// The four font slots of a print run.
enum PrintFontSlot : int { FONT_TITLE = 0, FONT_BODY = 1, FONT_SMALL = 2, FONT_HEADER = 3, kPrintFontSlots = 4 };

constexpr int kPrintPenSlots = 22;

// Options of the logging-company profile that the print fonts read. The log format decides them per
// profile; all are off until it does.
struct ProfilePrintOptions {
    bool alternateHeader = false;  // the printed header makes its own header font
    bool copperplateText = false;  // the log body is written in Copperplate
    bool condensed = false;        // narrow text is squeezed further
};

// What the print set-up reads of the open horizontal-well view.
struct HorizontalViewFacts {
    bool open = false;
    std::int32_t startDepth = 0;
    bool fullHeader = false;  // the view's header flag
    int scaleKind = 1;        // the view's print scale code (1, 2 or 5), which names its PDF
};

struct PrintState {
    std::unique_ptr<platform::Printer> printer;
    bool printingLog = false;  // a printout of the log is being drawn: the timers' file work waits

    // Print geometry in printer pixels: the height of one 0.1-inch row and the width unit.
    std::int32_t rowHeight = 0;
    std::int32_t columnUnit = 0;

    // Set by the printer check.
    bool colourPrinter = false;
    bool printInColour = false;  // cleared for a monochrome printer
    bool tractorFeed = false;
    bool pdfPrinter = false;
    bool v305LexPrinter = false;
    bool pageClass = false;      // the page is 3072 or 6144 pixels
    bool faxPrinter = false;

    // Read by the print fonts.
    bool largePrint = false;
    bool twoAndHalfInch = false;
    bool narrowFormat = false;
    ProfilePrintOptions profileOptions;

    // On paper every fifth row moves up by 4 device units. Off: a step in device units prints another
    // scale on each resolution, and a log is read against others at its scale, one row height a record.
    bool rowStep = false;
    bool topsPrinted = true;  // the formation tops are printed

    std::array<std::optional<platform::LOGFONTA>, kPrintFontSlots> fonts;
    std::array<std::optional<layout::PenSpec>, kPrintPenSlots> pens;

    // The window's print settings, which the print set-up takes and gives back.
    std::int32_t scaleKind = 1;      // 1 "1 to 500", 2 two-foot, 3 ten-foot; every well opens at 1
    bool dataAsText = false;         // "Data As Text": the data table instead of the log
    bool dstPages = false;           // "Print DST's at end of log"
    bool printDescriptions = false;  // "Print descriptions on 1 in. log"
    bool compression = false;        // custom tracks are squeezed onto narrower paper
    bool banding = false;            // header-only pages are banded (accepted, pages are drawn whole)

    // What kind of run the next print is. The header dialog and the tops list set their flag before
    // they call the print command; the horizontal run waits for the horizontal-well view.
    bool headerOnly = false;
    bool topsPage = false;
    bool horizontalPrint = false;
    // While drilling, the header's end depth and date are stamped and the header copied to "sendfile/"
    // before it is edited or printed (the header dialog's box sets it).
    bool updateHeader = false;
    // The open horizontal view's start depth and header flag; unset while that view gives none.
    std::function<HorizontalViewFacts()> horizontalView;
    // The open horizontal view's page: the next slice of its image onto the printer; the pages left
    // including this one, 0 after the last. Unset while no view is open.
    std::function<int(platform::Dc&, wellfile::PRINTCFG&, float rowHeight, int page)> horizontalPage;
    // Options of the horizontal pages that nothing sets yet: half the across scale, one page less.
    bool horizontalHalfScale = false;
    bool horizontalPageLess = false;

    // The run in hand, one at a time (printingLog is set only around the print job itself).
    std::int32_t printBottomDepth = 0;  // the depth the run prints to: the file's last, or deeper
    QString pdfName;                    // the file a PDF printer writes
    // Shared by the pages of a run: the margin tables page-class pages step through, the depth of the
    // last record printed, the header page still to come, and the paper over the layout's width.
    MarginTables margins;
    int marginIndex = 0;
    std::int32_t lastPrintedDepth = 0;
    bool headerPage = false;
    float scaleFactor = 1.0f;
    int layoutWidth = 0;
    // Three per-column tables of the printed log, reset by each print.
    std::array<std::array<std::uint8_t, 40>, 3> columnTables{};
    // The client title the track title strip prints, set by the printed header from the well header.
    std::string clientTitle;
};

}  // namespace app
