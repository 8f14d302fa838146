#pragma once
// AutoGas: the gas monitor engine. One exists while the gas monitor is on; it links the program to one
// gas instrument (a hot-wire detector, a chromatograph or the program's own interface box), sends one
// MODBUS read per tick of window timer 1, takes the answers, follows the chromatograph cycle and runs
// the coils of the interface box. Everything runs on the GUI thread and nothing waits: answers come as
// notices (WM_USER+1) and the pauses between coil writes are single-shot timers.
//
// The fields are public as the other subsystems (the WITS links, the set-up dialog) read and set them.
#include "gasmon/channels.h"
#include "gasmon/chartrecord.h"
#include "gasmon/coilwriter.h"
#include "gasmon/failurespell.h"
#include "gasmon/gashost.h"
#include "gasmon/gasrecord.h"
#include "gasmon/outsidefiles.h"
#include "gasmon/udplink.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace gasmon {

// Seconds into the cycle past which the cycle starts over.
constexpr int kLongestCycleSeconds = 1000;
// Full-scale count of the instruments' analogue inputs.
constexpr float kFullScaleCount = 20000.0f;
// Gain ranges selected by the code in register 2 (types 0, 2, 3, 4, 8, 12).
constexpr std::array<float, 8> kGainRanges = {10000, 5000, 2500, 1250, 625, 313, 156, 78};
// Chart samples written to the day file at a time.
constexpr int kChartBatch = 10;
// A booking needs the lag depth this far below the file's first depth.
constexpr int kFirstBookedUnits = 20;
// A depth record whose total gas is above this is booked already.
constexpr float kBookedTotalGas = 5.0f;

// The instruments' IPv4 address when none is set.
constexpr std::array<std::uint8_t, 4> kDefaultAddress = {192, 168, 1, 222};

// The text of a MODBUS error number ("MBUS_TIMEOUT"; "Unknown Error" for a number not in the table).
QString ErrorName(int code);

// The shift point of the chromatograph's sample valve, seconds into the cycle, by profile and type.
int DefaultShiftPoint(int profile, int instrumentType);

class AutoGas {
public:
    // The engine of instrument `type` answering as slave `slave` (0: the type's default). `host` belongs
    // to the caller and outlives the engine.
    AutoGas(GasHost& host, int type, int slave);
    ~AutoGas();
    AutoGas(const AutoGas&) = delete;
    AutoGas& operator=(const AutoGas&) = delete;

    // Starts the engine: a new cycle, the settings read and applied, the link opened. 0 (after the
    // message that says why, and with the link closed again) when it could not be opened.
    int Start();
    // Takes the settings of the set-up dialog while running (the NO RATIO mode is questioned).
    void ApplySettings(const GASMONCFG& cfg);
    // Opens the instrument's link: 1, or 0 after a message.
    int Connect();
    // One tick of timer 1.
    void Poll();
    // An answer of the link is waiting (WM_USER+1 with its two parameters).
    void EvResponse(std::uintptr_t wParam, std::intptr_t lParam);
    // Decodes the registers of one read answer with its result (what the answer's notice does once the
    // link has handed them over): channels, total gas, alarms, depth pulses, peaks and the live lines.
    void TakeAnswer(const std::uint16_t* registers, int result);
    // A new chromatograph cycle starts now.
    void StartCycle();
    // The cycle's components become the gas of the step.
    void EndCycle();
    // One answer of a calibration cycle: learns the elution times from the test gas's peaks.
    void CalibrationResponse(float ch, float hw);
    // Sets the hot-wire span so that the test gas's raw reading `rawHw` reads 100 units.
    void AutoSpanHotWire(float rawHw);
    // Writes the live window's lines from the values of the last answer (`result` its error, 0 none).
    void UpdateDisplayLines(int result);
    // Ends the link: the settings keep the component fractions and the live window's place, the box's
    // coils are switched off (after the answers they wait for) and the link is closed after them. The
    // chart samples not yet written are written.
    void Disconnect();
    // Books the step's gas at the lag depth: into the depth record there (unless it holds gas already),
    // the records in memory, the log and the gas file; then the step starts afresh.
    void BookAtLagDepth();
    // Forms the chart sample of `now` (an even second), hands it to an open chart and writes the samples
    // by tens, each day's into its own file.
    void FillChartSample(const QDateTime& now);
    // Writes the chart samples formed and not yet written.
    void WriteChartBatch();
    // (Re)creates the live window at its saved place and shows it.
    void OpenGasDisplay();
    // The cycle's coils of the interface box, tested in order on each tick.
    void CoilCycle();
    // Toggles coil 2, the chromatograph's sample block (closing it needs the cycle well under way).
    void ToggleSampleBlockCoil();

    // ---- The UDP gas interface (type 9) ----
    // Makes the socket and sends the start token (a failure shows as the status on line 2) and sets
    // timer 7. Returns 1.
    int StartUdp();
    // Closes the socket, kills timer 7, keeps the live window's place in the settings and removes the
    // window. Returns 1.
    int StopUdp();
    // One tick: the latest packet's depths drive drilling mode (unless the WITS link brings the depth),
    // its gas values the peaks, alarms and the live window's lines.
    void DecodeUdpPacket();

    // ---- Outside chromatograph files (the SRI and BASELINE integrator modes) ----
    // Puts today's date into the integrator file's name and stores the name in the settings.
    void UpdateExportName();
    // Takes the integrator file when it exists (BASELINE mode first) and starts the cycle's seconds
    // again.
    void ReadOutsideFile();
    void ReadSriFile();
    void ReadBaselineFile();
    void LogSriLine(const std::string& resultText);
    void LogBaselineLine(const QByteArray& fileText);

    bool HasLink() const { return handle != 0; }
    GasDisplay* display() const { return display_.get(); }

    // ---- Settings and set-up ----
    GasHost& host;
    int instrumentType;
    int slaveAddress;
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

    // ---- Depth pulses of the analogue module and the TCP chromatograph ----
    bool depthOnModule = false;             // "Depth On Acromag"
    std::int32_t depthChannel = 3;          // module channel 3 or 4
    float voltageThreshold = 25.0f;         // "Voltage Threshold"
    float pulseThreshold = 20.0f;           // 0.8 of it: millivolts above mark a step
    bool pulseArmed = true;
    std::int32_t injectionCounter = 0, lastCounter = 0;  // type 7
    std::int32_t status = 0;                // type 7 status register
    bool statusArmed = true;

    // ---- Cycle ----
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

    // ---- Requests of the set-up dialog ----
    bool startRequest = false;              // "Sample Now"
    bool sampleBlockRequest = false;        // "Close Block"
    bool isoSampleRequest = false;          // "ISO SAMPLE NOW"
    // "Set Elution Times": the next cycle learns the elution times. The dialog sets and clears both
    // flags together.
    bool calibrationRequest = false;
    bool elutionSetupRequest = false;
    bool calibrationCycle = false;
    bool autoSpanRequest = false;           // the hot-wire span is set from a test gas
    bool spanAdjustment = false;            // "Set Chrom Span": the operator sets the span by eye
    bool spanAdjustmentEnded = false;       // set when the operator ends a span adjustment
    bool flowOn = false;                    // the sample flow ("Open Clear" reads "Flow Off" while set)

    // ---- Coils of the interface box ----
    bool coil1 = false, coil3 = false, coil4 = false;
    bool sampleBlockClosed = false;
    std::int32_t closingSecond = 0;

    // ---- Answers ----
    std::uint32_t handle = 0;               // the link, 0 = none
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
    bool gasFromWits = false;
    bool drivesDrillingStatus = true;       // cleared by the WITS link when it drives the status
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
    // The UDP gas interface: its socket and the packet state of the ticks.
    UdpGasLink udp;
    std::int32_t lastCycleFlag = 0;         // the cycle flag of the packet decoded last
    std::int32_t previousWholeHoleDepth = 0;
    float keptBaselineSum = 0;
    std::int32_t keptBaselineCount = 0;
    // The integrator file looked for, and the day of the month its name was made for.
    QString integratorFile;
    std::int32_t exportDay = 0;
    // The live window's lines as the last answer left them: line 1 to line 4.
    std::array<QString, 4> lines;

    // The communication library's calls; a test may replace them before Start.
    ModbusCalls calls;

private:
    // Takes the settings of `cfg` as the engine works with them.
    void TakeSettings(const GASMONCFG& cfg);
    // The instruments' address of the settings (the default when none was set).
    void TakeAddress(const GASMONCFG& cfg);
    bool TypeReadsGainRange() const;
    bool RunsCoilCycle() const;
    bool WritesCoils() const;  // coils are set at start and stop
    // Sends the next coil write, or the read of this tick; nothing while the link is busy.
    void SendRequest();
    void QueueCoils(int delayMs = 0);
    void ToggleCoil1();
    void SwitchCoil1Off();
    void TakeTestGasReferences();
    void UpdateChannelLines();
    float MillivoltRange() const;
    float TotalGasReference() const;
    // Steps of an answer outside a calibration cycle.
    void TakeChannelValues(const AnswerChannels& c);
    // The gas alarms on the current total gas: the high-gas flag once it was above the units on more
    // than `answersAbove` answers.
    void WatchGasAlarms(int answersAbove);
    // The step the drilling object's connection marker makes after a cycle of an outside file.
    void CountConnectionMarkerDown();
    // The UDP packet's depths into drilling mode.
    void TrackUdpDepth(const UdpPacket& p);
    // The chromatograph windows of the cycle on one UDP value.
    void TrackUdpPeak(float ch);
    void ShowUdpLines(const UdpPacket& p);
    // The cycle's values as an outside file's reader keeps or replaces them, and back.
    IntegratorValues HeldIntegratorValues() const;
    void TakeIntegratorValues(const IntegratorValues& v);
    void WatchDepthPulses(const AnswerChannels& c);
    void TrackPeak(float ch);
    void FinishCalibration();
    void ShowCalibrationLine(float hw, float ch);
    void AdvanceComponent();
    // The step's values are cleared after a booking (or a depth found booked already).
    void ResetStep();

    std::unique_ptr<GasDisplay> display_;
    CoilWriter coils_;
    platform::ModbusRequest coilRequest_{};
    platform::ModbusRequest lastRequest_{};  // the request whose answer is awaited
};

}  // namespace gasmon
