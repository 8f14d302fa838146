#pragma once
// Wits: the engine of the standard WITS link, one object while the link is on. It takes every item the
// frame reader cuts out of the received text (DispatchItem): the value goes into the current sample,
// the drilling object's live record and the alarm table, and some items act on drilling: the hole depth
// marks new depth steps, the bit depth half steps, the pump rates set the stroke threads' intervals,
// item 0139 the lag depth; the gas items feed the gas monitor or the engine's own gas values, which the
// booking puts into the depth records at the lag depth.
//
// Everything runs on the GUI thread. What the engine works on is handed to it in a WitsHost.
#include "gasmon/gasrecord.h"
#include "wits/framereader.h"
#include "wits/witsdisplay.h"
#include "wits/itemtable.h"
#include "wits/linkcommon.h"
#include "wits/samplebuffer.h"
#include "wits/witsalarms.h"
#include "wits/witslink.h"
#include "wits/witsrecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QTcpSocket;

namespace gasmon {
class GasDisplay;
}
namespace drilling {
class Driller;
}

namespace wits {

class WitsServer;

// The drilling alarm's WITS-percent flag: set while `percent` is below the alarm settings' minimum (a
// minimum of 0 leaves it as it is).
void SetWitsPercentFlag(drilling::Driller& d, float percent);
// A link's WITS percent of its counted frames or polls: into the driller's live record, the "WITS
// PERCENT" channel of the link's `alarms` (a percent on its low limit is low already) and the drilling
// alarm's flag.
void PublishWitsPercent(float percent, drilling::Driller* d, WitsAlarms& alarms);
// The drilling alarm's flag of a casing-pressure, pit-volume or flow item from the driller's live record
// and its alarm limits (both links).
void SetDrillingAlarmFlag(drilling::Driller* d, Effect effect);

constexpr int kHoldBufferSize = 500;
constexpr int kComponentCount = 7;     // C1, C2, C3, iC4, nC4, iC5, nC5
constexpr float kSlotFraction = 0.2f;  // the float after the five sub-step slots
constexpr int kBlockSize = 5;          // closed samples per write of the daily file
constexpr int kByteCountWrap = 50000;  // the byte counts start again at 0 above this

class Wits final : public FrameSink {
public:
    // `host` belongs to the caller and outlives the engine; `alarmHost` serves the engine's alarm table.
    // Every pump stands and no stroke is waiting; the gas tables are empty, the window's total-gas
    // maximum reads -1 (no WITS value yet) and the first share is 1.
    Wits(WitsHost& host, WitsAlarmHost alarmHost);
    ~Wits() override;
    Wits(const Wits&) = delete;
    Wits& operator=(const Wits&) = delete;

    // Applies one item: the four-digit code text, the value text and the reader's 1984 mark.
    void DispatchItem(std::string_view code, std::string_view value, bool marked);
    // The share of each component in the sum of the components (after each frame).
    void ComputeGasShares();
    // The lag depth moved (the drilling object's hand-over): `digit`, its tenths digit, becomes the
    // half-unit mark; the gas values become the first-half values while the digit is below 5, else the
    // second-half values; a new whole depth books the step (StoreDepthStep). The new-step flag is set,
    // or cleared with `companionDepth`.
    void TakeLagDepth(float lagDepth, int digit, bool newWholeDepth, bool companionDepth);
    // Books the gas of the step into the depth record of `lagDepth`: the total-gas and CO2 maxima, the
    // components by half step (or as shares of the total gas with ratios on). The ten records around it
    // are written back in one write, the records in memory brought up to date, the row drawn and one gas
    // record appended to the gas file. A depth that moved back, lies in the file's first 20 units or past
    // the records read, or a record that holds a total gas already, books nothing. Every attempt clears
    // the maxima and sets the new-step flag. True when the step was booked.
    bool StoreDepthStep(float lagDepth);
    // The MWD values by sub-step into the record of `mwdDepth`: slots A at bytes 212 to 235, slots B at
    // 284 to 307. A depth outside the file writes nothing. False when nothing was written.
    bool WriteMwdSlots(std::int32_t mwdDepth);

    // ---- The link ----
    // Text is waiting (WM_USER+3): reads at most the maximum characters, counts them, hands them to the
    // reader (items to DispatchItem, each frame end to FinishFrame), refreshes the data window and lets
    // the next tick send.
    void ReadInput(std::uintptr_t wParam, std::intptr_t lParam);
    // What follows the items of one frame: the live gas, shares, component sum, the gas window's lines,
    // the MWD slots, the drilling status from the sample's depths and the pumps switched on when asked.
    // The sample stays open for the slot's later frames.
    void FinishFrame();
    // Closes the open sample (SampleBuffer): its stamps, percent, rate and lag depth; every fifth closed
    // sample the block goes to the daily file (and to the monitoring station).
    void CloseSample();
    // The link stops: the open sample is closed and the unfinished block written.
    void FlushSamples();
    // Closed samples not yet written, and the sample closed last.
    int SamplesWaiting() const { return samples_.Waiting(); }
    const WITSRECORD& LastClosed() const { return samples_.LastClosed(); }
    // The text that follows comes from a new sender (a reopened port): an unended item is dropped.
    void NewSender() { reader_.Reset(); }
    // Timer 4: takes a chromatograph's result files in file-input mode, then sends the outgoing frame
    // on the serial link, runs one exchange of the TCP client, or parses what the TCP server received.
    // After a send the ticks wait for the reply, but never longer than the reply time-out: a silent
    // rig then counts a frame without a good one, so its percentage falls and its alarm can fire.
    void EvTimer();
    // The WITS percentage of the counted ticks: the live record, the "WITS PERCENT" alarm, the drilling
    // alarm's WITS-low flag and data window line 7. Nothing before the first counted tick.
    void KeepWitsPercent();
    // One more counted tick, in windows of 50: the 50th starts the counts again at 1 and 0.
    void CountFrame();
    // The frame to send: the idle frame, or the lag depth and total gas (and for one profile the bit
    // depth and the components); also to the traffic log when that is on.
    std::string BuildOutputFrame();
    // File-input mode: the result file's total gas, then the chromatograph file.
    void ReadTgaResultFile();
    // The chromatograph file's components; a new value is logged in the lag log.
    void ReadChromatographFile();
    // Appends the total gas, `text`, the time and the lag depth to the well's "-sri.txt".
    void AppendLagLog(std::string_view text);
    // The remote transfer file: the block with single gaps filled; false when it could not be written.
    bool WriteRemoteBlock(const WITSRECORD* block, int count);
    // A closed block: the daily file, then the remote transfer file and its copy.
    void WriteBlock(const WITSRECORD* block, int count);
    // Deletes every "*.wit" in "remote" below the well's folder.
    void CleanRemoteWitsFiles();
    // The read buffer for `maxChars` characters (made again when the maximum changes).
    void SetMaxChars(int maxChars);

    // ---- What drilling mode and the gas monitor hand over ----
    // A sample brought data since the last depth step took it (the step's slide marking reads it).
    bool NewData() const { return newData_; }
    void ClearNewData() { newData_ = false; }
    // The gas monitor's live value of component `index` (1 = C1 .. 7 = nC5), sent by the output frame.
    void SetLiveGas(int index, float value)
    {
        if (index >= 1 && index <= kComponentCount)
            componentsToSend[std::size_t(index - 1)] = value;
    }

    // ---- The link over TCP (wits_tcp.cpp), all on the GUI thread ----
    // Connects the client socket to the WITS server; 1 when connected, else 0 after the message.
    int ConnectTcpClient();
    // Connects the second client, to the lithology receiver (nothing is ever sent on it); 1 when
    // connected, else 0; both shown in a message.
    int ConnectLithClient();
    // Closes both client sockets. Returns 1.
    int CloseTcpClient();
    // Sends `text` on the client socket: the bytes taken, -1 on a failure, 0 without a client socket.
    std::int64_t SendTcp(std::string_view text);
    // One client exchange per tick: the frame (or the start token) is sent and the percentage kept;
    // the reply is parsed whenever it comes, so a server that never answers stops nothing.
    void PollTcpClient();
    // Listens for one client at the server port (the settings store's "Wits/ServerAddress", any IPv4
    // address when it is empty); 1 when listening, else 0.
    int StartWitsServer();
    // Closes the server's client and its listening socket. Returns 1.
    int StopWitsServer();
    bool TcpClientOpen() const { return tcpClient_ != nullptr; }
    bool LithClientOpen() const { return lithClient_ != nullptr; }
    // 0 or 1 while serving; 0 otherwise.
    int ServerClientCount() const;
    WitsServer* Server() const { return server_.get(); }

    // The sample the items arriving now fill (one per 6-second slot).
    WITSRECORD& Sample();
    WitsAlarms& Alarms() { return *alarms_; }
    // Loads the alarm table anew in place (after the limits changed): its pop-up stays valid.
    void NewAlarms();

    WitsHost& host;

    // ---- Connection ----
    std::uint32_t linkHandle = 0;  // 0 while closed
    int comPort = 1;
    int maxChars = 500;
    int replyTimeoutMs = 2000;
    int timerInterval = 2000;      // ms of timer 4
    bool customTiming = false;     // "witsedit.cfg" was found
    std::int32_t bytesIn = 0;
    std::int32_t bytesOut = 0;
    std::int32_t bottomDepthAtConnect = 0;
    std::array<int, 4> windowPositions{};  // data window left, top; gas window left, top
    bool tcpOn = false;
    bool tcpServer = false;
    bool lithologyClient = false;  // a second connection goes to a lithology receiver
    // Where the TCP link connects or listens, and the lithology receiver (from the link settings).
    struct TcpPeer {
        std::uint16_t port = 0;
        std::array<std::uint8_t, 4> address{};
    };
    TcpPeer tcpPeer;
    TcpPeer lithPeer;
    QString remoteFile;   // the remote transfer file (".zl8")
    std::unique_ptr<WitsDisplay> dataWindow;
    std::unique_ptr<gasmon::GasDisplay> gasWindow;

    // ---- The data window ----
    std::array<std::string, kDisplayLines> displayLines;

    // ---- Frames ----
    float frameCount = 0;          // timer ticks, in windows of 50
    float goodFrameCount = 0;      // ticks that brought a good frame
    bool frameCounted = false;     // the current frame counted as good already
    bool firstFrame = true;        // until the end of the first parsed frame
    float lastPublishedC1 = 0;     // C1 when the live gas table was last filled
    float lastC1Seen = 0;
    std::int32_t cycleCount = 0;   // chromatograph cycles: new C1 values
    std::int32_t lastMwdDepthWritten = 0;
    std::int32_t componentTotal = 0;  // the gas window's component sum

    // ---- Depth tracking ----
    std::int32_t trackedDepth = 0;  // whole unit reached by the hole as WITS tracking sees it
    std::int32_t tenthsDigit = 0;   // first decimal of the last bit depth that reached it
    std::int32_t gammaSlot = 0;     // sub-step of the unit now drilled, 0 to 4
    std::int32_t mwdSlot = 0;

    // ---- Pumps ----
    std::int32_t pumpRateSum = 10;  // pumps on hole, or 10 until a pump rate came
    bool pumpRateSeen = false;
    bool rpmSeen = false;

    // ---- Gas ----
    bool gasFromMonitor = false;     // this item's gas feeds the gas monitor
    std::array<float, kGasValueCount> gasValues{};  // 0 total gas, 1 to 7 C1 to nC5
    std::array<float, kGasValueCount> gasShares{};  // 0 is 1, i: component i / component sum
    std::int32_t componentCount = kComponentCount;
    float componentSum = 1;
    std::array<float, 8> firstHalf{};   // filled by the drilling object before a booking
    std::array<float, 8> secondHalf{};
    float halfUnitMark = 0;            // the tenths digit of the lag depth last handed over
    bool newStep = false;              // set by each booking attempt; the drilling object clears it
    bool ratiosOn = false;             // components are booked as shares of the total gas
    bool chromatographSwitch = false;  // components arrive in ppm
    std::int32_t pasonFeed = 0;        // 1: total gas and components are scaled
    std::array<float, 3> gasScale{1, 1, 1};
    std::array<float, 8> testGas{};    // total gas, C1 to nC5 of the last record at connect
    float profileGasMultiplier = 100;
    bool fileInputMode = false;        // the gas items of the gas monitor are not taken
    // The components the output frame sends (C1 to nC5): the gas monitor's, or the file-input mode's.
    std::array<float, kComponentCount> componentsToSend{};
    // A chromatograph's result files (type 14), from the gas monitor settings at connect; the gas
    // monitor's setup also sets the delay and the file while the link runs.
    bool chromatRatioSwitch = false;   // "Use Total Chromat To Calulate Ratios"
    std::int32_t hotWireDelay = 0;     // seconds
    QString chromatographFile;         // the integrator's file
    QString resultFile;                // its drive and folder, then "Strativ_TGA.res"
    std::int32_t item0101 = 1;
    float co2Maximum = 0;              // largest CO2 since the last booking
    gasmon::GASRECORD gasRecord{};

    // Total gas held back while the pumps stand, delivered when they run again.
    float holdLength = 0;
    std::array<float, kHoldBufferSize> holdBuffer{};
    std::int32_t holdCount = 0;
    std::int32_t holdNext = 0;
    bool holding = false;

    // ---- MWD and gamma ----
    std::int32_t mwdDepth = 0;
    float gammaDepth = 0;
    float gamma = 0;
    float mwdValueA = 0;
    float mwdValueB = 0;
    std::array<float, 6> mwdSlotsA{};  // five sub-steps and the fraction
    std::array<float, 6> mwdSlotsB{};
    bool gammaSeen = false;
    bool mwdASeen = false;
    bool mwdBSeen = false;

private:
    void Item(const WitsItem& item) override;
    void FrameEnd() override;
    void FinishSample(WITSRECORD& s);
    void UpdateGasWindow();

    FrameReader reader_{*this};
    bool newData_ = false;
    std::vector<char> input_;
    SampleBuffer samples_{kBlockSize};
    ReplyWait reply_;
    bool itemsSinceFrameEnd_ = false;  // an empty frame ("!!" and nothing before it) closes nothing
    std::int64_t lastTextMs_ = -1;     // steady clock of the last text read

    void Refresh();
    // Feeds text read from the link to the reader; `allTaken`: nothing more is waiting, so a peer
    // that never ends its frames has its frame closed here. `arrivedNow`: the text came just now, so
    // the time since the last text is a silence of the peer (not so for text the server kept).
    void ParseText(std::string_view text, bool allTaken, bool arrivedNow = true);
    void SendSerialFrame(std::int64_t now);
    void TcpReplyArrived();
    void ServeTick();
    void CountGoodFrame();
    float WitsPercent() const;
    void SetLine(int line, std::string text);
    void FeedAlarm(int channel, double value);

    // Stage 1: the effects of the rows beyond storing.
    void ApplyEffect(const ItemRow& row, double value);
    void MarkHalfStep(float bitDepth);
    void TrackDepth(float holeDepth);
    void SetPumpRate(int pump, double rate);
    void SetLagDepth(double value);
    void SetMwdValue(bool slotsA, double value);
    void SetGamma(double value);

    // Stage 2: the gas items.
    void FeedGasMonitor(int item, float value, bool marked);
    void TakeLinkGas(int item, std::string_view text, bool marked);
    float HoldTotalGas(float value);
    void SetTotalGasMaximum(float totalGas, bool always);
    void EndBookingAttempt();

    std::unique_ptr<WitsAlarms> alarms_;

    QTcpSocket* tcpClient_ = nullptr;
    QTcpSocket* lithClient_ = nullptr;
    std::unique_ptr<WitsServer> server_;
};

}  // namespace wits
