#pragma once
// The small role groups of the main window's state (app/logstate.h): menu bar, keys, exit, scrolling and the
// options that the well's settings record does not keep.
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace app {

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

}  // namespace app
