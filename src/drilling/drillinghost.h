#pragma once
// What drilling mode needs of the main window and of the other subsystems, kept apart from the
// window's state so that the drilling objects run (and are tested) without one:
// - StatusCanvas: the status band and the log, as text at a point and filled rectangles;
// - LagHandover, WellFileWork, DrillingStatusBox, StatusNotes: the work of other subsystems and of
//   the screen (the lag depth to the WITS links; copies, packages, backups, memos; the status box; the
//   reminder and the status line), whose defaults, for a host without the window, do nothing;
// - DrillingHost: the window's values (DrillingWindow) and objects, read from the window's state at
//   each call.
#include "platform/winapi.h"
#include "wellfile/lagrecord.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace app {
struct LogState;
}
namespace wellfile {
struct OpenWell;
}
namespace wellfile {
struct CUSTDATAREC;
struct FitFile;
}

namespace drilling {

struct PumpStrokes;

enum class TextAlign { TopLeft, Centre, BottomLeft };
// The status font, the log's text font, and the stroke counter's ("Arial Bold", row height + 6, weight
// 400).
enum class FontRole { Status, Log, Strokes };

constexpr platform::COLORREF kBlack = platform::RGB(0, 0, 0);
constexpr platform::COLORREF kRed = platform::RGB(255, 0, 0);
constexpr platform::COLORREF kGreen = platform::RGB(0, 255, 0);
// The status band's own background: texts redrawn in place are drawn on it, so that the old digits go.
constexpr platform::COLORREF kWhite = platform::RGB(255, 255, 255);

// The logging-company profiles whose status band is laid out compactly (4, 11, 17, 64, 78, 88): the
// lag text and the stroke counter's box sit left of the description column.
bool CompactStatusProfile(int profile);

// A GUI-free drawing surface: the window draws onto its client area, tests record the calls.
class StatusCanvas {
public:
    virtual ~StatusCanvas() = default;
    // `text` with its top-left (its top centre for Centre, its bottom-left for BottomLeft) at (x, y);
    // a transparent background, or the text's cells filled with `background` when one is given.
    virtual void Text(int x, int y, const QString& text, TextAlign align, FontRole font, platform::COLORREF colour,
                      std::optional<platform::COLORREF> background = std::nullopt) = 0;
    // Fills left..right x top..bottom with `colour`, or with the window's background when none.
    virtual void Fill(int left, int top, int right, int bottom, std::optional<platform::COLORREF> colour) = 0;
    // The band's file line ("<well>.svm  From <first> to <bottom>") drawn again with the file's bottom
    // as it is now (default: nothing).
    virtual void FileLineChanged() {}
};

// A canvas that draws nothing.
StatusCanvas& NullCanvas();

// What drilling mode hands to the other subsystems, by what it serves. Each default, for a host without
// the window, does nothing, unless said otherwise.

// The lag depth handed from the driller to the WITS links, which book their gas by it.
class LagHandover {
public:
    virtual ~LagHandover() = default;
    // The lag depth is now `lagDepth`; `digit` is the tenths digit it had before the walk. The WITS link
    // books its halves and, when the lag depth reached `newWholeUnits` (0 or more) new whole depths, a
    // step for each of them (no new-step flag with the companion flag of depth from WITS and a digit
    // above 0); the custom link its steps.
    virtual void WitsLagDepth(float lagDepth, int digit, int newWholeUnits, bool companionDepth);
    virtual void CustomLinkLagDepth(float lagDepth, int digit, std::int32_t bottomDepth);
    // The WITS link's new-data flag is cleared by a step.
    virtual void ClearWitsNewData();
};

// The well's files that a drilling step writes or has written.
class WellFileWork {
public:
    virtual ~WellFileWork() = default;
    virtual void CopyWellFileOut(const QString& extension);
    virtual void BuildUpdatePackage();  // default: nothing
    // Copies the data and custom-data files into "backup/" under dated names; false on failure (the
    // default).
    virtual bool BackupData();
    // The custom LAS file of first .. last with its update copy (default: nothing written).
    virtual void ExportCustomLas(std::int32_t first, std::int32_t last);
    // Adds (or updates) the memo `text` at `depth`, at x pixels in the log.
    virtual void AddMemo(const QString& text, int x, std::int32_t depth);
};

// The "Drilling Status" box on the screen.
class DrillingStatusBox {
public:
    virtual ~DrillingStatusBox() = default;
    // Made anew (an old one deleted first) and shown; deleted (default: nothing); whether one is there
    // (the user may have closed it; default: none).
    virtual void MakeStatusBox();
    virtual void DestroyStatusBox();
    virtual bool StatusBoxExists() const;
    // The box's on/off-bottom and pump texts.
    virtual void ShowStatus(bool offBottom, bool circulating, int polarity);
    // Gives the depth box on the game port back to the main window (default: nothing).
    virtual void GiveFocusBack();
};

// What the screen tells the user besides the band: the backup reminder and the status line.
class StatusNotes {
public:
    virtual ~StatusNotes() = default;
    // The backup reminder button: `text` when given and shorter than 40 characters, else the last full
    // backup `depth`; hidden (and deleted) by HideBackupReminder.
    virtual void ShowBackupReminder(std::int32_t depth, const QString& text = {});
    virtual void HideBackupReminder();
    // The window's status line: what goes wrong while drilling runs by itself; empty clears it. The
    // default writes the text on stderr.
    virtual void SetStatusText(const QString& text);
};

// Who takes drilling mode's work; a part left out goes to its defaults (the canvas to NullCanvas).
struct DrillingPeers {
    StatusCanvas* canvas = nullptr;
    DrillingStatusBox* box = nullptr;
    StatusNotes* notes = nullptr;
    WellFileWork* files = nullptr;
    LagHandover* lag = nullptr;
};

// The main window's values that the drilling objects read, as the host reads them from the window's
// state at each call.
struct DrillingWindow {
    int profile = 0;                 // logging-company profile
    bool startingUp = false;         // until the first data file is open
    bool customDataInUse = false;
    bool witsLinkOn = false;
    bool witsNewData = false;        // the WITS link's new-data flag (cleared by a step)
    bool witsCustomCopy = false;     // the WITS link's option to copy the ".svx" out too
    bool customLinkOn = false;
    bool customLinkDepth = false;    // the custom WITS link runs and tracks the depth ("Track Depth")
    bool copyOut = false;
    std::int32_t copyOutInterval = 0;
    bool customLas = false;
    bool bottomToFirstRecord = false;
    std::int32_t gasInstrumentType = -1;
    float gasConnTimeOutMinutes = 0;  // the gas monitor's "Conn Time Out"; 0 when it does not run
    bool memosShown = false;
    bool busy = false;               // a log image export or an image render runs
    bool printing = false;
    std::int32_t viewScale = 1;
    bool bottomInView = false;       // the bottom line was in view at the last paint
    bool altLayout = false;          // the log's alternate layout option
    platform::COLORREF slideColour = kRed;  // the pen of sliding records
    bool metric = false;             // depths in metres: lengths are turned into feet for the volumes
    bool unmanned = false;           // the drilling set-up's unmanned option
    float witsHoleDepth = 0;         // the hole depth received last over WITS (or the UDP gas interface)
    bool lagDepthFromWits = false;   // the WITS link supplies the lag depth
    platform::COLORREF logTextColour = kBlack;
    std::optional<platform::COLORREF> customBackground;  // the log's own background, when chosen

    // Layout measures, pixels.
    int unitWidth = 10;      // w
    int rowHeight = 10;      // h
    int topMargin = 0;
    int logWidth = 0;
    int logBottomY = 0;
    int firstColumnX = 0;    // left edge of the log's first column
    int secondColumnX = 0;   // left edge of the second
    int firstTrackUnits = 0; // the first track's width in units
    int gasLeftX = 0;        // the gas track's left and right edges
    int gasRightX = 0;
    int gasSplitX = 0;       // the column after the gas track's first part (its left edge with one part)
    int descriptionX = 0;    // the description column's left edge
    int charWidth = 8;       // the window's character width
};

// What the drilling objects work on: the window's values and objects, read from its state at each call,
// and the drawing surface and the other subsystems' work it was given. Made only from the window's state
// (drillingstate.cpp).
class DrillingHost {
public:
    // `log` outlives the host, and so do the peers given.
    explicit DrillingHost(app::LogState& log, DrillingPeers peers = {});

    DrillingWindow Window() const;             // the window's values now
    wellfile::OpenWell& Well() const;          // the open well: names, depth range, view top
    wellfile::FitFile& Fit() const;              // for a custom-data file made on the way
    std::vector<wellfile::CUSTDATAREC>& CustomRows() const;  // the window's custom rows by depth - first
    StatusCanvas& Canvas() const;
    DrillingStatusBox& Box() const;
    StatusNotes& Notes() const;
    WellFileWork& Files() const;
    LagHandover& Handover() const;
    // The new row of a step (`added`) changed: the view draws two rows from it again, their rate track and
    // depth column, and their custom tracks on even depths while a link brings their values.
    void NewRowDrawn(const wellfile::RECORD& added) const;
    // The depth the lag depth was last corrected to (the window's, kept across drilling starts).
    std::int32_t& KeptCorrectLagDepth() const;
    // The pump threads' stroke counts (the window's engines'; none: no threads count).
    PumpStrokes* Pumps() const;
    // The log area is erased and painted again.
    void Invalidate() const;

private:
    app::LogState& log_;
    DrillingPeers peers_;
};

}  // namespace drilling
