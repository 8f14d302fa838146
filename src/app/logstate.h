#pragma once
// The state of the main window, grouped by role. LogWindow owns one LogState; the engines and the
// routines of the other subsystems receive the group they work on. Nothing here needs a window, so
// tests build it on its own.
#include "drilling/pumpthreads.h"
#include "elog/pictures.h"
#include "entry/entrystate.h"
#include "entry/memodrawing.h"
#include "entry/memorecords.h"
#include "entry/topsex.h"
#include "exchange/backupstate.h"
#include "exchange/changewatch.h"
#include "exchange/remotemonitor.h"
#include "layout/custchartcfg.h"
#include "layout/logformat.h"
#include "layout/pentable.h"
#include "layout/printlayout.h"
#include "layout/schemes.h"
#include "logview/depthcolumnoptions.h"
#include "logview/logimagegeometry.h"
#include "logview/mousestate.h"
#include "logview/rateplot.h"
#include "platform/instancelock.h"
#include "print/printstate.h"
#include "reports/shortreports.h"
#include "tracks/painterstate.h"
#include "wellfile/activitylog.h"
#include "wellfile/openwell.h"
#include "wellfile/repair.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellconfig.h"
#include "wellfile/wellheader.h"
#include "wits/witslink.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace platform {
class WindowTimers;
}
// Engines owned by their subsystems while they run; the main window only keeps the pointer.
namespace drilling { class Driller; }
namespace gasmon { class AutoGas; }
namespace wits { class Wits; class CUSTWITS; class WitsAlarms; class AlarmPopup; }
namespace elog { class Curves; }
namespace logview { class ViewBitmaps; class NeighbourPainters; }

namespace app {

class NoteEditHost;

// Where the program runs: folders, user, station and the activity-log switches. The data folder
// itself is the open well's (wellfile::OpenWell::dataFolder).
struct Environment {
    QString installFolder;    // ends with '/'
    QString documentsFolder;  // the user's documents folder + "StrativM/"
    QString chartFolder;      // data folder + "chart/"
    QString witsFolder;       // data folder + "wits/"
    QString commandLineFile;  // the file named on the command line, empty once used
    QString userName;
    QString versionText = QStringLiteral("Strativ Ver 26.5.31");
    QString logLine;                     // the activity-log line being formatted
    std::array<QString, 5> recentFiles;  // the recent-file list

    std::int32_t screenWidth = 0;    // the primary screen
    std::int32_t screenHeight = 0;
    std::int32_t charWidth = 8;      // the average character width of the main window's font
    std::int32_t monitorCount = 0;
    std::int32_t desktopWidth = 0;   // the whole desktop: every screen's width added up

    bool serverStation = false;       // the install folder holds "QKRT_Server.cfg"
    bool useDocumentsFolder = false;  // the data folder is the documents folder
    std::int32_t firstInstance = 1;   // 1 when this is the only running copy: only it may log
    bool ntPlatform = true;
    bool logOpenLines = false;        // "Opened by" lines go to the activity log
    bool verboseActivityLog = false;
    bool commandLineStart = false;    // the first file of this start came from the command line
    bool remoteMonitorOn = false;
    QString remoteReceiveFolder;      // the folder the remote monitor polls; the data folder when none is set

    // The shared-folder ("Dropbox") paths of this station; made only when a "Dropbox" folder exists.
    QString sharedFolder;
    QString sharedChartFolder;

    // Held by the first running copy for its whole life (see firstInstance).
    std::unique_ptr<platform::InstanceLock> instanceLock;
};

// Fill value of the report index tables until the first file is opened: each int32 holds the bytes
// "0000", a depth no file reaches.
constexpr std::int32_t kUnfilledDepthIndex = 0x30303030;

// The offset (comparison) well whose rate curve is drawn beside the log. Its depth range stays with
// the data-file state (wellfile::OpenWell::offsetTopDepth, offsetBottomDepth), which bounds its reads.
struct OffsetWell {
    QString file;                    // full path of its data file; empty when none
    std::int32_t shift = 0;          // depth shift set by the depth-match drag
    float kbElevation = 0;
    std::int32_t viewTop = 0;        // view top + shift when the records were loaded
    std::int32_t firstIndex = 0;     // index of the record drawn at the top of the log by a drag
    std::vector<wellfile::RECORD> records;  // its records, zero beyond those read
};

// The open well: the data-file state of wellfile, and what the window derives from it.
struct WellState {
    wellfile::OpenWell file;
    QString captionText;
    QString lastModifiedText;
    QString updateText;  // the refresh's "<12-hour time>,  m/d/yyyy  " in the well's time zone
    std::uint16_t loggerId = 0;  // the logging-company profile
    std::uint16_t secondProfile = 0;  // a second profile number; 11 gives the header its engineer
    QString uniqueWellId;        // shown by the header dialog
    bool scratchWell = false;    // the well name begins with "~"
    bool sharedFolderWell = false;
    bool writeBottomToFirstRecord = false;
    bool tvdFile = false;        // the open file is a true-vertical-depth log: it is never drilled
    std::int32_t lastBookedDepth = 0;  // the depth the gas monitor or a WITS link booked last; 0 for a new file

    std::array<std::int32_t, 100> showDepthIndex{};
    std::array<std::int32_t, 50> dstDepthIndex{};
    std::array<std::int32_t, 300> reportDepthIndex{};
    std::array<std::int32_t, 300> downtimeDepthIndex{};

    bool fileOpened = false;        // a data file has been opened in this process
    bool fieldSettings = false;     // the well's ".cfg" lives in the data folder (its ".dbc" says)
    bool topsInFieldFolder = false; // the well's ".top" lives in the data folder (its ".dbc" says)
    bool horizontalFieldSettings = false;  // a shared well's horizontal set-up lives in the data folder
    bool customTracksEnabled = false;
    std::int32_t timeZoneAdjust = -1;  // hours; from the ".dbc" of a shared-folder well
    wellfile::WellConfig config{};     // the well's settings record as the open read or made it
    wellfile::WellHeader header{};
    float kbElevation = 0;             // from the header's KB text
    std::string wellTitle;             // the title row's well title (Windows-1252), filled by LoadWellTitle
    std::string wellCompany;           // the header's company (Windows-1252), filled by LoadWellTitle
    bool companyFlag = false;          // the company text names the flagged customer
    QString elogFileName;              // the curve file of the selected scheme; empty when none
    std::int32_t elogDepthOffset = 0;
    OffsetWell offset;
    std::vector<entry::TOPSEX> tops;
    bool topsChanged = false;               // the tops were edited since the well was opened
    wellfile::OfficeCopyRecord officeCopy;  // read for a well that came as a package
    wellfile::RepairSummary repair;         // what the last repair pass gathered
    layout::FitFile fit;                    // the ".fit": currentFolder + wellName + ".fit", its range and options
    exchange::WellWatches watches;          // the well's files as another station may rewrite them
    exchange::ReceiveState receive;         // the remote monitor's packages seen and its refresh counter
    exchange::BackupState backup;           // the backup options and the last backups made
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

// A log rectangle as the mouse code keeps it.
struct RowRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// A double-click on a log column asks the matching entry command to start at the clicked depth; the
// command reads the request and clears it.
struct MouseEntryRequest {
    bool set = false;              // the mouse-entry flag
    std::int32_t rateDepth = 0;
    std::int32_t gasDepth = 0;     // also where the gas entry goes on next time, which its dialog keeps
    std::int32_t lithologyDepth = 0;
    bool interpreted = false;      // the interpreted-lithology column was clicked
};

// What the user is doing over the log right now.
struct InteractionState {
    bool dragGasActive = false;
    std::int32_t dragGasColumn = 0;
    std::int32_t dragGasOffset = 0;  // steps, -50..50
    RowRect dragGasRect;
    std::int32_t dragGasLength = 0;
    std::int32_t dragGasStartRow = 0;
    std::int32_t dataEntryActive = 0;  // data entry by depth is under way: view commands beep
    // While a data-entry command runs, the records being typed in (110): the paint draws these instead of
    // reading the file (from element 5 on the compressed scales) and leaves them alone.
    std::vector<wellfile::RECORD> dataEntryRecords;
    MouseEntryRequest mouseEntry;
    bool commandLock = false;          // a view function is under way: the same commands beep
    bool dialogOpen = false;           // the lag calculator runs
    bool fixedOutlinePosition = false; // interval outlines always take the narrow position
    logview::MouseState mouse;         // the drags of the mouse over the log

    // Hit areas of the log rows and columns.
    std::array<std::array<RowRect, 200>, 5> rowRects{};
    std::array<RowRect, 38> columnRects{};
};

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
    std::vector<entry::SVMEMO> memos;  // `memoCount` memos, then zeroed spares
    std::int32_t memoCount = 0;
    std::int32_t currentMemo = -1;     // the memo being edited, -1 when none
    std::int32_t editMode = 0;         // 1 while an existing memo is edited or moved
    bool firstColumnNote = false;      // the note takes the first memo column (a description)
    bool tvdMemoMark = false;          // set while the TVD dialog saves a survey
    // The style memos (flag bytes 656 and 657 of the file) as the loader found them.
    std::optional<entry::SVMEMO> styleMemo;
    std::optional<entry::SVMEMO> styleDescription;
    // The horizontal view's templates of new notes and new description notes (flag bytes 556 and 557).
    std::optional<entry::HTEXTEX> styleNote;
    std::optional<entry::HTEXTEX> styleDescriptionNote;
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
    entry::MemoDrawState drawing;
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

// The log's layout: where its columns stand, its pens and the display schemes that decide which tracks
// it shows. The format is rebuilt by LogWindow::SetLogFormat whenever anything that moves a column
// changes.
struct LogLayoutState {
    layout::LogLayout format;  // grid, column edges, fonts; the single source of row height and grid unit
    layout::LogPens pens;      // the pen table (".clr") and the pens made from it
    layout::SchemeState schemes;
    // The flare-track option: 0 draws the flares in the gas track, else in a flare track of their own.
    std::uint16_t flareTrack = 0;
    // The window's side of applying a scheme: its callbacks are set once by the window, its copies of
    // folders and options are refreshed before each use.
    layout::SchemeHost schemeHost;
    // The printed log: the print options and the page set-up's print unit it is laid out with, and the
    // last print layout (its print-scale factor carries over to the next one).
    layout::PrintOptions printOptions;
    std::int32_t printUnit = 0;
    layout::PrintLayout print;
};

// The custom tracks of the open well.
struct CustomTracks {
    // The window's custom-track values (count, total width, title rectangles) and its callbacks; the
    // copies of geometry and folders are refreshed before each use.
    layout::CustomTrackHost host;
    std::unique_ptr<layout::CUSTOMDATA> data;  // while custom tracks are enabled
    std::unique_ptr<layout::CUSTOMDATA> printData;  // the print copy, made again by every print layout
    std::uint8_t useCustomScheme = 0;  // "Use Custom Scheme" of the custom-track setup
    // The custom-data rows by depth - first depth, kept up to date by the depth step while drilling; made
    // by the first paint that shows custom tracks, (last - first + 510) of them. `sizeMark` is the file's
    // last depth when they were sized; drilling grows them once the well is 100 units deeper.
    std::vector<layout::CUSTDATAREC> rows;
    std::int32_t sizeMark = 0;
};

// The engines and worker threads of the open well.
struct Engines {
    drilling::Driller* driller = nullptr;  // while drilling mode is on
    // The driller's current rate and drilling-time count for the activity log; set by drilling mode
    // with `driller` (the log writes zeros for them while it is not).
    std::function<wellfile::DrillingFigures()> drillerFigures;
    // The drilling keys (Ctrl+F a manual step, Ctrl+D on or off bottom, Ctrl+C circulating) as the
    // entry boxes hand them on while drilling; set by drilling mode with `driller`.
    std::function<void(int key)> drillingKeys;
    gasmon::AutoGas* autoGas = nullptr;
    wits::Wits* wits = nullptr;
    wits::CUSTWITS* custWits = nullptr;
    std::unique_ptr<elog::Curves> elogCurves;  // the e-log curve set, while one is loaded

    // What the WITS alarm tables ask of the window and the engines (wits::MakeWitsAlarmHost): the
    // pop-up maker (the window's, parent of the pop-up), the reload of the WITS engine's own table (set
    // by the engine while it runs) and the depth box's recapture (set by drilling mode).
    std::function<wits::AlarmPopup*(wits::WitsAlarms& table, int channel, const QString& text)> makeWitsAlarmPopup;
    std::function<void()> reloadWitsAlarms;
    std::function<void()> recaptureDepthBox;

    // Worker threads are asked to stop and joined, never killed: a copy or a socket is never cut off
    // mid-write.
    std::jthread threadA;  // file copy
    std::jthread threadB;  // WITS server
    std::jthread witsCopyThread;  // the WITS block's copy to the monitoring station
    // Run on the WITS copy thread with its source just before it copies (none in the program; a test
    // holds a copy back with it).
    std::function<void(const QString& source)> witsCopyStarts;
    std::array<std::jthread, 3> pumpThreads;
    // The pump intervals and stroke counts the pump threads share with the WITS links and the drilling
    // tick; the threads hold it too.
    std::shared_ptr<drilling::PumpStrokes> pumpStrokes = std::make_shared<drilling::PumpStrokes>();
    // Set by the copy thread of that kind once its copy succeeded; cleared when the next one starts.
    std::shared_ptr<std::atomic<bool>> fileCopyDone = std::make_shared<std::atomic<bool>>(false);
    std::shared_ptr<std::atomic<bool>> witsCopyDone = std::make_shared<std::atomic<bool>>(false);
    // Set while the file copy thread copies (a new package must not be built under it).
    std::shared_ptr<std::atomic<bool>> fileCopyRunning = std::make_shared<std::atomic<bool>>(false);
    void StopWorkers();

    Engines();
    ~Engines();
};

// ---- Menu bar, keys, exit and scrolling ----------------------------------------------------------

// The switches of the options commands that the menu bar checks, grays or removes.
struct OptionSettings {
    bool lithLegend = false;           // the lithology legend is shown
    bool hotwire = false;
    bool offsetRop = false;            // the offset-ROP curve is shown
    bool gasPercent = false;           // gas as percent of total
    bool gasRatioPlotAllowed = true;   // the gas display allows a ratio plot
    bool customTracksView = false;     // the quick view bar shows the custom tracks
    bool schemeLinkedCustomTracks = false;  // the quick bar's custom tracks switch schemes 1 and 2
    bool realTimeChart = false;        // the user's real-time gas chart setting
    bool gasTakeLarger = false;        // the gas monitor's channel 4 takes over the total gas only when larger
    // What the horizontal-well view takes from the window: its vertical gas scales are used only with
    // the first, its lithology pictures only with the second; a viewer station hides its SETUP button.
    bool horizontalVerticalGas = false;
    bool horizontalLithPictures = false;
    bool horizontalEditing = false;  // the set-up offers "Edit Vertical Scaling"; sections scale the plot
    bool horizontalHardness = false;     // the hardness strip under the show rows
    bool horizontalThirdCurve = false;   // the e-log's sonic as the lower band's third curve
    bool horizontalScaleNote = false;    // the header's red horizontal-scale note
    bool horizontalThickTarget = false;  // the target path in strokes of its pen's width
    bool viewerStation = false;
    bool verboseTops = false;  // the tops editor keeps each top's "Verbose Text" mark
};

// The engines as the menu shows them; their subsystems keep these up to date.
struct EngineStatus {
    bool gasMonitorRunning = false;
    bool witsRunning = false;
    std::int32_t gasInstrumentType = -1;  // -1 none
};

// What the menu offers of the well besides its tops (WellState::tops).
struct WellLists {
    bool topsLoaded = false;
    bool hasTvdData = false;
    // The current scheme is LogLayoutState::schemes.currentScheme.
    // Fills the names of the well's six schemes; false when the schemes cannot be loaded. Set by the
    // schemes code.
    std::function<bool(std::array<QString, 6>& names)> loadSchemeNames;
};

// What the scrolling and sizing handlers keep between messages.
struct ScrollState {
    // The log's right end and the visible rows are the layout's (LogLayout::logRight, visibleRows).
    std::int32_t readoutColumn = 0;    // column edge where the thumb read-out is placed
    std::int32_t horizontalOffset = 0; // column of the rendered log at the window's left edge
    std::int32_t windowHeight = 0;     // client height at the last size change
    std::int32_t lastClientWidth = 0;  // client width at the last size change that widened the window
    bool notAtBottom = false;          // more below: the view does not reach the file's last depth
    bool horizontalBar = false;        // the horizontal scroll bar is shown (the window is narrower than the log)
    bool renderingImage = false;       // busy: a log image export runs; paint and the idle render wait
    bool imageRender = false;          // the image export is drawing the log into an image
    bool imageDpi300 = false;          // "Scale to 300 dpi for printing": the next image export draws 30-pixel rows
};

// Copies of the daily WITS file for a monitoring station, made at each write of the file.
struct WitsCopyOptions {
    bool remoteCopy = false;             // copy the daily WITS file on after each write
    bool alternateRemoteFolder = false;  // into `remoteFolder` rather than data folder + "remote/"
    QString remoteFolder;
};

// Options of the "Lines and Scales" dialog that the well's settings record does not keep.
struct SetupOptions {
    bool storeAllWits = false;     // every WITS reading is stored
    bool sendAllPictures = false;
    bool sendChartFile = false;
};

// What the main window keeps for the WITS history chart.
struct WitsChartLink {
    // Set at start-up while this station shows the wells of other stations: the chart then hides its
    // file and print controls and leaves some messages out.
    std::array<bool, 3> viewingStation{};
    bool settingsKept = false; // set when a data file opens and when the chart's settings dialog is done
    // Emptied, and set, each time the chart is closed for another well.
    std::array<QString, 4> titles;
    std::array<bool, 2> firstDraw{true, true};
};

// Files this process made that exit removes; nothing else is deleted at exit.
struct SessionFiles {
    std::vector<QString> compressedCopies;  // ".sv8" copies made by the exchange code
    // PDFs of the log written into the data folder for the hand-over ("StrativM.pdf" and the second
    // PDF), listed by their writer: while drilling only these are removed when no hand-over asks for them.
    std::vector<QString> handOverPdfs;
};

// What the main window keeps of drilling mode besides the driller: it outlives the driller, so a stop
// and a new start of drilling mode find it as it was.
struct DrillingShell {
    bool holdButtons = false;    // while set, the depth box's button messages are ignored
    // The depth box's kind: polled (two button-1 pulses per unit, button 5 the on/off-bottom switch) or,
    // when clear, the whole-unit kind (one pulse per unit, button 4 the switch). The drilling command
    // sets it; set-up and a change of log format clear it.
    bool polledKind = false;
    bool halfStepToggle = false;  // polled kind: between the first and the second pulse of a unit
    std::uint32_t joystickButtons = 0;  // the buttons word last read from the game port
    bool layoutReset = false;     // the log format is to be applied again when drilling starts
    std::int32_t correctLagDepth = 0;  // the depth the lag depth was last corrected to

    // Taken from the well's settings when drilling starts and written back when it stops.
    std::int32_t lastFullBackupDepth = 0;
    std::int32_t backupStartDepth = 0;   // the bottom depth when drilling started
    std::int32_t optionWord = 0;
    std::uint16_t counter4690 = 0;
    std::int32_t updatePackageOption = 0;
    // The status band's WITS link line is left out while set.
    bool linkTextSuppressed = false;
    // A remote update runs (set by the remote update): with the update-package option on, the status
    // band says so.
    bool remoteUpdateRunning = false;
    // The timed copies out of the data file (and of the custom data) every 30th tick of timer 3.
    bool timedCopy = false;
    bool timedCustomCopy = false;

    // The PDF hand-over: set by the code that writes the PDF, which also names the target.
    bool pdfHandOver = false;
    QString pdfTarget;            // where data folder + "StrativM.pdf" is moved
    bool secondPdfHandOver = false;
    QString secondPdfName;        // without ".pdf": data folder + name goes to install folder + "sendfile/"
};

// The three numbers of the version text.
struct VersionNumbers {
    int major = 0;
    int minor = 0;
    int build = 0;
};

// What the help, information and view commands mark while their work runs.
struct CommandMarks {
    std::int32_t tvdBuild = 0;  // 1 while a TVD dialog reads or rebuilds the records
    bool tvdViewed = false;     // a TVD log file has been handed to the shell
    bool archiving = false;     // the send-file routine runs on behalf of Archive
};

struct LogState {
    Environment env;
    WellState well;
    ViewState view;
    InteractionState interaction;
    DepthMatchState depthMatch;
    NoteState notes;
    reports::ShortReportState shortReports;  // the well's short reports and their boxes on the log
    elog::PictureTable pictures;  // the well's pictures and those of the view's depths
    entry::EntryState entry;  // manual data entry by depth
    SetupTables tables;
    LogLayoutState layout;
    CustomTracks customTracks;
    Engines engines;
    QDateTime now;
    platform::WindowTimers* timers = nullptr;  // the window's numbered timers, owned by the window
    tracks::PainterState trackPainters;  // what the track painters keep between calls, for the whole run
    std::uint32_t window = 0;  // the window's handle for the messages of the communication library

    // Menu bar, keys, exit and scrolling.
    OptionSettings options;
    EngineStatus engineStatus;
    wits::WitsLinkState witsLink;  // the WITS values the window keeps across links
    WellLists lists;
    ScrollState scroll;
    SessionFiles sessionFiles;
    VersionNumbers version;
    WitsCopyOptions witsCopy;
    print::PrintState print;  // the printer, the print geometry, fonts and pens
    SetupOptions setupOptions;
    WitsChartLink witsChart;
    DrillingShell drilling;
    CommandMarks marks;
};

// The defaults of set-up, before any file is read.
void ApplySetupDefaults(LogState& state);

}  // namespace app
