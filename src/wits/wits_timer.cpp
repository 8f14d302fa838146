// Timer 4 of the standard WITS link: the result files of file-input mode, the outgoing frame on the
// serial link or the exchange over TCP, and the WITS percentage with its alarms.
#include "wits/wits.h"

#include "drilling/driller.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/textlink.h"

#include <QFileInfo>

namespace wits {

namespace {

constexpr int kStartTokenType = 11;  // this instrument is asked for its data with a start token

}  // namespace

void Wits::EvTimer()
{
    samples_.SlotCheck(platform::LocalTime());  // a slot passed without more items: its sample is closed
    const std::int64_t now = platform::SteadyMs();
    if (!reply_.Ready(now, connection_.replyTimeoutMs))
        return;  // no reply in time makes it ready: this tick counts a frame without a good one
    if (gasSettings_.fileInputMode) {
        if (QFileInfo::exists(gasSettings_.resultFile))
            ReadTgaResultFile();
        else if (QFileInfo::exists(gasSettings_.chromatographFile))
            ReadChromatographFile();
    }
    if (connection_.tcpOn && connection_.tcpServer) {
        ServeTick();  // the server sends no frame: it parses what its client sent
        return;
    }
    if (connection_.tcpOn && tcpClient_) {
        PollTcpClient();
        return;
    }
    SendSerialFrame(now);
}

void Wits::SendSerialFrame(std::int64_t now)
{
    std::string text = BuildOutputFrame();
    KeepWitsPercent();
    CountFrame();
    if (host.GasMonitorType() == kStartTokenType)
        text = "svstart\r\n";
    if (frames_.bytesOut > kByteCountWrap)
        frames_.bytesOut = 0;
    frames_.bytesOut += std::int32_t(text.size());
    SetLine(16, platform::CFormat("%d", frames_.bytesOut));
    if (dataWindow_)
        dataWindow_->UpdateValues(lines_, true);

    // A new exchange: the reply to this frame may count as good once, however it is cut.
    frames_.percent.counted = false;
    reply_.Send(handle_, text, now);
}

void Wits::KeepWitsPercent()
{
    if (frames_.percent.exchanges <= 0)
        return;
    const float percent = frames_.percent.Percent();
    PublishWitsPercent(percent, host.Driller(), *alarms_);
    SetLine(7, platform::CFormat("%2.1f", double(percent)));
}

void Wits::CountFrame() { frames_.percent.Next(); }

}  // namespace wits
