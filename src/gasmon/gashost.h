#pragma once
// What the gas monitor engine needs of the main window and of the other subsystems, kept apart from the
// window's state so that the engine runs (and is tested) without one:
// - GasDisplay: the live gas window, as its creator sees it (the window itself is a dialog of the ui
//   library; the engine only writes its lines);
// - ModbusCalls: the communication library's calls, which a test may replace to record a link;
// - GasHost: the window's values and services, made from the window's state (gashost.cpp).
#include "gasmon/chartrecord.h"
#include "gasmon/failurespell.h"
#include "gasmon/gasmoncfg.h"
#include "platform/messagewindows.h"
#include "platform/modbus.h"
#include "wellfile/record.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace app {
struct LogState;
}
namespace drilling {
class Driller;
}
namespace wits {
struct GasSetupValues;
}
namespace wellfile {
struct OpenWell;
}

namespace gasmon {

class GasSetupSession;

// The live gas window: a heading over four text lines.
class GasDisplay {
public:
    virtual ~GasDisplay() = default;
    // Each line given replaces its line; a null one leaves its line as it is. Lines 2, 3 and 4 are
    // written before line 1.
    virtual void SetLines(const QString* line1, const QString* line2, const QString* line3, const QString* line4) = 0;
    virtual void SetCaption(const QString& caption) = 0;
    virtual void SetHeading(const QString& heading) = 0;
    // Places the window's top-left corner on the screen (kept inside it) and shows it.
    virtual void ShowAt(int left, int top) = 0;
    // Where the window's top-left corner is now.
    virtual int Left() const = 0;
    virtual int Top() const = 0;
};

// The calls of the communication library the engine makes; by default the platform's.
struct ModbusCalls {
    std::function<std::uint32_t(int comPort, int timeoutMs, const platform::SerialSettings&)> connectRtu =
        platform::ConnectRTU;
    std::function<std::int32_t(std::uint32_t address, int port, const platform::TcpSettings&)> connectTcp =
        platform::ConnectTCP2;
    std::function<int(std::uint32_t, platform::HWND, unsigned, int)> hook = platform::HookRspNotification;
    std::function<int(std::uint32_t, const platform::ModbusRequest&)> poll = platform::PollMODBUS;
    std::function<int(std::uint32_t, const platform::ModbusRequest&, const platform::CoilValues&)> write =
        platform::WriteMODBUS;
    std::function<int(std::uint32_t, const platform::ModbusRequest&, std::uint16_t*, std::uint16_t)> response =
        platform::MODBUSResponse;
    std::function<void(std::uint32_t)> close = platform::CloseConnection;
};

// What the gas monitor's commands need of the window besides its state: its menu, the gas chart, the
// live window.
struct GasMonitorWindow {
    std::function<void(app::LogState&, int part)> buildMenu;
    std::function<void(app::LogState&)> buildMudlogMenu;
    std::function<void(app::LogState&, int id, bool checked)> checkMenuItem;
    // Appends `text` with command `id` to the pop-up at `position` unless it holds `id` already.
    std::function<void(app::LogState&, int position, int id, const QString& text)> appendMenuItem;
    std::function<bool(app::LogState&)> gasChartOpen;
    std::function<void(app::LogState&)> closeGasChart;  // the gas chart command, which closes an open chart
    std::function<std::unique_ptr<GasDisplay>(app::LogState&, const QString& heading)> makeDisplay;
    // The open real-time chart takes a new sample (none open: nothing).
    std::function<void(app::LogState&, const CHARTRECORD&)> addChartSample;
    // The open real-time chart shows the seconds at which each component's peak ended (none open: nothing).
    std::function<void(app::LogState&, const std::array<std::int32_t, 8>&)> showRetentionTimes;
    // Runs the set-up dialog (40) modally over the command's session (none: the command beeps).
    std::function<void(app::LogState&, GasSetupSession&)> runSetupDialog;
    // Hands the saved settings to the running WITS link through the WITS services.
    std::function<void(app::LogState&, const wits::GasSetupValues&)> handToWitsLink;
};

// What the engine reads of the main window and the work of others it asks for. The window's values are
// read from its state at each call; the services are set from it once and a test may replace one.
class GasHost {
public:
    // `log` outlives the host; `window` is what the window adds to its state (empty parts go without).
    explicit GasHost(app::LogState& log, const GasMonitorWindow& window = {});

    platform::HWND Window() const;          // where the link's answers go (WM_USER+1)
    QString DataFolder() const;             // ends with '/'
    QString WellName() const;
    int Profile() const;                    // logging-company profile
    bool TestGasPercent() const;            // the window's test-gas percent setting
    bool WitsLinkOn() const;
    drilling::Driller* Driller() const;     // while drilling mode is on
    bool Co2Track() const;                  // the log shows a CO2 track
    bool TemperatureSetting() const;        // channel 4 reads the mud temperature
    bool TakeLarger() const;                // "Auto TC ": the larger of total gas and channel 4 is taken
    QString InstallFolder() const;          // ends with '/'
    float* OutsideHoleDepth() const;        // the window's hole depth of the status line ("UDP:")
    wellfile::OpenWell* Well() const;       // the open well: file, depth range, view, records in memory
    std::int32_t* LastBookedDepth() const;  // the window's, shared with the WITS links
    bool Busy() const;                      // a dialog or another operation is busy: nothing is drawn

    // "gasmon.cfg": 1 when read (see gasmon::ReadGasmonCfg), and the write (0 when it failed).
    std::function<int(GASMONCFG&)> readConfig;
    std::function<int(const GASMONCFG&)> writeConfig;
    // The last depth record of the data file; none when there is none.
    std::function<std::optional<wellfile::RECORD>()> readLastRecord;
    // A new live gas window (the engine owns it); none when windows cannot be made.
    std::function<std::unique_ptr<GasDisplay>()> makeDisplay;
    // The menu is built again (after the gain range is known).
    std::function<void()> rebuildMenu;
    // Rewrites the last depth record of the data file in its place; false when it could not be written.
    std::function<bool(const wellfile::RECORD&)> writeLastRecord;
    // The open real-time chart shows the seconds at which each component's peak ended (none open: empty).
    std::function<void(const std::array<std::int32_t, 8>&)> showRetentionTimes;
    // The WITS link's live gas value `index` (1 = C1).
    std::function<void(int index, float value)> setWitsLiveGas;
    // Window timer `id` set to `periodMs`, and killed.
    std::function<void(int id, int periodMs)> setTimer;
    std::function<void(int id)> killTimer;
    // A booked step changed `rows` rows from the one of `depth`: the view draws their gas curves (or
    // chromatograph) and custom tracks again.
    void RowsBooked(std::int32_t depth, int rows) const;
    // Copies the well's file of that extension out (the data file after a booking off bottom).
    std::function<void(const QString& extension)> copyWellFileOut;
    // Writes samples of one day into that day's chart file; false when they could not be written (a
    // failure to make the file is said once per `spell`).
    std::function<bool(const CHARTRECORD* samples, int count, const QDate& day, FailureSpell& spell)> writeChart;
    // The open real-time chart takes a new sample at once (none open: empty).
    std::function<void(const CHARTRECORD& sample)> addChartSample;

private:
    app::LogState& log_;
};

}  // namespace gasmon
