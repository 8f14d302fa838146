#pragma once
// The custom WITS link's state, in the groups its calls hand out and take back as values: the settings
// it was connected with, its polls and counts, the gas values of its items and the depth and gamma it
// tracks.
#include "gasmon/gasrecord.h"
#include "platform/modbus.h"
#include "wits/linkcommon.h"
#include "wits/linkitems.h"

#include <array>
#include <cstdint>
#include <string>

namespace wits {

constexpr int kCustDefaultIntervalMs = 4000;
constexpr int kCustDefaultTimeoutMs = 2500;

// The settings the link was connected with (the link settings record, taken by the commands).
struct CustWitsSettings {
    platform::SerialSettings serial{};
    int comPort = 1;
    int timerInterval = kCustDefaultIntervalMs;  // ms of timer 8
    int replyTimeoutMs = kCustDefaultTimeoutMs;  // "Time Out"
    std::int32_t mode = 0;                       // CustWitsMode
    bool trackDepth = false;                     // "Track Depth"
    bool trackChromat = false;                   // "Track Chromat": the gas window in every mode
    bool gasMonitorFirst = false;                // 0140 is not total gas while a gas monitor runs
    float hwAttenuator = 1.0f;                   // "HW Attenuator"
    float thirdFactor = 1.0f;                    // the record's third factor
};

// The polls: the WITS percent, the bytes and the "Wits Out" test pattern.
struct CustWitsPolls {
    // Polls in the current window of up to 50, and of them those answered with a hole depth (or a total
    // gas in the gas modes).
    LinkPercent percent;
    std::int32_t bytesIn = 0;
    std::int32_t bytesOut = 0;
    // The "Wits Out" test pattern: the index into the pattern and the frames built from it.
    std::int32_t patternIndex = 0;
    std::int32_t patternCalls = 0;
    std::array<float, 8> patternValues{};  // total gas, C1, C2, C3, iC4, nC4, two zeros
};

// The gas items' values and the step booked at the lag depth.
struct CustWitsGas {
    // Total gas, then C1, C2, C3, iC4, nC4, iC5, nC5 as last received.
    std::array<float, 8> gasValues{};
    // The step gas table: the step's total-gas maximum, then C1, C2, C3, iC4, nC4, iC5 and one more;
    // booked at the lag depth and cleared by StoreDepthStep.
    std::array<float, 8> stepGas{};
    // Each component over the component sum; entry 0 is always 1.
    std::array<float, 8> componentRatios{1.0f, 0, 0, 0, 0, 0, 0, 0};
    bool componentUpdate = false;     // a new component set came with the current item
    std::int32_t componentSets = 0;   // component sets received
    std::int32_t item0101 = 1;        // last value of item 0101
    bool stepStored = false;          // set by each booking at the lag depth
    // Total gas, C1, C2, C3, iC4, nC4, iC5 of the data file's last record, taken at connect.
    std::array<float, 7> testGas{};
    gasmon::GASRECORD gasRecord{};    // appended to the well's gas file at each booking
    std::string gasLine;              // the first line last shown in the gas window
};

// The depth the link tracks, the torque and the gamma.
struct CustWitsDepth {
    std::int32_t trackedDepth = 0;  // whole unit reached by the hole as the link tracks it
    std::int32_t depthSet = 0;      // a file depth set by hand, held until the hole reaches it (0: none)
    bool rigCompared = false;       // a hole depth since the link started was set against the file's bottom
    std::int32_t torqueMaximum = 0;
    GammaReading gamma;
};

}  // namespace wits
