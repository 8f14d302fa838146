#pragma once
// The gas monitor engine's state, in the groups its calls hand out and take back as values: the
// settings it works with, the chromatograph cycle, the set-up dialog's requests, the coils of the
// interface box, the readings of the answers and the booking and chart state.
#include "gasmon/channels.h"
#include "gasmon/chartrecord.h"
#include "gasmon/failurespell.h"
#include "gasmon/gasrecord.h"
#include "gasmon/outsidefiles.h"

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace gasmon {

// The instruments' IPv4 address when none is set.
constexpr std::array<std::uint8_t, 4> kDefaultAddress = {192, 168, 1, 222};

// The settings as the engine works with them (from "gasmon.cfg" and the set-up dialog).
struct GasSettings {
    int instrumentType = 0;
    int slaveAddress = 0;
    std::uint16_t registerCount = 12;       // 24 for types 6 and 7
    std::uint8_t functionCode = 3;          // 4 for most types
    std::uint16_t firstRegister = 1;
    std::uint16_t normalFirstRegister = 1;
    int comPort = 1;
    std::array<std::uint8_t, 4> address = kDefaultAddress;
    bool ratioSetting = false;              // "Use Total Chromat To Calulate Ratios"
    bool testGasPercent = false;            // the window's setting, taken at construction
    bool storeCalibration = false;
    bool autoTc = false;
    bool customOnChannel3 = false;
    bool ownControl = false;                // "Strativ Control"
    bool engineOption = false;              // coil 3 is switched off at start
    bool baselineFid = false;
    bool type2Mode = false;
    bool baselineMode = false;              // the BASELINE integrator mode
    std::int32_t sriMode = 0;               // the SRI integrator mode; non-zero = on
    std::int32_t isoInterval = 0;           // "Auto ISO Interval ( 0 to disable)"
    std::int32_t hwDelay = 0;
    std::int32_t plotMethane = 0;
    float connectionTimeout = 0;            // minutes ("Conn Time Out")
    float calibrationThreshold = 25.0f;
    std::array<float, 20> correctionFactors{};
    std::array<std::int32_t, 8> elutionTimes{};     // per component 1-7
    std::array<std::int32_t, 8> windowStart{};      // seconds before the elution time
    std::array<std::int32_t, 8> windowEnd{};        // seconds after it
    std::array<float, 8> componentOffsets{};
    std::int32_t baselineSecond = 0;        // "Chrom Zero"
    std::int32_t c4ZeroSecond = 0;          // the kept baseline is taken here when above 0 (type 9)
    std::int32_t cycleTime = 300;
    std::int32_t shiftPoint = 6;
    std::int32_t components = 5;            // the number of components, 5 or 6
    std::array<float, 4> effectiveFactors{1, 1, 1, 1};  // HW, CH, channel 3, channel 4
    std::array<float, 5> zeros{};           // total-gas zero, running baseline, kept baseline, channel 3, 4
    int windowLeft = 0, windowTop = 0;      // the live window's place
    // Depth pulses of the analogue module.
    bool depthOnModule = false;             // "Depth On Acromag"
    std::int32_t depthChannel = 3;          // module channel 3 or 4
    float voltageThreshold = 25.0f;         // "Voltage Threshold"
    float pulseThreshold = 20.0f;           // 0.8 of it: millivolts above mark a step
    QString integratorFile;                 // the integrator file looked for
};

// The chromatograph cycle, the depth pulses and the calibration cycle as the ticks leave them.
struct GasCycle {
    bool pulseArmed = true;
    std::int32_t injectionCounter = 0, lastCounter = 0;  // type 7
    std::int32_t status = 0;                // type 7 status register
    bool statusArmed = true;
    std::int64_t cycleStartMs = 0;
    std::int32_t cycleSeconds = 0;
    std::int32_t componentIndex = 1;
    bool startPending = false;
    bool cycleEnded = false;
    bool newCycle = false;
    std::int32_t sampleTimeCount = 0;
    std::array<std::int32_t, 8> peakEndSeconds{};
    float baselineSum = 0;
    std::int32_t baselineCount = 0;
    std::array<float, 2> chartBaselines{};
    float sampleTimeSum = 0.0f;
    float sampleTimeTotalGas = 0;
    float componentSum = 0;
    // Calibration cycle: the test gas's peaks (total gas, then components), the value before.
    std::array<float, 8> calibrationPeaks{};
    bool calibrationStarted = false;
    float lastCalibrationValue = 0;
    float calibrationBaselineSum = 0;
    std::int32_t calibrationBaselineCount = 0;
    float calibrationBaseline = 0;
    bool filamentWarned = false;
    // The UDP interface's packets: the cycle flag of the packet decoded last, the depth before.
    std::int32_t lastCycleFlag = 0;
    std::int32_t previousWholeHoleDepth = 0;
    float keptBaselineSum = 0;
    std::int32_t keptBaselineCount = 0;
    std::int32_t exportDay = 0;             // the day of the month the integrator file's name was made for
};

// What the set-up dialog and the chart asked the coming ticks to do.
struct GasRequests {
    bool startRequest = false;              // "Sample Now"
    bool sampleBlockRequest = false;        // "Close Block"
    bool calibrationRequest = false;        // "Set Elution Times": the next cycle learns the elution times
    bool calibrationCycle = false;          // this cycle does
    bool autoSpanRequest = false;           // the hot-wire span is set from a test gas
    bool spanAdjustment = false;            // "Set Chrom Span": the operator sets the span by eye
};

// The coils of the interface box.
struct GasCoilState {
    bool coil1 = false, coil3 = false, coil4 = false;
    bool sampleBlockClosed = false;
    std::int32_t closingSecond = 0;
};

// What the answers brought: the current step, the live values and lines.
struct GasReadings {
    bool requestOutstanding = false;
    float gainRange = -1.0f;                // until register 2 is read
    std::int32_t goodAnswers = 0;           // 0 to 5000
    alignas(4) GASRECORD record{};          // the current step (its numbers aligned, though packed)
    std::array<float, 10> values{};         // total gas, C1-NC5, CO2 maximum, extra value
    std::array<float, 10> testGasReferences{};  // total gas and components
    std::array<float, 8> bookedGas{};       // total gas, C1 to nC5 of the last booking
    float currentTotalGas = 0;
    // HW, CH, channel 3, channel 4, CO2 percent, channel 4 for the chart, then the millivolts of the four.
    std::array<float, 10> channels{};
    std::array<float, 2> chartMaxima{};     // largest raw HW and CH since the last chart sample
    SriCorrection correction;               // of the last answer
    std::int32_t correctionBand = 0;        // BASELINE FID
    std::int32_t highGasCount = 0;
    float secondReading = 0;
    float currentChromat = 0;
    bool gasFromWits = false;               // the WITS link brings the gas values
    // The live window's lines as the last answer left them: line 1 to line 4.
    std::array<QString, 4> lines;
};

// The bookings at the lag depth and the chart samples.
struct GasBooking {
    std::int64_t lastChartKey = -1;         // day and slot of the last chart sample
    std::vector<CHARTRECORD> chartBatch;    // samples of `chartBatchDay` not yet written
    QDate chartBatchDay;
    CHARTRECORD lastChartSample{};
    float lastBookedTotalGas = 0;           // for the BASELINE integrator mode
    FailureSpell gasFileSpell, chartFileSpell;
    float lagDepthDecimal = 0;
    bool bookingAttempted = false;
    bool halfUnitBooked = false;
    QString gasFileName;
};

}  // namespace gasmon
