// The standard WITS link's reading side: the text read from the library, the frame's end, the sample
// closed and the blocks written.
#include "wits/wits.h"

#include "drilling/driller.h"
#include "drilling/lagcalc.h"
#include "drilling/logtime.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "platform/textlink.h"
#include "wellfile/openwell.h"
#include "wits/dailyfile.h"
#include "wits/sidefiles.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace wits {

namespace {

constexpr std::size_t kTrafficCopy = 4000;

std::string Format(const char* format, auto... values)
{
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

int WholePart(float v) { return int(v); }

}  // namespace

void Wits::SetMaxChars(int chars)
{
    maxChars = std::clamp(chars, 1, 0xFFFF);
    input_.assign(std::size_t(maxChars) + 10, '\0');
}

void Wits::ReadInput(std::uintptr_t, std::intptr_t lParam)
{
    Refresh();
    if (input_.size() < std::size_t(maxChars) + 10)
        SetMaxChars(maxChars);
    std::fill(input_.begin(), input_.end(), '\0');
    const auto length = std::uint16_t(lParam & 0xFFFF);
    const int n = std::clamp(platform::ReadTransparentResponse(linkHandle, length, input_.data(), std::size_t(maxChars)),
                             0, maxChars);
    const std::string_view text(input_.data(), std::size_t(n));

    if (bytesIn > kByteCountWrap)
        bytesIn = 0;
    bytesIn += n;
    SetLine(15, Format("%d", bytesIn));
    ParseText(text, n >= length);

    if (dataWindow)
        dataWindow->UpdateValues(displayLines, true);
    if (host.link->trafficLog && n > 0)
        LogTraffic(host.well->dataFolder, platform::LocalTime(), text.substr(0, kTrafficCopy), false);
    reply_.Replied();
}

void Wits::ParseText(std::string_view text, bool allTaken, bool arrivedNow)
{
    pumpRateSum = 10;
    if (pumpRateSeen) {
        pumpRateSum = 0;
        if (const drilling::Driller* d = host.driller)
            pumpRateSum = drilling::WitsSpmOnHole(d->lag, d->live);
    }

    // Reads cut the text anywhere: every piece goes to the reader, which keeps an unended item for the
    // next one, but not across a silence longer than the reply time-out: what follows it is not the
    // rest of that item.
    const std::int64_t now = platform::SteadyMs();
    if (arrivedNow && reader_.CarriedBytes() > 0 && lastTextMs_ >= 0 &&
        now - lastTextMs_ > std::int64_t(replyTimeoutMs))
        reader_.Reset();
    if (!text.empty())
        lastTextMs_ = now;
    reader_.Feed(text);
    // Items not ended by "!!" at the end of a read that took all the text waiting and ended on a whole
    // line: the frame of a peer that never sends "!!" ends here, and its sample is closed.
    if (itemsSinceFrameEnd_ && reader_.CarriedBytes() == 0 && allTaken) {
        FinishFrame();
        CloseSample();
    }
}

void Wits::Item(const WitsItem& item)
{
    itemsSinceFrameEnd_ = true;
    DispatchItem(item.code, item.value, item.marked);
}

void Wits::FrameEnd()
{
    if (itemsSinceFrameEnd_)
        FinishFrame();
}

void Wits::FinishFrame()
{
    Refresh();
    itemsSinceFrameEnd_ = false;
    WitsLinkState& link = *host.link;
    const float c1 = gasValues[1];
    if (WholePart(c1) > WholePart(lastPublishedC1)) {
        std::copy_n(gasValues.begin(), 8, link.gasMaxima.begin());
        lastPublishedC1 = c1;
    }
    if (ratiosOn && !fileInputMode && ((link.gasMaxima[1] != c1 && c1 > 0) || firstFrame))
        ComputeGasShares();

    const float gasFactor = host.profile == 134 ? 0.01f : 1.0f;
    const float sum5 = gasValues[1] + gasValues[2] + gasValues[3] + gasValues[4] + gasValues[5];
    componentTotal = int(sum5);
    if (!link.fitMode)
        componentTotal = int(float(componentTotal) + gasValues[6] + gasValues[7]);
    if (c1 != lastC1Seen && c1 > 0) {
        ++cycleCount;
        lastC1Seen = c1;
    }
    if (gasWindow) {
        const std::string line1 =
            Format("%-3.2f  %-6d  %-6d %-6d  %-5d %-5d  %-5d %-5d   %d", double(gasValues[0] * gasFactor),
                   WholePart(gasValues[1]), WholePart(gasValues[2]), WholePart(gasValues[3]), WholePart(gasValues[4]),
                   WholePart(gasValues[5]), WholePart(gasValues[6]), WholePart(gasValues[7]), cycleCount);
        std::string line2 = Format("%-d  %-.2f  %-.2f %-.2f  %.2f  %.2f %.2f  %.2f", componentTotal, double(gasShares[1]),
                                   double(gasShares[2]), double(gasShares[3]), double(gasShares[4]),
                                   double(gasShares[5]), double(gasShares[6]), double(gasShares[7]));
        // Element i - 1 of the hold buffer; 0 outside it.
        const auto held = [this](int i) {
            return i >= 1 && i <= kHoldBufferSize ? double(holdBuffer[std::size_t(i - 1)]) : 0.0;
        };
        if (holdCount > 0 && holdNext == 0)
            line2 = Format("%2.1f %d", held(holdCount), holdCount);
        else if (holdNext > 0)
            line2 = Format("%2.1f %d %d %2.1f", held(holdCount), holdCount, holdNext, held(holdNext));
        const QString heading = QString::fromLatin1(line1);
        const QString first = QString::fromLatin1(line2);
        gasWindow->SetHeading(heading);
        gasWindow->SetLines(&first, nullptr, nullptr, nullptr);
    }
    if ((mwdASeen || mwdBSeen) && mwdDepth > lastMwdDepthWritten) {
        WriteMwdSlots(mwdDepth);
        lastMwdDepthWritten = mwdDepth;
    }
    if (samples_.Open()) {
        const WITSRECORD& s = samples_.Current();
        if (link.drivesDrillingStatus && s.bitDepth > 0 && s.holeDepth > 0 && !host.bottomSwitchKept)
            DriveDrillingStatus(host.driller, s, kStandardBottomRule);
    }
    const drilling::Driller* d = host.driller;
    if (link.pumpsOnSwitch && d && d->time && !d->time->strokes && host.pumpsOn) {
        link.pumpsOnSwitch = false;
        host.pumpsOn();
        link.pumpsOnSwitch = true;
    }
    // The frame-counted flag stays until the tick's next exchange: pieces of one reply count once.
    firstFrame = false;
}

void Wits::CloseSample() { samples_.Close(); }

void Wits::FlushSamples() { samples_.Flush(); }

void Wits::FinishSample(WITSRECORD& s)
{
    Refresh();
    if (frameCount > 0)
        s.witsPercent = goodFrameCount / frameCount * 100.0f;
    if (const drilling::Driller* d = host.driller) {
        s.rop = float(d->rate);
        s.lagDepth = std::int32_t(std::int32_t(d->lagDepth) & 0xFFFF);
    }
    if (const gasmon::AutoGas* gas = host.gas) {
        s.totalGas = gas->Readings().currentTotalGas;
        s.gasMonitorValue = std::uint16_t(gas->Readings().secondReading);
    }
    const float bit = s.bitDepth;
    if (!host.link->holdHoleDepth && bit > 0 && s.holeDepth < bit && bit >= float(bottomDepthAtConnect))
        s.holeDepth = bit;
    const QTime clock = platform::LocalTime().time();
    if (host.remoteCopy && clock.hour() == 0 && clock.minute() == 10 && clock.second() >= 1 && clock.second() <= 6 &&
        host.profile != 26 && host.profile != 12 && host.profile != 37)
        CleanRemoteWitsFiles();
}

void Wits::WriteBlock(const WITSRECORD* block, int count)
{
    if (host.writeBlock)
        host.writeBlock(block, count);
    const WITSRECORD& last = block[count - 1];
    if (!host.remoteCopy || (last.holeDepth <= 0 && last.bitDepth <= 0))
        return;
    // The copy of the previous block reads and deletes the transfer file: it ends before the file is
    // written again, or it would carry this block in place of its own and delete it.
    if (host.remoteCopyEnded)
        host.remoteCopyEnded();
    if (WriteRemoteBlock(block, count) && host.startRemoteCopy)
        host.startRemoteCopy(remoteFile);
}

bool Wits::WriteRemoteBlock(const WITSRECORD* block, int count)
{
    if (remoteFile.isEmpty())
        return false;
    return wits::WriteRemoteBlock(remoteFile, block, count);
}

void Wits::CleanRemoteWitsFiles()
{
    const QString folder = platform::FindFileNoCase(host.well->currentFolder, QStringLiteral("remote"));
    QDir dir(folder);
    if (!dir.exists())
        return;
    for (const QString& name : dir.entryList({QStringLiteral("*.wit"), QStringLiteral("*.WIT")}, QDir::Files))
        QFile::remove(dir.filePath(name));
}

}  // namespace wits
