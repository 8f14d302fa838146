#pragma once
// The standard WITS link's state, in the groups its calls hand out and take back as values: how the
// link is connected, its frames and counts, the depth it tracks and the pumps, the gas settings taken at
// connect, the gas values of the items, the total gas held while the pumps stand, and the MWD and gamma
// values.
#include "app/witslinkstate.h"
#include "gasmon/gasrecord.h"
#include "wits/linkcommon.h"
#include "wits/linkitems.h"

#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace wits {

constexpr int kHoldBufferSize = 500;
constexpr int kComponentCount = 7;     // C1, C2, C3, iC4, nC4, iC5, nC5

// Where the TCP link connects or listens, or the lithology receiver (from the link settings).
struct TcpPeer {
    std::uint16_t port = 0;
    std::array<std::uint8_t, 4> address{};
};

// How the link is connected: the settings the commands take at connect.
struct WitsConnection {
    int comPort = 1;
    int replyTimeoutMs = 2000;
    int timerInterval = 2000;      // ms of timer 4
    bool customTiming = false;     // "witsedit.cfg" was found
    std::int32_t bottomDepthAtConnect = 0;
    std::array<int, 4> windowPositions{};  // data window left, top; gas window left, top
    bool tcpOn = false;
    bool tcpServer = false;
    bool lithologyClient = false;  // a second connection goes to a lithology receiver
    TcpPeer tcpPeer;
    TcpPeer lithPeer;
    QString remoteFile;            // the remote transfer file (".zl8")
};

// The frames of the link: the bytes, the WITS percent and what the frames' ends keep.
struct WitsFrames {
    std::int32_t bytesIn = 0;
    std::int32_t bytesOut = 0;
    LinkPercent percent;           // timer ticks, and those that brought a good frame
    bool firstFrame = true;        // until the end of the first parsed frame
    float lastPublishedC1 = 0;     // C1 when the live gas table was last filled
    float lastC1Seen = 0;
    std::int32_t cycleCount = 0;   // chromatograph cycles: new C1 values
    std::int32_t lastMwdDepthWritten = 0;
    std::int32_t componentTotal = 0;  // the gas window's component sum
};

// The depth the link tracks and the pumps.
struct WitsDepth {
    std::int32_t trackedDepth = 0;  // whole unit reached by the hole as WITS tracking sees it
    std::int32_t depthSet = 0;      // a file depth set by hand, held until the hole reaches it (0: none)
    bool rigCompared = false;       // a hole depth since the link connected was set against the file's bottom
    std::int32_t tenthsDigit = 0;   // first decimal of the last bit depth that reached it
    std::int32_t gammaSlot = 0;     // sub-step of the unit now drilled, 0 to 4
    std::int32_t mwdSlot = 0;
    std::int32_t pumpRateSum = 10;  // pumps on hole, or 10 until a pump rate came
    bool pumpRateSeen = false;
    bool rpmSeen = false;
};

// How the gas items are taken: from the gas monitor settings and the well's at connect (the gas
// monitor's set-up also sets some while the link runs).
struct WitsGasSettings {
    bool ratiosOn = false;             // components are booked as shares of the total gas
    bool chromatographSwitch = false;  // components arrive in ppm
    std::int32_t pasonFeed = 0;        // 1: total gas and components are scaled
    std::array<float, 3> gasScale{1, 1, 1};
    std::array<float, 8> testGas{};    // total gas, C1 to nC5 of the last record at connect
    float profileGasMultiplier = 100;
    bool fileInputMode = false;        // the gas items of the gas monitor are not taken
    // A chromatograph's result files (type 14).
    bool chromatRatioSwitch = false;   // "Use Total Chromat To Calulate Ratios"
    std::int32_t hotWireDelay = 0;     // seconds
    QString chromatographFile;         // the integrator's file
    QString resultFile;                // its drive and folder, then "Strativ_TGA.res"
    float holdLength = 0;              // total gas is held back for half this many items
};

// The gas values of the items and of the step booked at the lag depth.
// A booking not written yet: its record (not in the data file yet, or the write failed) and its line of
// the gas file (the append failed) each go in once they can, with the values measured for its depth.
struct WaitingBooking {
    std::int32_t depth = 0;
    std::array<float, 9> gas{};      // total gas, C1 to nC5, CO2 of the whole step
    std::array<float, 9> halfGas{};  // the same of the first half step
    bool recordDone = false;
    gasmon::GASRECORD line{};
    bool lineDone = false;
};

// The gas a booking took: the next one takes it again when no gas came in between.
struct BookedSample {
    std::array<float, app::kGasValueCount> maxima{};
    float co2 = 0;
    std::array<float, 8> firstHalf{};
    std::array<float, 8> secondHalf{};
};

struct WitsGas {
    bool gasFromMonitor = false;     // this item's gas feeds the gas monitor
    std::array<float, app::kGasValueCount> gasValues{};  // 0 total gas, 1 to 7 C1 to nC5
    std::array<float, app::kGasValueCount> gasShares{};  // 0 is 1, i: component i / component sum
    std::int32_t componentCount = kComponentCount;
    float componentSum = 1;
    std::array<float, 8> firstHalf{};   // filled by the drilling object before a booking
    std::array<float, 8> secondHalf{};
    float halfUnitMark = 0;            // the tenths digit of the lag depth last handed over
    bool newStep = false;              // set by each booking attempt; the drilling object clears it
    // The components the output frame sends (C1 to nC5): the gas monitor's, or the file-input mode's.
    std::array<float, kComponentCount> componentsToSend{};
    std::int32_t item0101 = 1;
    float co2Maximum = 0;              // largest CO2 since the last booking
    bool gasSinceBooking = false;      // a total gas came since the last booking attempt
    std::optional<BookedSample> lastSample;
    gasmon::GASRECORD gasRecord{};
    std::deque<WaitingBooking> waiting;  // oldest first
    bool gasFileFailing = false;         // the gas file's failure was said (once a spell)
    QString gasFileReason;               // the system's reason of the gas file's last failure
    bool recordWriteFailed = false;      // a waiting record's write failed: tried again at the next booking
};

// Total gas held back while the pumps stand, delivered when they run again.
struct WitsHold {
    std::array<float, kHoldBufferSize> holdBuffer{};
    std::int32_t holdCount = 0;
    std::int32_t holdNext = 0;
    bool holding = false;
};

// The MWD and gamma values.
struct WitsMwd {
    std::int32_t mwdDepth = 0;
    GammaReading gamma;
    float mwdValueA = 0;
    float mwdValueB = 0;
    std::array<float, 6> mwdSlotsA{};  // five sub-steps and the fraction
    std::array<float, 6> mwdSlotsB{};
    bool mwdASeen = false;
    bool mwdBSeen = false;
};

}  // namespace wits
