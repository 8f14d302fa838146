#pragma once
// The main window's WITS values, which the window keeps across links (LogState::witsLink): the WITS
// links work on them through their host (wits/witshost.h).
#include <array>
#include <cstdint>

namespace app {

// The gas values of a WITS table: total gas, then the components and the values after them.
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
    std::uint16_t bookingCounter = 0; // grows by 2 with each step of gas booked into the depth records
    // Depth units behind the bit of the gamma and the MWD sensors; 0 or less: none.
    float gammaSensorOffset = 0;
    float mwdSensorOffset = 0;

    // ---- The link itself ----
    bool drivesDrillingStatus = false;  // the WITS depths set on and off bottom and circulating
    bool gasFromWits = false;           // the link brings the gas values
    bool windowsOpen = false;           // the data window (and the gas window) are shown
    bool tcpOption = true;              // the TCP WITS option: the link settings may put the link on TCP
    bool trafficLog = false;            // every text received and sent goes to the traffic log
    bool fitMode = false;               // the component sum leaves out iC5 and nC5
    bool holdHoleDepth = false;         // the hole depth does not follow a deeper bit
    bool pumpsOnSwitch = false;         // the pumps are switched on at each frame while no strokes are counted
    std::int32_t curveSetting = 0;      // taken from the well's settings at connect
    float resistivityLag = 0;           // taken from the well's settings at connect
    // The second live table (the first is gasMaxima).
    std::array<float, kGasValueCount> liveValues2{};

    // ---- Shared by both links ----
    // The last bit and hole depths either link received (items 0108 and 0110): the custom link's
    // "Wits Out" passes on the standard link's depths.
    float lastBitDepth = 0;
    float lastHoleDepth = 0;
    // The custom link's total gas in its WITS-gas mode while a gas monitor runs; the standard link's
    // output frame sends it.
    float customLinkTotalGas = 0;
};

}  // namespace app
