#pragma once
// The state of the main window, grouped by role. LogWindow owns one LogState; the engines and the
// routines of the other subsystems receive the group they work on. Nothing here needs a window, so
// tests build it on its own.
#include "wellfile/openwell.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <thread>

namespace platform {
class WindowTimers;
}
// Engines owned by their subsystems while they run; the main window only keeps the pointer.
namespace drilling { class Driller; }
namespace gasmon { class AutoGas; }
namespace wits { class Wits; class CUSTWITS; }
namespace elog { class Curves; }
namespace layout { class CUSTOMDATA; }

namespace app {

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

    std::int32_t screenWidth = 0;
    std::int32_t screenHeight = 0;
    std::int32_t monitorCount = 0;

    bool serverStation = false;       // the install folder holds "QKRT_Server.cfg"
    bool useDocumentsFolder = false;  // the data folder is the documents folder
    std::int32_t firstInstance = 1;   // 1 when this is the only running copy: only it may log
    bool ntPlatform = true;
    bool logOpenLines = false;        // "Opened by" lines go to the activity log
    bool verboseActivityLog = false;
};

// Fill value of the report index tables until the first file is opened: each int32 holds the bytes
// "0000", a depth no file reaches.
constexpr std::int32_t kUnfilledDepthIndex = 0x30303030;

// The open well: the data-file state of wellfile, and what the window derives from it.
struct WellState {
    wellfile::OpenWell file;
    QString fitFileName;  // currentFolder + wellName + ".fit"
    QString captionText;
    QString lastModifiedText;
    std::uint16_t loggerId = 0;  // the logging-company profile
    bool scratchWell = false;    // the well name begins with "~"
    bool sharedFolderWell = false;
    bool writeBottomToFirstRecord = false;

    std::array<std::int32_t, 100> showDepthIndex{};
    std::array<std::int32_t, 50> dstDepthIndex{};
    std::array<std::int32_t, 300> reportDepthIndex{};
    std::array<std::int32_t, 300> downtimeDepthIndex{};
};

// How the log is shown. The view top and span are the open well's (wellfile::OpenWell).
struct ViewState {
    std::int32_t pixelsPerStep = 10;  // screen rows per depth step
    std::int32_t trackUnit = 0;       // horizontal base unit of the layout
    std::int32_t logAreaTop = 160;    // 16 rows of pixelsPerStep
    std::int32_t logAreaBottom = 0;
    std::int32_t viewScale = 1;       // 1: one record per pixelsPerStep rows; 3: five units per row
    std::int32_t viewScaleCopy = 1;
    std::int32_t rateInMetresPerHour = 0;
    int menuResource = 1;  // 1 office menu, 3 drilling menu
    bool redrawPending = true;
    bool windowReady = true;
    bool logImageMode = false;
};

// A log rectangle as the mouse code keeps it.
struct RowRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
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
    bool commandLock = false;          // a view function is under way: the same commands beep

    // Hit areas of the log rows and columns.
    std::array<std::array<RowRect, 200>, 5> rowRects{};
    std::array<RowRect, 38> columnRects{};
};

// Tables filled once at set-up.
struct SetupTables {
    std::array<std::array<char, 6>, 38> rockAbbreviations{};  // by rock type
    std::array<float, 20> witsOutTestGas{};  // total gas cycled through by the custom WITS output test
    int witsOutTestGasLast = 19;             // highest index; the index returns to 0 above it
    int witsOutTestGasIndex = 0;
};

// The engines and worker threads of the open well.
struct Engines {
    drilling::Driller* driller = nullptr;  // while drilling mode is on
    gasmon::AutoGas* autoGas = nullptr;
    wits::Wits* wits = nullptr;
    wits::CUSTWITS* custWits = nullptr;
    elog::Curves* elogCurves = nullptr;
    std::unique_ptr<layout::CUSTOMDATA> customData;  // while custom tracks are enabled

    // Worker threads are asked to stop and joined, never killed: a copy or a socket is never cut off
    // mid-write.
    std::jthread threadA;  // file copy
    std::jthread threadB;  // WITS server
    std::array<std::jthread, 3> pumpThreads;
    void StopWorkers();

    Engines();
    ~Engines();
};

struct LogState {
    Environment env;
    WellState well;
    ViewState view;
    InteractionState interaction;
    SetupTables tables;
    Engines engines;
    QDateTime now;
    platform::WindowTimers* timers = nullptr;  // the window's numbered timers, owned by the window
};

// The defaults of set-up, before any file is read.
void ApplySetupDefaults(LogState& state);

}  // namespace app
