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

constexpr int kPercentWindow = 50;
constexpr int kStartTokenType = 11;  // this instrument is asked for its data with a start token

}  // namespace

void Wits::EvTimer()
{
    Refresh();
    samples_.SlotCheck(platform::LocalTime());  // a slot passed without more items: its sample is closed
    const std::int64_t now = platform::SteadyMs();
    if (!reply_.Ready(now, replyTimeoutMs))
        return;  // no reply in time makes it ready: this tick counts a frame without a good one
    if (fileInputMode) {
        if (QFileInfo::exists(resultFile))
            ReadTgaResultFile();
        else if (QFileInfo::exists(chromatographFile))
            ReadChromatographFile();
    }
    if (tcpOn && tcpServer) {
        ServeTick();  // the server sends no frame: it parses what its client sent
        return;
    }
    if (tcpOn && tcpClient_) {
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
    if (host.gasMonitorType == kStartTokenType)
        text = "svstart\r\n";
    if (bytesOut > kByteCountWrap)
        bytesOut = 0;
    bytesOut += std::int32_t(text.size());
    SetLine(16, platform::CFormat("%d", bytesOut));
    if (dataWindow)
        dataWindow->UpdateValues(displayLines, true);

    // A new exchange: the reply to this frame may count as good once, however it is cut.
    frameCounted = false;
    reply_.Send(linkHandle, text, now);
}

void Wits::KeepWitsPercent()
{
    if (frameCount <= 0)
        return;
    const float percent = goodFrameCount / frameCount * 100.0f;
    PublishWitsPercent(percent, host.driller, *alarms_);
    SetLine(7, platform::CFormat("%2.1f", double(percent)));
}

void Wits::CountFrame()
{
    if (frameCount == kPercentWindow) {
        frameCount = 1;
        goodFrameCount = 0;
    } else {
        frameCount += 1;
    }
}

}  // namespace wits
