#pragma once
// The WITS link and the custom WITS link. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include <QString>

#include <cstdint>
#include <optional>

namespace app {
struct LogState;
}

namespace wits {

// What the gas monitor's set-up hands a running link when it is saved: only the values given.
struct GasSetupValues {
    std::optional<float> hotWireAttenuator;  // instrument types 10 and 11
    std::optional<int> hotWireDelay;         // type 14, seconds
    std::optional<float> surfaceLagTime;     // types 10 and 6, seconds
    std::optional<QString> integratorFile;   // type 3
};

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

    // What drilling mode asks of the links (the defaults until the links are built): whether each runs
    // (its engine exists), the WITS link's timer-4 work, the custom link's timer-8 output, and each
    // link disconnected and deleted when drilling stops.
    virtual bool LinkRunning(const app::LogState& log);
    virtual bool CustomLinkRunning(const app::LogState& log);
    virtual void LinkTimer(app::LogState& log);
    virtual void CustomLinkOutput(app::LogState& log);
    virtual void StopLink(app::LogState& log);
    virtual void StopCustomLink(app::LogState& log);
    // The running link takes the gas monitor's saved settings (nothing while it is off).
    virtual void TakeGasSetup(app::LogState& log, const GasSetupValues& values);
    // The file's depth was set by hand (Options > Correct File Depth): the running links take `depth`
    // as the whole unit the hole has reached, and keep it while the hole is shallower, so the next step
    // is the first unit past it that the hole reaches.
    virtual void TrackFrom(app::LogState& log, std::int32_t depth);
    // The depth source turned to WITS: the next hole depth is set against the file's bottom as after a
    // (re)connect, so a rig that drilled on meanwhile takes the file to its depth.
    virtual void CompareRigAgain(app::LogState& log);
};

// The services in force for this subsystem.
WitsServices& DefaultWitsServices();

}  // namespace wits
