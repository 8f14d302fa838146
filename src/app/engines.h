#pragma once
// The engines and worker threads of the open well: one role group of the main window's state (app/logstate.h).
#include "drilling/pumpthreads.h"
#include "wellfile/activitylog.h"

#include <QString>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>

// Engines owned by their subsystems while they run; the main window only keeps the pointer.
namespace drilling { class Driller; }
namespace gasmon { class AutoGas; }
namespace wits { class Wits; class CUSTWITS; class WitsAlarms; class AlarmPopup; }
namespace elog { class Curves; }

namespace app {

class RunningDriller;

// The engines and worker threads of the open well.
struct Engines {
    drilling::Driller* driller = nullptr;  // while drilling mode is on
    // The same driller as the window's handlers ask it (app/runningdriller.h); set by drilling mode
    // with `driller`.
    RunningDriller* runningDriller = nullptr;
    // The driller's current rate and drilling-time count for the activity log; set by drilling mode
    // with `driller` (the log writes zeros for them while it is not).
    std::function<wellfile::DrillingFigures()> drillerFigures;
    // The drilling keys (Ctrl+F a manual step, Ctrl+D on or off bottom, Ctrl+C circulating) as the
    // entry boxes hand them on while drilling; set by drilling mode with `driller`.
    std::function<void(int key)> drillingKeys;
    gasmon::AutoGas* autoGas = nullptr;
    wits::Wits* wits = nullptr;
    wits::CUSTWITS* custWits = nullptr;
    // The e-log curve set, while one is loaded. Shared, not unique: the e-log code that makes it gives it
    // its deleter, so the state is destroyed without the type.
    std::shared_ptr<elog::Curves> elogCurves;

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

}  // namespace app
