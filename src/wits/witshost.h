#pragma once
// What the WITS engines need of the main window and of the other subsystems, kept apart from the
// window's state so that the engines run (and are tested) without one: WitsHost, the window's values the
// engines work on, read from the state at each call, and the work of others they ask for. (The hosts are
// made from the window's state by their constructors, witshost.cpp.)
#include "app/witslinkstate.h"
#include "wellfile/witsrecord.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace app {
struct LogState;
struct WellServices;
}  // namespace app
namespace wellfile {
struct OpenWell;
struct RECORD;
}  // namespace wellfile
namespace drilling {
class Driller;
struct PumpStrokes;
}  // namespace drilling
namespace gasmon {
class AutoGas;
}

namespace wits {

// Where a booked row is drawn and whether it may be drawn now.
struct BookedRowView {
    int viewScale = 0;             // the log's scale index
    int rowHeight = 10;
    int topMargin = 0;
    int logBottom = 0;             // the log area's bottom y
    bool repaintLater = false;     // the window is repainted whole later: a booking only invalidates it
    bool drawingHeld = false;      // a paint, image or print runs: a booking only invalidates the window
};

// What the WITS engines work on: the window's values, read from its state at each call, and the services
// they ask for, set from it once. Made only from the window's state (witshost.cpp); a test may then
// replace a service.
class WitsHost {
public:
    // `log` and `services` outlive the host.
    WitsHost(app::LogState& log, const app::WellServices& services);

    wellfile::OpenWell& Well() const;        // the open well
    app::WitsLinkState& Link() const;             // the window's WITS values
    drilling::Driller* Driller() const;      // while drilling mode is on
    gasmon::AutoGas* Gas() const;            // while the gas monitor runs
    drilling::PumpStrokes* Pumps() const;    // the pump-stroke intervals and counts; none: no threads
    int Profile() const;                     // logging-company profile
    int GasMonitorType() const;              // the gas instrument type; 10 and 11 bring gas over WITS
    bool UnmannedUnit() const;               // the drilling set-up's "Unmanned  Unit"
    bool StrokesCounted() const;             // the drilling object counts pump strokes
    bool BottomSwitchKept() const;           // the drilling set-up keeps the WITS depths from setting on/off bottom
    bool RemoteCopy() const;                 // the WITS blocks go on to a monitoring station
    bool SendGas() const;                    // the well's "send gas via WITS": the output frame carries gas
    // The custom link runs in its WITS-gas mode: the output frame sends its total gas.
    bool CustomLinkGas() const;

    // ---- The booking of a step's gas at the lag depth ----
    std::int32_t* LastBookedDepth() const;   // the window's, shared with the gas monitor
    bool KeepRecordsInMemory() const;        // the records held in memory are not to be brought up to date
    BookedRowView RowView() const;
    bool CustomTracksDrawn() const;          // a plain log shows custom tracks with data on a file over 20 units
    // While an entry dialog is open: the records it types into (none otherwise), and whether it is the
    // gas entry.
    std::vector<wellfile::RECORD>* EntryRecords() const;
    bool GasEntryOpen() const;

    // Corrects the data file's bottom depth to `depth` without asking: non-zero when done.
    std::function<int(std::int32_t depth)> correctFileDepth;
    // The depth and the lag parts of the drilling status line.
    std::function<void()> showDepthStatus;
    std::function<void(std::int32_t lagDepth)> showLagStatus;
    // Writes a block of closed samples into today's daily WITS file.
    std::function<void(const wellfile::WITSRECORD* samples, int count)> writeBlock;
    // Carries the remote transfer file `path` to the monitoring station on the WITS copy thread.
    std::function<void(const QString& path)> startRemoteCopy;
    // Waits until the copy of the previous remote transfer file has ended.
    std::function<void()> remoteCopyEnded;
    // Switches the pumps on (marked on in the lag settings, stroke counter and threads made).
    std::function<void()> pumpsOn;
    // The link part of the status band is drawn again (the server's client count changed).
    std::function<void()> drawLinkStatus;
    // The row of a booked step's `depth` changed (`parts`: logview::RowPart): the view draws it again,
    // with the row after it, whose curves join to it, and the custom tracks in their WITS-step mode.
    void RowBooked(std::int32_t depth, unsigned parts) const;
    // The whole window is painted again.
    std::function<void()> invalidate;

protected:
    app::LogState& log_;
};

// The row of a booked step's `depth` (its lag depth `lagDepth`), when the log shows one record a row and
// the row lies in the log area: drawn at once with `parts` (logview::RowPart), or left to the whole
// repaint the window owes.
void DrawBookedRow(const WitsHost& host, float lagDepth, std::int32_t depth, unsigned parts);


}  // namespace wits
