#pragma once
// CUSTWITS: the custom WITS link, the second WITS link beside the standard engine (Wits). It polls one
// serial device on timer 8: each tick sends one text (a small WITS frame, the start token "svstart" or
// the "Wits Out" frame, by mode) and the next tick sends again only once the device answered, or once
// the link's time-out passed without an answer (that poll then counts as unanswered). Each answer is
// logged, cut into items by the same streaming reader as the standard link and applied by ProcessItem;
// its samples end as the standard link's do (SampleBuffer), and every ten closed samples form a block
// for the daily WITS file in the two plain WITS modes. The
// link keeps the share of its polls answered with a hole depth (its WITS percent) and its own alarm
// table.
//
// Everything runs on the GUI thread. What the link works on is handed to it in a CustWitsHost, brought
// up to date before each call; the link's commands (custwitscommands.h) make, connect and own it.
#include "gasmon/gasrecord.h"
#include "platform/modbus.h"
#include "wits/custwits_gas.h"
#include "wits/framereader.h"
#include "wits/itemtable.h"
#include "wits/linkcommon.h"
#include "wits/samplebuffer.h"
#include "wits/witsalarms.h"
#include "wits/witsdisplay.h"
#include "wits/witslink.h"
#include "wits/witsrecord.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace gasmon {
class GasDisplay;
}

namespace wits {

// The connection modes, the index of the "Connection Mode" list of the link settings.
enum class CustWitsMode : std::int32_t {
    Pason = 0,       // "Standard Wits Pason": the vendor's framed text mode; the lag-depth frame
    Other = 1,       // "Standard Wits Other": the lag-depth frame
    Gas = 2,         // "Wits Gas": the lag-depth frame; gas items; the gas window
    Bloodhound = 3,  // "IBall Bloodhound Wits": the start token; gas items; the gas window
    WitsOut = 4,     // "Wits Out": sends the "Wits Out" frame; answers are logged, never parsed
};

constexpr int kCustSamplesPerBlock = 10;   // samples per write of the daily file
constexpr int kCustReceiveSize = 1000;     // the receive buffer; a read takes at most 999 characters
constexpr int kCustFrameSize = 1024;       // an outgoing frame is at most this long
constexpr int kCustPollWindow = 50;        // polls per window of the WITS percent
constexpr int kCustDefaultIntervalMs = 4000;
constexpr int kCustDefaultTimeoutMs = 2500;
constexpr int kWitsOutPatternSize = 20;

// What the custom link reads besides the groups of the standard link's host.
struct CustWitsHost : WitsHost {
    // The standard host of `log`, with these values also taken before each call.
    CustWitsHost(app::LogState& log, const app::WellServices& services);

    bool standardLinkRuns = false;  // the standard engine exists: "Wits Out" sends its depths
    // The "Wits Out" test pattern of total gas values and its highest index (the main window's table).
    std::array<float, kWitsOutPatternSize> witsOutPattern{};
    int witsOutPatternLast = kWitsOutPatternSize - 1;
};

class CUSTWITS final : public FrameSink {
public:
    // `host` belongs to the caller and outlives the link. The alarm table is made and loaded here,
    // once: it is never replaced while the link lives. The window's custom-link total gas is cleared.
    CUSTWITS(CustWitsHost& host, WitsAlarmHost alarmHost);
    ~CUSTWITS() override;
    CUSTWITS(const CUSTWITS&) = delete;
    CUSTWITS& operator=(const CUSTWITS&) = delete;

    // Text is waiting (WM_USER+4): reads at most 999 characters, counts and logs them and, unless in
    // "Wits Out", parses them; the next tick may send.
    void ReadResponse(std::uintptr_t wParam, std::intptr_t lParam);
    // Timer 8: keeps the percent and sends the next poll, unless an answer is awaited and the time-out
    // has not passed yet.
    void SendOutput();
    // Feeds the text of one read to the item reader. Each frame sets on and off bottom; the sample is
    // closed when its slot passes or, for a device that never ends its answers with "!!", at the end of
    // a read that ended on a whole line.
    void ParseItems(std::string_view text);
    // Ends an answer: on and off bottom from the sample, which is then closed (stamps, slot); every
    // tenth closed sample the block goes to the daily file in modes 0 and 1.
    void EndFrame();
    // The link stops: the open sample is closed and the unfinished block written.
    void FlushSamples() { samples_.Flush(); }
    int SamplesWaiting() const { return samples_.Waiting(); }
    const WITSRECORD& LastClosed() const { return samples_.LastClosed(); }
    bool AwaitingReply() const { return reply_.Waiting(); }
    // The answer came (or is not waited for any more): the next tick polls.
    void ReplyRead() { reply_.Replied(); }
    // The port was opened again: nothing read before is joined to what comes now.
    void NewSender() { reader_.Reset(); }
    // Applies one item: the four-digit code text and the value text.
    void ProcessItem(std::string_view code, std::string_view value);
    // The poll of modes 0 to 3: the lag depth and the total gas.
    std::string BuildOutputFrame() const;
    // The poll of "Wits Out": the standard engine's last depths, or the test pattern.
    std::string BuildWitsOutFrame();
    // Appends received text to the day's "custWitsData-IN" traffic log.
    void LogTraffic(std::string_view text) const;

    // ---- Filled by the gas items (the hooks below) ----
    // The gas rows of stage 1 (0139's booking for its profile, 0140 in the gas mode), stage 2 in modes 2
    // and 3 and the gas window's lines; called after stage 1 of every item.
    void ProcessGasItem(int item, std::string_view value);
    // Books the step's gas at the drilling object's lag depth (nothing without one): the total-gas
    // maximum and the components by ratio into the depth record, the running entry's copy of it (but
    // the gas entry's), the log's row, and one gas record appended. A lag depth above the gas start
    // depth books nothing and keeps the step's gas. True when the depth record was written.
    bool StoreDepthStep();
    // The drilling object's lag depth moved (its tenths `digit`, the file's `bottomDepth`): in the first
    // half of a unit the step is booked once; the second half arms the next booking.
    void TakeLagDepth(float lagDepth, int digit, std::int32_t bottomDepth);
    // Appends the gas record to the well's gas file with the lag depth, the bottom depth and no error
    // count (shared with the standard link); reported when the file cannot be written.
    bool AppendGasRecord(float lagDepth);
    // The gas window's lines of the mode (empty outside the gas modes).
    CustGasLines GasWindowLines() const;

    CustWitsMode Mode() const { return CustWitsMode(mode); }
    bool GasMode() const { return mode == 2 || mode == 3; }
    // The sample the items arriving now fill (one per 6-second slot).
    WITSRECORD& Sample();
    WitsAlarms& Alarms() { return *alarms_; }
    float WitsPercent() const;

    CustWitsHost& host;

    // ---- Connection ----
    platform::SerialSettings serial{};
    std::uint32_t linkHandle = 0;  // 0 while not connected
    int comPort = 1;
    int timerInterval = kCustDefaultIntervalMs;  // ms of timer 8
    int replyTimeoutMs = kCustDefaultTimeoutMs;  // "Time Out"
    std::int32_t mode = 0;                       // CustWitsMode
    bool trackDepth = false;                     // "Track Depth"
    bool trackChromat = false;                   // "Track Chromat": the gas window in every mode
    bool gasMonitorFirst = false;                // 0140 is not total gas while a gas monitor runs
    float hwAttenuator = 1.0f;                   // "HW Attenuator"
    float thirdFactor = 1.0f;                    // the record's third factor
    std::unique_ptr<WitsDisplay> dataWindow;
    std::unique_ptr<gasmon::GasDisplay> gasWindow;

    // ---- Polls ----
    float polls = 0;              // polls in the current window of up to 50
    float goodPolls = 0;          // of them, answered with a hole depth (or a total gas in the gas modes)
    bool holeDepthCounted = false;  // the current answer counted as a good poll already
    std::int32_t bytesIn = 0;
    std::int32_t bytesOut = 0;
    std::array<char, kCustReceiveSize> receive{};
    // The "Wits Out" test pattern: the index into the pattern and the frames built from it.
    std::int32_t patternIndex = 0;
    std::int32_t patternCalls = 0;
    std::array<float, 8> patternValues{};  // total gas, C1, C2, C3, iC4, nC4, two zeros

    // ---- The data window ----
    DisplayLines displayLines;

    // ---- Depth ----
    std::int32_t trackedDepth = 0;  // whole unit reached by the hole as the link tracks it
    std::int32_t torqueMaximum = 0;

    // ---- Gas (the gas items fill these) ----
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

    // ---- Gamma ----
    bool gammaSeen = false;
    bool gammaPending = true;
    float gammaValue = 0;
    std::int32_t gammaSlot = 0;
    float gammaDepth = 0;

private:
    void Item(const WitsItem& item) override;
    void FrameEnd() override;
    void Refresh();
    void SetLine(int line, std::string text);
    void FeedAlarm(int channel, double value);
    void CountGoodPoll();
    void KeepPercent();
    void DriveStatus();
    void FinishSample(WITSRECORD& s);
    // Stage 1: the row as this link takes it, its effects, and the hole depth's percent and tracking.
    void StageOne(int item, std::string_view value);
    void ApplyEffect(int item, const ItemRow& row, double value);
    void SetGamma(double value);
    void TrackDepth(float holeDepth);
    // The gas items (custwits_gas.cpp).
    void TotalGasFirstPass(std::string_view text);
    void LagDepthItem(std::int32_t lagDepth);
    void GasItem(int item, std::string_view text);
    void UpdateComponentRatios();
    void ShowGasLines();

    FrameReader reader_{*this};
    SampleBuffer samples_{kCustSamplesPerBlock};
    ReplyWait reply_;
    bool itemsSinceFrameEnd_ = false;  // an empty frame ("!!" and nothing before it) closes nothing
    std::unique_ptr<WitsAlarms> alarms_;
};

}  // namespace wits
