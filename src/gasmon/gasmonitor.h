#pragma once
// The gas monitor services of a main window: the "Gas Monitor" command (51779) that makes and starts
// the engine or stops and deletes it, the engine's answers (WM_USER+1), the poll of timer 1 and what
// drilling mode asks. The engine's state for the menu is kept in LogState::engineStatus.
#include "gasmon/autogas.h"
#include "gasmon/gasmon_services.h"
#include "gasmon/gasmonsetup_session.h"

#include <QString>

#include <functional>
#include <memory>

namespace gasmon {

// What the command needs of the window besides its state: its menu, the gas chart, the live window.
struct GasMonitorWindow {
    std::function<void(app::LogState&, int part)> buildMenu;
    std::function<void(app::LogState&)> buildMudlogMenu;
    std::function<void(app::LogState&, int id, bool checked)> checkMenuItem;
    // Appends `text` with command `id` to the pop-up at `position` unless it holds `id` already.
    std::function<void(app::LogState&, int position, int id, const QString& text)> appendMenuItem;
    std::function<bool(app::LogState&)> gasChartOpen;
    std::function<void(app::LogState&)> closeGasChart;  // the gas chart command, which closes an open chart
    std::function<std::unique_ptr<GasDisplay>(app::LogState&, const QString& heading)> makeDisplay;
    // Draws the gas and custom tracks of `rows` rows from the one of `depth` again (a booked step).
    std::function<void(app::LogState&, std::int32_t depth, int rows)> repaintGasRows;
    // The open real-time chart takes a new sample (none open: nothing).
    std::function<void(app::LogState&, const CHARTRECORD&)> addChartSample;
    // The open real-time chart shows the seconds at which each component's peak ended (none open: nothing).
    std::function<void(app::LogState&, const std::array<std::int32_t, 8>&)> showRetentionTimes;
    // Runs the set-up dialog (40) modally over the command's session (none: the command beeps).
    std::function<void(app::LogState&, GasSetupSession&)> runSetupDialog;
    // Hands the saved settings to the running WITS link through the WITS services.
    std::function<void(app::LogState&, const wits::GasSetupValues&)> handToWitsLink;
};

class GasMonitorCommands final : public GasMonitorServices {
public:
    explicit GasMonitorCommands(GasMonitorWindow window);
    ~GasMonitorCommands() override;

    void CmGasMonitor(app::LogState& log) override;
    void CmGasMonitorSetup(app::LogState& log) override;
    void EvGasResponse(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam) override;
    void Poll(app::LogState& log) override;
    void StartCycle(app::LogState& log) override;
    void StopMonitor(app::LogState& log) override;

    // Makes the engine's live window again (after a change of display scheme), when the engine runs.
    void RefreshGasDisplay(app::LogState& log) override;

    AutoGas* engine() const { return engine_.get(); }
    // Called with each engine made, before it starts (tests replace its link calls here).
    std::function<void(AutoGas&)> engineMade;

private:
    void FillHost(app::LogState& log);
    void DeleteEngine(app::LogState& log);

    GasMonitorWindow window_;
    GasHost host_;
    std::unique_ptr<AutoGas> engine_;
};

}  // namespace gasmon
