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
    void DeleteEngine(app::LogState& log);

    GasMonitorWindow window_;
    std::unique_ptr<GasHost> host_;
    std::unique_ptr<AutoGas> engine_;
};

}  // namespace gasmon
