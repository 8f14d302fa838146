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
};

// The services in force for this subsystem.
GasMonitorServices& DefaultGasMonitorServices();

}  // namespace gasmon
