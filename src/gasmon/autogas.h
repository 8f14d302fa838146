#pragma once
// AutoGas: the gas monitor engine. One exists while the gas monitor is on; it links the program to one
// gas instrument (a hot-wire detector, a chromatograph or the program's own interface box), sends one
// MODBUS read per tick of window timer 1, takes the answers, follows the chromatograph cycle and runs
// the coils of the interface box. Everything runs on the GUI thread and nothing waits: answers come as
// notices (WM_USER+1) and the pauses between coil writes are single-shot timers.
//
// Its state is kept in value groups (gasmon/autogasstate.h) that the calls below hand out.
#include "gasmon/autogasstate.h"
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

    bool HasLink() const { return handle_ != 0; }
    std::uint32_t Handle() const { return handle_; }
    GasDisplay* display() const { return display_.get(); }

    // ---- Requests of the set-up dialog and the chart, carried out by the coming ticks ----
    void RequestSampleNow() { requests_.startRequest = true; }
    void RequestCloseBlock() { requests_.sampleBlockRequest = true; }
    // "Set Elution Times": the next cycle learns the elution times (false takes the request back).
    void RequestElutionSetup(bool on) { requests_.calibrationRequest = on; }
    // The hot-wire span is set from the test gas of the coming answers.
    void RequestAutoSpan() { requests_.autoSpanRequest = true; }
    // Starts or ends the operator's span adjustment; true when it runs now.
    bool ToggleSpanAdjustment() { return requests_.spanAdjustment = !requests_.spanAdjustment; }
    // The depth box's trigger: the coming cycle is a calibration cycle when one was requested (the
    // request is then cleared), else a normal one, and a new cycle starts.
    void StartRequestedCycle();
    // One integrator at a time, as the set-up dialog shows them.
    void SelectIntegrator(bool sri, bool baseline);
    // The set-up dialog's saved address and integrator file, taken while running.
    void SetAddress(const std::array<std::uint8_t, 4>& a) { settings_.address = a; }
    void SetIntegratorFile(const QString& name) { settings_.integratorFile = name; }

    // ---- What the WITS links hand over ----
    // The WITS link brings the gas: its items feed TakeWitsGas.
    void SetGasFromWits(bool on) { readings_.gasFromWits = on; }
    // A WITS gas value: component `index` (1 = C1 .. 7 = nC5) or 8, the CO2; the value becomes the
    // current one and raises the step's peak. A negative component reads 0 (nC5 keeps its reading,
    // only its peak stays at 0 or above); a negative CO2 reads 0.
    void TakeWitsGas(int index, float value);
    // The custom link's total gas raises the step's peak.
    void RaiseTotalGasPeak(float totalGas);
    // The gas the custom link booked: total gas (0), then C1 to nC5.
    void SetBookedGas(int index, float value);

    // ---- The state, by groups (tests set up a case with the setters) ----
    const GasSettings& Settings() const { return settings_; }
    void SetSettings(const GasSettings& s) { settings_ = s; }
    const GasCycle& Cycle() const { return cycle_; }
    void SetCycle(const GasCycle& c) { cycle_ = c; }
    const GasRequests& Requests() const { return requests_; }
    void SetRequests(const GasRequests& r) { requests_ = r; }
    const GasCoilState& CoilState() const { return coilState_; }
    void SetCoilState(const GasCoilState& c) { coilState_ = c; }
    const GasReadings& Readings() const { return readings_; }
    void SetReadings(const GasReadings& r) { readings_ = r; }
    const GasBooking& Booking() const { return booking_; }
    void SetBooking(const GasBooking& b) { booking_ = b; }
    // The UDP gas interface: its socket and the packet state of the ticks.
    const UdpGasLink& Udp() const { return udp_; }
    // The communication library's calls; a test may replace them before Start.
    ModbusCalls& Calls() { return calls_; }

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

    GasHost& host;
    GasSettings settings_;
    GasCycle cycle_;
    GasRequests requests_;
    GasCoilState coilState_;
    GasReadings readings_;
    GasBooking booking_;
    std::uint32_t handle_ = 0;  // the link, 0 = none
    UdpGasLink udp_;
    ModbusCalls calls_;

    std::unique_ptr<GasDisplay> display_;
    CoilWriter coils_;
    platform::ModbusRequest coilRequest_{};
    platform::ModbusRequest lastRequest_{};  // the request whose answer is awaited
};

}  // namespace gasmon
