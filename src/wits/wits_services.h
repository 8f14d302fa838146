#pragma once
// The WITS link and the custom WITS link. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include <cstdint>

namespace app {
struct LogState;
}

namespace wits {

class WitsServices {
public:
    virtual ~WitsServices() = default;
    // Command 51777: WITS link on or off.
    virtual void CmWits(app::LogState& log) = 0;
    // Command 51945: WITS link set-up.
    virtual void CmWitsSetup(app::LogState& log) = 0;
    // Command 51939: custom WITS link on or off.
    virtual void CmCustomWits(app::LogState& log) = 0;
    // Command 51940: custom WITS link set-up.
    virtual void CmCustomWitsSetup(app::LogState& log) = 0;
    // Command 51938: the WITS alarm limits.
    virtual void CmWitsAlarms(app::LogState& log) = 0;
    // Command 51921: the WITS chart.
    virtual void CmWitsChart(app::LogState& log) = 0;
    // WM_USER+3: WITS data waiting.
    virtual void EvWitsData(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // WM_USER+4: custom WITS data waiting.
    virtual void EvCustWitsData(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam) = 0;
};

// The services in force for this subsystem.
WitsServices& DefaultWitsServices();

}  // namespace wits
