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
constexpr float kNoMonitorGas = 0.1f;      // the total gas polled without a gas monitor

}  // namespace

CUSTWITS::CUSTWITS(CustWitsHost& h, WitsAlarmHost alarmHost) : host(h)
{
    app::WitsLinkState& link = host.Link();
    link.customLinkTotalGas = 0;
    link.lastBitDepth = 0;
    link.lastHoleDepth = 0;
    alarms_ = std::make_unique<WitsAlarms>(std::move(alarmHost));
    samples_.SetFinish([this](wellfile::WITSRECORD& s) { FinishSample(s); });
    samples_.SetWriter([this](const wellfile::WITSRECORD* block, int count) {
        if ((Mode() == CustWitsMode::Pason || Mode() == CustWitsMode::Other) && host.writeBlock)
            host.writeBlock(block, count);
    });
}

CUSTWITS::~CUSTWITS() { FlushSamples(); }

void CUSTWITS::SetGasWindow(std::unique_ptr<gasmon::GasDisplay> window) { gasWindow_ = std::move(window); }

wellfile::WITSRECORD& CUSTWITS::Sample() { return samples_.Fill(platform::LocalTime()); }

void CUSTWITS::SetLine(int line, std::string text)
{
    if (line >= 0 && line < kDisplayLines)
        lines_[std::size_t(line)] = DisplayLine(std::move(text));
}

void CUSTWITS::ReadResponse(std::uintptr_t, std::intptr_t lParam)
{
    // The read leaves room for the terminating NUL: what does not fit comes with the next notice.
    receive_.fill('\0');
    const auto length = std::uint16_t(lParam & 0xFFFF);
    const int n = std::clamp(platform::ReadTransparentResponse(handle_, length, receive_.data(), kCustReceiveSize - 1),
                             0, kCustReceiveSize - 1);
    const std::string_view text(receive_.data(), std::size_t(n));

    // Wraps after 2 GB, never overflows.
    polls_.bytesIn = std::int32_t(std::uint32_t(polls_.bytesIn) + std::uint32_t(n));
    SetLine(15, platform::CFormat("%d", polls_.bytesIn));
    if (n > 0)
        LogTraffic(text);
    if (Mode() != CustWitsMode::WitsOut) {
        ParseItems(text);
        if (dataWindow_)
            dataWindow_->UpdateValues(lines_, false);
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
    itemsSinceFrameEnd_ = false;
    const wellfile::WITSRECORD& s = samples_.Current();
    if (samples_.Open() && settings_.trackDepth && s.bitDepth > 0)
        DriveDrillingStatus(host.Driller(), s, kCustomBottomRule);
}

void CUSTWITS::EndFrame()
{
    DriveStatus();
    samples_.Close();
}

void CUSTWITS::FinishSample(wellfile::WITSRECORD& s)
{
    if (polls_.percent.exchanges > 0)
        s.witsPercent = polls_.percent.Percent();
    if (const drilling::Driller* d = host.Driller()) {
        s.rop = float(d->Rate());
        s.lagDepth = std::int32_t(TruncInt(d->LagDepth()) & 0xFFFF);
    }
    if (const gasmon::AutoGas* gas = host.Gas()) {
        s.totalGas = gas->Readings().currentTotalGas;
        s.gasMonitorValue = std::uint16_t(TruncInt(gas->Readings().secondReading));
    }
    const float bit = s.bitDepth;
    const bool followBit = (!host.UnmannedUnit() && Mode() == CustWitsMode::Pason) || Mode() == CustWitsMode::Other;
    if (followBit && bit > 0 && s.holeDepth < bit && float(depth_.trackedDepth) <= bit)
        s.holeDepth = bit;
}

void CUSTWITS::KeepPercent()
{
    // The percent of this window's polls, answered or not: a silent device lowers it.
    const float percent = WitsPercent();
    PublishWitsPercent(percent, host.Driller(), *alarms_);
    SetLine(7, platform::CFormat("%2.1f", double(percent)));
}

void CUSTWITS::SendOutput()
{
    samples_.SlotCheck(platform::LocalTime());  // a slot passed without more items: its sample is closed
    const std::int64_t now = platform::SteadyMs();
    if (!reply_.Ready(now, settings_.replyTimeoutMs))
        return;  // no answer in time makes it ready: the poll counted without a good one
    std::string text = Mode() == CustWitsMode::WitsOut ? BuildWitsOutFrame() : BuildOutputFrame();
    const bool percentKept = polls_.percent.exchanges > 0;
    if (percentKept)
        KeepPercent();
    polls_.percent.Next();
    if (Mode() == CustWitsMode::Bloodhound)
        text = kStartToken;
    polls_.bytesOut = std::int32_t(std::uint32_t(polls_.bytesOut) + std::uint32_t(text.size()));
    SetLine(16, platform::CFormat("%d", polls_.bytesOut));
    if (dataWindow_)
        dataWindow_->UpdateValues(lines_, percentKept);

    // A new poll: its answer may count as good once, however the device cuts it.
    polls_.percent.counted = false;
    reply_.Send(handle_, text, now);
}

std::string CUSTWITS::BuildOutputFrame() const
{
    const float lagDepth = host.Driller() ? host.Driller()->LagDepth() : 0.0f;
    const float totalGas = host.Gas() ? host.Gas()->Readings().currentTotalGas : kNoMonitorGas;
    std::string frame = "&&\r\n";
    frame += platform::CFormat("0139%4.2f\r\n", double(lagDepth));
    frame += platform::CFormat("0140%5.2f\r\n", double(totalGas));
    frame += "!!\r\n";
    return frame;
}

std::string CUSTWITS::BuildWitsOutFrame()
{
    std::string frame = "&&\r\n";
    if (host.StandardLinkRuns()) {
        const float bit = host.Link().lastBitDepth;
        const float hole = host.Link().lastHoleDepth;
        frame += platform::CFormat("0108%.2f\r\n", double(bit));
        frame += platform::CFormat("0110%.2f\r\n", double(hole));
        frame += "!!\r\n";
        SetLine(10, platform::CFormat("%5.2f", double(bit)));
        SetLine(5, platform::CFormat("%5.2f", double(hole)));
        return frame;
    }
    // The test pattern: the total gas moves through the pattern; the components follow it on the first
    // and every tenth frame.
    const int last = std::clamp(host.WitsOutPatternLast(), 0, kWitsOutPatternSize - 1);
    polls_.patternIndex = std::clamp(polls_.patternIndex, 0, last);
    const float totalGas = host.WitsOutPattern()[std::size_t(polls_.patternIndex)];
    ++polls_.patternCalls;
    if (polls_.patternCalls == 1 || polls_.patternCalls % 10 == 0) {
        ++polls_.patternIndex;
        polls_.patternValues = {totalGas,          totalGas * 0.75f,  totalGas * 0.5f, totalGas * 0.25f,
                                totalGas * 0.125f, totalGas * 0.075f, 0.0f,            0.0f};
    }
    if (polls_.patternIndex > last)
        polls_.patternIndex = 0;
    const std::int32_t depth = host.Well().fileBottomDepth;
    frame += platform::CFormat("0108%d\r\n", depth);
    frame += platform::CFormat("0110%d\r\n", depth);
    frame += platform::CFormat("0140%d\r\n", TruncInt(totalGas));
    for (int i = 0; i < 6; ++i)
        frame += platform::CFormat("%d%d\r\n", 1212 + i, TruncInt(polls_.patternValues[std::size_t(i + 1)]));
    frame += "12222.5\r\n!!\r\n";
    return frame;
}

void CUSTWITS::LogTraffic(std::string_view text) const
{
    LogCustomTraffic(host.Well().dataFolder, platform::LocalTime(), text);
}

}  // namespace wits
