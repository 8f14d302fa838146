// The custom WITS link's polling: the answers read, logged and cut into items, the samples closed and
// written by block, and the poll sent on each tick of timer 8.
#include "wits/custwits.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/textlink.h"
#include "wellfile/openwell.h"
#include "wits/dailyfile.h"
#include "wits/sidefiles.h"
#include "wits/wits.h"

#include <algorithm>

namespace wits {

namespace {

constexpr std::string_view kStartToken = "svstart\r\n";
constexpr float kOffBottomGap = 0.5f;      // the bit this far above the hole's bottom is still on bottom
constexpr int kCirculatingPressure = 500;  // off bottom, a pump pressure above this is circulation
constexpr float kNoMonitorGas = 0.1f;      // the total gas polled without a gas monitor

}  // namespace

CUSTWITS::CUSTWITS(CustWitsHost& h, WitsAlarmHost alarmHost) : host(h)
{
    Refresh();
    if (host.link) {
        host.link->customLinkTotalGas = 0;
        host.link->lastBitDepth = 0;
        host.link->lastHoleDepth = 0;
    }
    alarms_ = std::make_unique<WitsAlarms>(std::move(alarmHost));
    samples_.SetFinish([this](WITSRECORD& s) { FinishSample(s); });
    samples_.SetWriter([this](const WITSRECORD* block, int count) {
        if ((Mode() == CustWitsMode::Pason || Mode() == CustWitsMode::Other) && host.writeBlock)
            host.writeBlock(block, count);
    });
}

CUSTWITS::~CUSTWITS() { FlushSamples(); }

void CUSTWITS::Refresh()
{
    if (host.refresh)
        host.refresh(host);
}

WITSRECORD& CUSTWITS::Sample() { return samples_.Fill(platform::LocalTime()); }

float CUSTWITS::WitsPercent() const { return goodPolls / std::max(polls, 1.0f) * 100.0f; }

void CUSTWITS::SetLine(int line, std::string text)
{
    if (line >= 0 && line < kDisplayLines)
        displayLines[std::size_t(line)] = DisplayLine(std::move(text));
}

void CUSTWITS::CountGoodPoll()
{
    if (holeDepthCounted)
        return;
    goodPolls += 1;
    holeDepthCounted = true;
}

void CUSTWITS::ReadResponse(std::uintptr_t, std::intptr_t lParam)
{
    Refresh();
    // The read leaves room for the terminating NUL: what does not fit comes with the next notice.
    receive.fill('\0');
    const auto length = std::uint16_t(lParam & 0xFFFF);
    const int n = std::clamp(platform::ReadTransparentResponse(linkHandle, length, receive.data(), kCustReceiveSize - 1),
                             0, kCustReceiveSize - 1);
    const std::string_view text(receive.data(), std::size_t(n));

    bytesIn = std::int32_t(std::uint32_t(bytesIn) + std::uint32_t(n));  // wraps after 2 GB, never overflows
    SetLine(15, platform::CFormat("%d", bytesIn));
    if (n > 0)
        LogTraffic(text);
    if (Mode() != CustWitsMode::WitsOut) {
        ParseItems(text);
        if (dataWindow)
            dataWindow->UpdateValues(displayLines, false);
    }
    reply_.Replied();
}

void CUSTWITS::ParseItems(std::string_view text)
{
    reader_.Feed(text);
    // A device that does not end its answers with "!!" has its sample closed at the end of a read that
    // ended on a whole line.
    if (itemsSinceFrameEnd_ && reader_.CarriedBytes() == 0)
        EndFrame();
}

void CUSTWITS::Item(const WitsItem& item)
{
    itemsSinceFrameEnd_ = true;
    ProcessItem(item.code, item.value);
}

void CUSTWITS::FrameEnd()
{
    if (itemsSinceFrameEnd_)
        DriveStatus();
}

void CUSTWITS::DriveStatus()
{
    Refresh();
    itemsSinceFrameEnd_ = false;
    const WITSRECORD& s = samples_.Current();
    if (samples_.Open() && trackDepth && s.bitDepth > 0)
        DriveDrillingStatus(host.driller, s, kCustomBottomRule);
}

void CUSTWITS::EndFrame()
{
    DriveStatus();
    samples_.Close();
}

void CUSTWITS::FinishSample(WITSRECORD& s)
{
    Refresh();
    if (polls > 0)
        s.witsPercent = goodPolls / polls * 100.0f;
    if (const drilling::Driller* d = host.driller) {
        s.rop = float(d->rate);
        s.lagDepth = std::int32_t(TruncInt(d->lagDepth) & 0xFFFF);
    }
    if (const gasmon::AutoGas* gas = host.gas) {
        s.totalGas = gas->Readings().currentTotalGas;
        s.gasMonitorValue = std::uint16_t(TruncInt(gas->Readings().secondReading));
    }
    const float bit = s.bitDepth;
    const bool followBit = (!host.unmannedUnit && Mode() == CustWitsMode::Pason) || Mode() == CustWitsMode::Other;
    if (followBit && bit > 0 && s.holeDepth < bit && float(trackedDepth) <= bit)
        s.holeDepth = bit;
}

void CUSTWITS::KeepPercent()
{
    // The percent of this window's polls, answered or not: a silent device lowers it.
    const float percent = WitsPercent();
    PublishWitsPercent(percent, host.driller, *alarms_);
    SetLine(7, platform::CFormat("%2.1f", double(percent)));
}

void CUSTWITS::SendOutput()
{
    Refresh();
    samples_.SlotCheck(platform::LocalTime());  // a slot passed without more items: its sample is closed
    const std::int64_t now = platform::SteadyMs();
    if (!reply_.Ready(now, replyTimeoutMs))
        return;  // no answer in time makes it ready: the poll counted without a good one
    std::string text = Mode() == CustWitsMode::WitsOut ? BuildWitsOutFrame() : BuildOutputFrame();
    const bool percentKept = polls > 0;
    if (percentKept)
        KeepPercent();
    if (polls == float(kCustPollWindow)) {
        polls = 1;
        goodPolls = 0;
    } else {
        polls += 1;
    }
    if (Mode() == CustWitsMode::Bloodhound)
        text = kStartToken;
    bytesOut = std::int32_t(std::uint32_t(bytesOut) + std::uint32_t(text.size()));
    SetLine(16, platform::CFormat("%d", bytesOut));
    if (dataWindow)
        dataWindow->UpdateValues(displayLines, percentKept);

    // A new poll: its answer may count as good once, however the device cuts it.
    holeDepthCounted = false;
    reply_.Send(linkHandle, text, now);
}

std::string CUSTWITS::BuildOutputFrame() const
{
    const float lagDepth = host.driller ? host.driller->lagDepth : 0.0f;
    const float totalGas = host.gas ? host.gas->Readings().currentTotalGas : kNoMonitorGas;
    std::string frame = "&&\r\n";
    frame += platform::CFormat("0139%4.2f\r\n", double(lagDepth));
    frame += platform::CFormat("0140%5.2f\r\n", double(totalGas));
    frame += "!!\r\n";
    return frame;
}

std::string CUSTWITS::BuildWitsOutFrame()
{
    Refresh();
    std::string frame = "&&\r\n";
    if (host.standardLinkRuns) {
        const float bit = host.link->lastBitDepth;
        const float hole = host.link->lastHoleDepth;
        frame += platform::CFormat("0108%.2f\r\n", double(bit));
        frame += platform::CFormat("0110%.2f\r\n", double(hole));
        frame += "!!\r\n";
        SetLine(10, platform::CFormat("%5.2f", double(bit)));
        SetLine(5, platform::CFormat("%5.2f", double(hole)));
        return frame;
    }
    // The test pattern: the total gas moves through the pattern; the components follow it on the first
    // and every tenth frame.
    const int last = std::clamp(host.witsOutPatternLast, 0, kWitsOutPatternSize - 1);
    patternIndex = std::clamp(patternIndex, 0, last);
    const float totalGas = host.witsOutPattern[std::size_t(patternIndex)];
    ++patternCalls;
    if (patternCalls == 1 || patternCalls % 10 == 0) {
        ++patternIndex;
        patternValues = {totalGas,          totalGas * 0.75f,  totalGas * 0.5f, totalGas * 0.25f,
                         totalGas * 0.125f, totalGas * 0.075f, 0.0f,            0.0f};
    }
    if (patternIndex > last)
        patternIndex = 0;
    const std::int32_t depth = host.well->fileBottomDepth;
    frame += platform::CFormat("0108%d\r\n", depth);
    frame += platform::CFormat("0110%d\r\n", depth);
    frame += platform::CFormat("0140%d\r\n", TruncInt(totalGas));
    for (int i = 0; i < 6; ++i)
        frame += platform::CFormat("%d%d\r\n", 1212 + i, TruncInt(patternValues[std::size_t(i + 1)]));
    frame += "12222.5\r\n!!\r\n";
    return frame;
}

void CUSTWITS::LogTraffic(std::string_view text) const
{
    LogCustomTraffic(host.well->dataFolder, platform::LocalTime(), text);
}

}  // namespace wits
