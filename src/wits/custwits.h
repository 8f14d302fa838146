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
// Everything runs on the GUI thread. What the link works on is handed to it in a CustWitsHost; its own
// state is kept in value groups (wits/custwitsstate.h) that the calls below hand out. The link's
// commands (custwitscommands.h) make, connect and own it.
#include "wellfile/witsrecord.h"
#include "wits/custwits_gas.h"
#include "wits/custwitsstate.h"
#include "wits/framereader.h"
#include "wits/itemtable.h"
#include "wits/linkcommon.h"
#include "wits/samplebuffer.h"
#include "wits/witsalarms.h"
#include "wits/witsdisplay.h"
#include "wits/witshost.h"

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
constexpr int kWitsOutPatternSize = 20;

// What the custom link reads besides the values of the standard link's host.
class CustWitsHost : public WitsHost {
public:
    // The standard host of `log`.
    CustWitsHost(app::LogState& log, const app::WellServices& services);

    bool StandardLinkRuns() const;  // the standard engine exists: "Wits Out" sends its depths
    // The "Wits Out" test pattern of total gas values and its highest index (the main window's table).
    const std::array<float, kWitsOutPatternSize>& WitsOutPattern() const;
    int WitsOutPatternLast() const;
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
    const wellfile::WITSRECORD& LastClosed() const { return samples_.LastClosed(); }
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

    CustWitsMode Mode() const { return CustWitsMode(settings_.mode); }
    bool GasMode() const { return settings_.mode == 2 || settings_.mode == 3; }
    // The sample the items arriving now fill (one per 6-second slot).
    wellfile::WITSRECORD& Sample();
    WitsAlarms& Alarms() { return *alarms_; }
    float WitsPercent() const { return polls_.percent.Percent(); }

    // ---- The port and the windows (the commands open and close them) ----
    std::uint32_t Handle() const { return handle_; }
    void SetHandle(std::uint32_t handle) { handle_ = handle; }
    // The read buffer; a read leaves its last byte for the terminating NUL.
    const std::array<char, kCustReceiveSize>& ReceiveBuffer() const { return receive_; }
    WitsDisplay* DataWindow() const { return dataWindow_.get(); }
    void SetDataWindow(std::unique_ptr<WitsDisplay> window) { dataWindow_ = std::move(window); }
    gasmon::GasDisplay* GasWindow() const { return gasWindow_.get(); }
    void SetGasWindow(std::unique_ptr<gasmon::GasDisplay> window);
    // The data window's texts.
    const DisplayLines& Lines() const { return lines_; }
    void SetLines(const DisplayLines& lines) { lines_ = lines; }

    // ---- The state, by groups (tests set up a case with the setters) ----
    const CustWitsSettings& Settings() const { return settings_; }
    void SetSettings(const CustWitsSettings& s) { settings_ = s; }
    const CustWitsPolls& Polls() const { return polls_; }
    void SetPolls(const CustWitsPolls& p) { polls_ = p; }
    const CustWitsGas& Gas() const { return gas_; }
    void SetGas(const CustWitsGas& g) { gas_ = g; }
    const CustWitsDepth& Depth() const { return depth_; }
    void SetDepth(const CustWitsDepth& d) { depth_ = d; }

private:
    void Item(const WitsItem& item) override;
    void FrameEnd() override;
    void SetLine(int line, std::string text);
    void FeedAlarm(int channel, double value);
    void KeepPercent();
    void DriveStatus();
    void FinishSample(wellfile::WITSRECORD& s);
    // Stage 1: the row as this link takes it, its effects, and the hole depth's percent and tracking.
    void StageOne(int item, std::string_view value);
    // The shared effects and this link's own (depth tracking, the pump rates).
    void ApplyEffect(const ItemRow& row, double value, const ItemTargets& targets);
    void TrackDepth(float holeDepth);
    // The gas items (custwits_gas.cpp).
    void TotalGasFirstPass(std::string_view text);
    void LagDepthItem(std::int32_t lagDepth);
    void GasItem(int item, std::string_view text);
    void UpdateComponentRatios();
    void ShowGasLines();

    CustWitsHost& host;
    CustWitsSettings settings_;
    CustWitsPolls polls_;
    CustWitsGas gas_;
    CustWitsDepth depth_;
    std::uint32_t handle_ = 0;  // 0 while not connected
    std::array<char, kCustReceiveSize> receive_{};
    std::unique_ptr<WitsDisplay> dataWindow_;
    std::unique_ptr<gasmon::GasDisplay> gasWindow_;
    DisplayLines lines_;

    FrameReader reader_{*this};
    SampleBuffer samples_{kCustSamplesPerBlock};
    ReplyWait reply_;
    bool itemsSinceFrameEnd_ = false;  // an empty frame ("!!" and nothing before it) closes nothing
    std::unique_ptr<WitsAlarms> alarms_;
};

}  // namespace wits
