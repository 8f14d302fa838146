#pragma once
// The state of the main window, grouped by role. LogWindow owns one LogState; the engines and the
// routines of the other subsystems receive the group they work on. The larger groups have a header of
// their own (app/wellstate.h, app/environment.h, ...), so work that takes a group includes only that
// header. Nothing here needs a window, so tests build it on its own.
#include "app/engines.h"
#include "app/entrystate.h"
#include "app/environment.h"
#include "app/interactionstate.h"
#include "app/layoutstate.h"
#include "app/memodrawstate.h"
#include "app/painterstate.h"
#include "app/picturetable.h"
#include "app/printstate.h"
#include "app/shortreportstate.h"
#include "app/viewstate.h"
#include "app/wellstate.h"
#include "app/windowgroups.h"
#include "app/witslinkstate.h"
#include "wellfile/memorecords.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class WindowTimers;
}

namespace app {

class NoteEditHost;

// The drags that match the log against another depth reference: the offset well's rate curve, the
// e-log curves and the horizontal drag line of a formation top. The mouse handler sets the start values
// when a drag begins; the last line row and the last first index live on from one drag to the next.
struct DepthMatchState {
    std::int32_t dragStartRow = 0;
    std::int32_t shiftAtDragStart = 0;
    bool nothingDrawn = true;          // no offset curve on the screen yet: the next step erases nothing
    std::int32_t lastFirstIndex = 0;   // the offset first index last drawn
    std::int32_t shownShift = 0;       // the offset shift of the curve on the screen (the drag start's until one is drawn)
    std::int32_t dragOriginRow = 0;    // where a drag line starts before the first one was ever drawn
    std::optional<std::int32_t> lastLineRow;  // the row of the last drag line drawn
    float elogKbElevation = 0;         // the EKB of the loaded curve set, kept by the curve loader
    bool secondTitleRow = false;       // the title has a second row: the e-log text stands lower
};

// The memos of the well and the note being placed or edited over the log.
struct NoteState {
    std::vector<wellfile::SVMEMO> memos;  // `memoCount` memos, then zeroed spares
    std::int32_t memoCount = 0;
    std::int32_t currentMemo = -1;     // the memo being edited, -1 when none
    std::int32_t editMode = 0;         // 1 while an existing memo is edited or moved
    bool firstColumnNote = false;      // the note takes the first memo column (a description)
    bool tvdMemoMark = false;          // set while the TVD dialog saves a survey
    // The style memos (flag bytes 656 and 657 of the file) as the loader found them.
    std::optional<wellfile::SVMEMO> styleMemo;
    std::optional<wellfile::SVMEMO> styleDescription;
    // The horizontal view's templates of new notes and new description notes (flag bytes 556 and 557).
    std::optional<wellfile::HTEXTEX> styleNote;
    std::optional<wellfile::HTEXTEX> styleDescriptionNote;
    // Set by the load when a description is also drawn on the compressed scales.
    bool oneInchDescriptions = false;
    // The text of the memo being edited as it was, line breaks included; empty when none.
    std::string noteBuffer;
    platform::RECT editRect;           // where the edit lies
    platform::RECT frameRect;          // the frame last drawn by a note drag
    platform::POINT frameAnchor;       // top-left corner of the frame being dragged
    bool frameStarting = false;        // until the first drag step
    platform::RECT gasFrameRect;       // the drag-gas rubber band last drawn
    bool gasFrameStarting = true;      // set at start and whenever the drag-gas function ends
    platform::LOGFONTA defaultFont{};  // the font of new memos
    NoteEditHost* edit = nullptr;      // the window's note edit; null in a state without a window
    // True while the horizontal view is open (depth notes cannot be written then); set by the window.
    std::function<bool()> horizontalViewOpen;
    // What the memo drawing keeps: the boxes of the last screen drawing and the memos a printed page cut off.
    MemoDrawState drawing;
    bool allCapsDescriptions = false;  // descriptions are drawn in capitals
    bool pageReserve = false;          // the larger reserve at a printed page's bottom
};

// Tables filled once at set-up.
struct SetupTables {
    std::array<std::array<char, 6>, 38> rockAbbreviations{};  // by rock type
    std::array<float, 20> witsOutTestGas{};  // total gas cycled through by the custom WITS output test
    int witsOutTestGasLast = 19;             // highest index; the index returns to 0 above it
    int witsOutTestGasIndex = 0;
};


struct LogState {
    Environment env;
    WellState well;
    ViewState view;
    InteractionState interaction;
    DepthMatchState depthMatch;
    NoteState notes;
    ShortReportState shortReports;  // the well's short reports and their boxes on the log
    PictureTable pictures;  // the well's pictures and those of the view's depths
    EntryState entry;  // manual data entry by depth
    SetupTables tables;
    LogLayoutState layout;
    CustomTracks customTracks;
    Engines engines;
    QDateTime now;
    platform::WindowTimers* timers = nullptr;  // the window's numbered timers, owned by the window
    PainterState trackPainters;  // what the track painters keep between calls, for the whole run
    std::uint32_t window = 0;  // the window's handle for the messages of the communication library

    // Menu bar, keys, exit and scrolling.
    OptionSettings options;
    EngineStatus engineStatus;
    WitsLinkState witsLink;  // the WITS values the window keeps across links
    WellLists lists;
    ScrollState scroll;
    SessionFiles sessionFiles;
    VersionNumbers version;
    WitsCopyOptions witsCopy;
    PrintState print;  // the printer, the print geometry, fonts and pens
    SetupOptions setupOptions;
    WitsChartLink witsChart;
    DrillingShell drilling;
    CommandMarks marks;
};

// The defaults of set-up, before any file is read.
void ApplySetupDefaults(LogState& state);

}  // namespace app
