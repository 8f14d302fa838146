#pragma once
// The gas monitor. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include <cstdint>

namespace app {
struct LogState;
}

namespace gasmon {

class GasMonitorServices {
public:
    virtual ~GasMonitorServices() = default;
    // Command 51779: gas monitor on or off.
    virtual void CmGasMonitor(app::LogState& log) = 0;
    // Command 51800: the gas monitor set-up.
    virtual void CmGasMonitorSetup(app::LogState& log) = 0;
    // WM_USER+1: the gas instrument answered.
    virtual void EvGasResponse(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    // What drilling mode asks of the gas monitor (the defaults until the engine is built):
    // whether the monitor runs (its engine exists);
    virtual bool MonitorRunning(const app::LogState& log);
    // timer 1: the poll of the instrument;
    virtual void Poll(app::LogState& log);
    // the depth box's chromatograph trigger: the coming cycle is a calibration cycle when one was
    // requested (the request is then cleared), else a normal one, and a new cycle starts;
    virtual void StartCycle(app::LogState& log);
    // drilling stops: the monitor is disconnected and deleted (the caller has killed timer 1).
    virtual void StopMonitor(app::LogState& log);
    // The display scheme changed: the running monitor makes its live window again (nothing otherwise).
    virtual void RefreshGasDisplay(app::LogState& log);
};

// The services in force for this subsystem.
GasMonitorServices& DefaultGasMonitorServices();

}  // namespace gasmon
