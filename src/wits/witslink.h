#pragma once
// What the WITS engine needs of the main window and of the other subsystems, kept apart from the
// window's state so that the engine runs (and is tested) without one:
// - WitsLinkState: the main window's WITS values, which the window keeps across links (LogState::witsLink);
// - WitsHost: the groups the engine works on, handed to it and brought up to date by `refresh` before
//   each engine call, and the work of others it asks for.
#include <array>
#include <cstdint>
#include <functional>

namespace wellfile {
struct OpenWell;
}
namespace drilling {
class Driller;
struct PumpStrokes;
}
namespace gasmon {
class AutoGas;
}

namespace wits {

constexpr int kGasValueCount = 52;

// The main window's WITS values.
struct WitsLinkState {
    float holeDepth = 0;              // the hole depth of the latest sample
    bool depthTracking = false;       // the hole depth steps the depth (once the first WITS depth came)
    bool halfUnitInterface = false;   // the depth interface counts half units
    bool halfStepMarked = false;      // a half step of the unit now drilled is marked
    bool pumpRatesFromWits = false;   // the pump-stroke threads run at the WITS pump rates
    bool lagFromWits = false;         // the lag depth comes from item 0139
    bool mwdDisplay = false;          // the data window shows the MWD lines
    bool gasOverWits = false;         // gas arrives over the WITS link
    bool rawTotalGas = false;         // profile 134: total gas is taken as sent
    // Element 0 the largest total gas since the last booking (-1 before the first WITS value), element 1
    // the last C1 above 1.
    std::array<float, kGasValueCount> gasMaxima{};
    float co2Maximum = 0;             // largest CO2 since the last booking
    // Depth units behind the bit of the gamma and the MWD sensors; 0 or less: none.
    float gammaSensorOffset = 0;
    float mwdSensorOffset = 0;
};

struct WitsHost {
    std::function<void(WitsHost&)> refresh;

    wellfile::OpenWell* well = nullptr;      // the open well (always set)
    WitsLinkState* link = nullptr;           // always set
    drilling::Driller* driller = nullptr;    // while drilling mode is on
    gasmon::AutoGas* gas = nullptr;          // while the gas monitor runs
    drilling::PumpStrokes* pumps = nullptr;  // the pump-stroke intervals and counts; none: no threads
    int profile = 0;                         // logging-company profile
    int gasMonitorType = -1;                 // the gas instrument type; 10 and 11 bring gas over WITS
    bool unmannedUnit = false;               // the drilling set-up's "Unmanned  Unit"
    bool strokesCounted = false;             // the drilling object counts pump strokes

    // Corrects the data file's bottom depth to `depth` without asking: non-zero when done.
    std::function<int(std::int32_t depth)> correctFileDepth;
    // The depth and the lag parts of the drilling status line.
    std::function<void()> showDepthStatus;
    std::function<void(std::int32_t lagDepth)> showLagStatus;
};

}  // namespace wits
