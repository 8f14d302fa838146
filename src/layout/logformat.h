#pragma once
// The screen log's format: where every fixed column of the depth log stands, the grid size, the title
// text and the fonts, chosen by the logging-company profile of the open file. SetLogFormat recomputes
// all of it from the profile, the track flags and the screen settings on every call and draws nothing;
// the view and the painters read the LogLayout it fills. The main window owns one LogLayout.
//
// Fonts are kept as the 60-byte logical-font records the painters make fonts from (layout/draw turns
// them into fonts through the platform's face substitution), so this stays free of the GUI.
#include "layout/trackflags.h"
#include "platform/gdi.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace layout {

// One column of blocks: its width is count x cell; count 0 or cell 0 takes no room.
struct Column {
    std::int32_t left = 0;
    std::int32_t count = 0;  // blocks
    std::int32_t cell = 0;   // pixels per block
    std::int32_t Width() const { return count * cell; }
    std::int32_t Right() const { return left + Width(); }
};

// The three column arrangements; the profile picks one.
enum class FormatFamily { General, Feet, Wide };  // Feet: profiles 21 and 86

// The rate track as the curve plotter reads it.
struct RateTrack {
    float scaleMax = 0;
    std::int32_t left = 0;
    std::int32_t right = 0;
    float unit = 0;
    std::int32_t blocks = 0;
    std::int32_t mode = 0;
    std::uint8_t enabled = 0;
};

// The "Lines and Scales" screen settings as the user set them: the whole desktop.
struct ScreenSettings {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t monitors = 1;
};

// Rows of 10 px in the title band above the log, out of drilling and without custom tracks.
constexpr std::int32_t kOfficeTitleRows = 16;

struct LogLayout {
    // Grid.
    std::int32_t pixelsPerStep = 10;  // height of one depth row
    std::int32_t trackUnit = 10;      // width of one grid block; every column is whole blocks
    std::int32_t logAreaTop = 160;    // title and header area above the first row
    std::int32_t firstRowY = 160;
    std::int32_t visibleRows = 55;
    std::int32_t doubleUnit = 20;     // 2 x trackUnit
    std::int32_t logBodyTop = 0;      // 10 rows below logAreaTop
    // The screen one monitor shows: the desktop width divided among its monitors.
    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    std::int32_t monitorCount = 1;

    // Columns, left to right.
    FormatFamily family = FormatFamily::General;
    Column leftColumn;   // from the print margin (0 on screen) to the rate track
    Column rate;
    Column textColumn;   // ten half blocks, wide formats only
    Column outline;
    Column show1;        // first show column
    Column lithology;
    Column interpreted;  // interpreted lithology, with track flag 38
    Column show2;
    Column show3;
    Column gas;          // the gas track, or the total-gas part of two
    Column gas2;         // the chromatograph part of two gas tracks
    Column description;
    Column custom;       // the custom tracks: count 1, cell = their total width
    Column rightMargin;  // one block

    std::int32_t logRight = 0;          // right end of the log
    std::int32_t descriptionRight = 0;
    std::int32_t gasSplitX = 0;         // between the two gas tracks; the gas left x with one
    std::int32_t gasRight = 0;          // right end of the gas track(s)
    std::int32_t lithologyLeft = 0;     // copy read by the pattern painter
    std::int32_t surveyX = 0;           // where survey values are written
    std::int32_t flareMarkWidth = 0;    // whole part of 0.9 x the gas cell
    std::int32_t surveyCellWidth = 0;   // whole part of 1.5 x trackUnit
    std::int32_t gasScaleBlocks = 20;   // read by the gas painter
    std::int32_t topsBlocks = 20;       // read by the tops painter
    platform::RECT logArea;
    RateTrack rateTrack;

    // Fonts (logical-font records). The label font is made by the 21/86 format only and otherwise
    // kept as it was.
    platform::LOGFONTA titleFont{};
    platform::LOGFONTA subtitleFont{};
    platform::LOGFONTA companyFont{};
    platform::LOGFONTA logFont{};  // the log text; its record is what the note editor copies
    std::optional<platform::LOGFONTA> labelFont;
    QString textFace;              // face of the text columns

    // Options the format sets.
    QString title;                     // the profile's log title, also the LAS service company
    std::int32_t gasSourceType = -1;   // set by the format only while unset (-1)
    bool hotWire = false;
    bool alternateFormat = false;      // the "Alternate Format" setting; the 21/86 format turns it off
    bool altSurveyOrder = false;
    bool feetStyle = false;            // on after a 21/86 format only; read by the note edit (capitals only in a
                                       // first-column note), the print fonts and the painters
    bool feetStyleSecond = false;
    std::int32_t imageHeaderRows = 62;
    bool twoGasTracks = false;
    // Four per-format switches of the gas entry, print-font and well-file code: 0, 0, 1, 1 after a reset.
    std::array<std::int32_t, 4> formatSwitches{0, 0, 1, 1};
    std::int32_t viewDepthSpan = 40;
};

// What the format reads of the rest of the window.
struct LayoutInputs {
    TrackFlags trackFlags = DefaultTrackFlags();
    ScreenSettings screen;
    std::int32_t clientBottom = 0;      // bottom of the window's client area
    bool drilling = false;
    bool customTracksOn = false;
    std::int32_t customWidth = 0;       // the custom tracks' total width in pixels
    bool descriptionOff = false;
    bool altSurveyPosition = false;     // "Use Alternate Survey Position"
    bool plotInterpretedLith = false;   // "Plot Interpreted Lith"
    bool imageView = false;             // the image view (command 9)
    bool renderBusy = false;            // the log-image export draws with its own grid
    bool imageFont = false;             // the log-image export's fonts: H 26, W 17
    bool suppressScrollBar = false;
};

// Calls out; each may be left empty.
struct LayoutCalls {
    std::function<void()> setPens;               // the pen table, reset = false
    std::function<void()> createDepthScrollBar;
    std::function<void(const QString&)> trace;   // activity-log trace lines, when tracing is on
};

// The grid: row height and block width 10, the header height for drilling and custom tracks, the
// screen divided among its monitors. Does nothing while the log-image export is drawing.
void SetBlockHeight(LogLayout& layout, const LayoutInputs& in);
// The title, subtitle, company, log-text and (21/86) label fonts.
void SetScreenFonts(LogLayout& layout, int profile, const LayoutInputs& in);
// The whole format. `rowHeight`, when not 0, replaces the row height.
void SetLogFormat(LogLayout& layout, int profile, std::int32_t rowHeight, const LayoutInputs& in,
                  const LayoutCalls& calls = {});

// Rows of the log that fit a client area of `clientHeight` below a title area of `logAreaTop`, eight
// rows left for the scale bars under the log: the one count of the window's size and of the format, so
// that a new format keeps the body of the window as it stands.
std::int32_t VisibleRows(int clientHeight, int logAreaTop, int rowHeight);

FormatFamily FamilyOf(int profile);
// The log title of a profile.
QString ProfileTitle(int profile);

}  // namespace layout
