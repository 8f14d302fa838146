#pragma once
// How the log is shown: one role group of the main window's state (app/logstate.h).
#include "logview/depthcolumnoptions.h"
#include "logview/logimagegeometry.h"
#include "logview/rateplot.h"
#include "platform/gdi.h"
#include "wellfile/record.h"
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace logview { class ViewBitmaps; class NeighbourPainters; }

namespace app {

// Rows of the log that changed outside a paint (a step drilled or booked): `rows` rows from the one of
// `firstDepth`, the parts to draw again (logview::RowPart, or-ed) and the custom tracks' repaint mode.
struct ChangedRows {
    std::int32_t firstDepth = 0;
    int rows = 1;
    unsigned parts = 0;
    int customMode = 0;
};

// How the log is shown. The view top and span are the open well's (wellfile::OpenWell); the row height,
// grid unit and log top are the layout's (LogLayoutState::format). The painters read these through
// logview::GeometryOf, never from here.
struct ViewState {
    // Log bottom y: visible rows x row height + top margin, written when the depth scroll bar is made;
    // the row loop of a paint stops there and DepthAtRow reads it.
    std::int32_t logAreaBottom = 0;
    std::int32_t viewScale = 1;       // scale index: 0-2 one record per row; 3 and up five records per row
    std::int32_t viewScaleCopy = 1;
    std::int32_t rateInMetresPerHour = 0;
    // The fixed rate scale (logview::FixedRateScale): the index comes from the well's settings.
    bool fixedRateScale = false;
    std::array<std::int32_t, 4> fixedRateTable{6, 4, 5, 2};
    std::int32_t fixedRateIndex = 0;
    // What the rate curve keeps between draws: the last rate x (drilling joins each new step to it) and
    // the last offset-well curve drawn outside a drag (the mouse handlers read it).
    logview::RateCurveMemory rateCurve;
    int menuResource = 1;  // 1 office menu, 3 drilling menu
    bool redrawPending = true;
    bool windowReady = true;
    bool logImageMode = false;  // the image view (command 9, the quick bar's zoom)
    bool surveyShown = false;   // survey values are shown on the log
    bool horizontalLithInOrder = false;  // the open horizontal view draws lithology in the order entered
    bool topsShown = true;      // the formation tops are drawn on the screen log
    bool picturesPresent = false;
    bool picturesShown = false;
    bool holdRepaint = false;  // set while starting: the window is not painted yet
    bool repaintLater = false; // the log is painted whole later: a booked step only invalidates the window
    logview::DepthColumnSwitches depthColumn;  // how the depth column writes depths and surveys
    bool liveView = false;     // the live view is on: the paint shows its live bar
    // While set, a click pages down only from five rows below the log instead of two; cleared when
    // drilling starts or a scheme is chosen.
    bool viewLayout = false;

    // The row loop of the last paint.
    std::int32_t originX = 0, originY = 0;  // the log origin: rows start at originY + top margin
    std::int32_t currentRowY = 0;           // y of the row being drawn
    std::int32_t rowCounter = 0;            // rows drawn so far in this pass
    std::int32_t lastRowY = 0;              // the current row y when the row loop ended
    std::int32_t lineEndX = 0;              // right end of the log's bottom closing line
    bool painting = false;                  // a direct paint runs
    bool firstPaint = true;                 // cleared by the first paint
    bool elogImport = false;                // an e-log file is being imported: no off-screen render
    bool elogShown = false;                 // a shown e-log curve is loaded: chooses the gas-track strip
    // The records read by the last paint, for the mouse handlers: 2 x visible rows + 20 records, made by
    // the first paint while drilling mode is off, kept for the life of the window and grown by a paint
    // after the window has grown; readers stay within its size.
    std::vector<wellfile::RECORD> recordCache;

    // The title band as last drawn (the header page's frame while an image is rendered).
    platform::RECT titleRect;

    // The log image beside the log (the image itself is ViewBitmaps::logImage).
    bool imageBuild = false;          // the log image is being built
    float imagePixelsPerUnit = 0;     // the log image's pixels per depth unit
    std::int32_t imageY = 0;          // the view top's y in the log image
    logview::LogImageStrip imageStrip;  // where the image is shown
    std::int32_t scrollBarWidth = 16;   // the depth scroll bar's width, set when the bar is made
    bool markFont = false;              // the compressed show, DST and report marks use the mark font

    // The view's images and the painters of the other subsystems it draws with, owned by the window
    // (null in a state without one).
    logview::ViewBitmaps* bitmaps = nullptr;
    logview::NeighbourPainters* painters = nullptr;
    // The log changed: the window paints it again (one paint for any number of calls, none while
    // repainting is held); set by the window.
    std::function<void()> invalidate;
    void Invalidate() const
    {
        if (invalidate)
            invalidate();
    }
    // Set: the next paint starts from a cleared window, the background all over, so that nothing an
    // earlier layout, well or dialog drew there stays. The window clears it when it paints.
    bool eraseOwed = false;
    // The log changed where the paint alone would not reach everything drawn before: invalidate with erase.
    void InvalidateErased()
    {
        eraseOwed = true;
        Invalidate();
    }
    // Rows changed outside a paint: the one notice the engines give and the view listens to (the
    // window sets the listener); without one nothing is drawn.
    std::function<void(const ChangedRows&)> rowsChanged;
    void RowsChanged(const ChangedRows& rows) const
    {
        if (rowsChanged)
            rowsChanged(rows);
    }
    // Shows the rectangle [left, right) x [top, bottom) of the backing store on the window (after a
    // drawing outside a paint); set by the window.
    std::function<void(int left, int top, int right, int bottom)> updateArea;
    // What the last paint could not do ("NO Data File", "Memory Allocation Error"): the window shows it
    // once the paint is over, never during it, and clears it.
    QString paintFailure;
    bool paintFailureUncaptioned = false;  // shown without the "ERROR" caption
    // The compressed body found no data file: the window runs the Open command once the paint is over.
    bool openPending = false;
    std::int32_t bottomDepth = 0;  // depth of the record the last paint's row loop stopped at
};

}  // namespace app
