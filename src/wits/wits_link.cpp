// The standard WITS link's reading side: the text read from the library, the frame's end, the sample
// closed and the blocks written.
#include "wits/wits.h"

#include "drilling/driller.h"
#include "drilling/lagcalc.h"
#include "drilling/logtime.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "platform/folders.h"
#include "platform/numbers.h"
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

}  // namespace

void Wits::SetMaxChars(int chars)
{
    maxChars_ = std::clamp(chars, 1, 0xFFFF);
    input_.assign(std::size_t(maxChars_) + 10, '\0');
}

void Wits::ReadInput(std::uintptr_t, std::intptr_t lParam)
{
    if (input_.size() < std::size_t(maxChars_) + 10)
        SetMaxChars(maxChars_);
    std::fill(input_.begin(), input_.end(), '\0');
    const auto length = std::uint16_t(lParam & 0xFFFF);
    const int n = std::clamp(platform::ReadTransparentResponse(handle_, length, input_.data(), std::size_t(maxChars_)),
                             0, maxChars_);
    const std::string_view text(input_.data(), std::size_t(n));

    if (frames_.bytesIn > kByteCountWrap)
        frames_.bytesIn = 0;
    frames_.bytesIn += n;
    SetLine(15, Format("%d", frames_.bytesIn));
    ParseText(text, n >= length);

    if (dataWindow_)
        dataWindow_->UpdateValues(lines_, true);
    if (host.Link().trafficLog && n > 0)
        LogTraffic(host.Well().dataFolder, platform::LocalTime(), text.substr(0, kTrafficCopy), false);
    reply_.Replied();
}

void Wits::ParseText(std::string_view text, bool allTaken, bool arrivedNow)
{
    depth_.pumpRateSum = 10;
    if (depth_.pumpRateSeen) {
        depth_.pumpRateSum = 0;
        if (const drilling::Driller* d = host.Driller())
            depth_.pumpRateSum = drilling::WitsSpmOnHole(d->Lag(), d->Live());
    }

    // Reads cut the text anywhere: every piece goes to the reader, which keeps an unended item for the
    // next one, but not across a silence longer than the reply time-out: what follows it is not the
    // rest of that item.
    const std::int64_t now = platform::SteadyMs();
    if (arrivedNow && reader_.CarriedBytes() > 0 && lastTextMs_ >= 0 &&
        now - lastTextMs_ > std::int64_t(connection_.replyTimeoutMs))
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
    itemsSinceFrameEnd_ = false;
    app::WitsLinkState& link = host.Link();
    const auto& g = gas_.gasValues;
    const float c1 = g[1];
    if (platform::Whole(c1) > platform::Whole(frames_.lastPublishedC1)) {
        std::copy_n(g.begin(), 8, link.gasMaxima.begin());
        frames_.lastPublishedC1 = c1;
    }
    if (gasSettings_.ratiosOn && !gasSettings_.fileInputMode &&
        ((link.gasMaxima[1] != c1 && c1 > 0) || frames_.firstFrame))
        ComputeGasShares();

    const float gasFactor = host.Profile() == 134 ? 0.01f : 1.0f;
    const float sum5 = g[1] + g[2] + g[3] + g[4] + g[5];
    frames_.componentTotal = platform::Whole(sum5);
    if (!link.fitMode)
        frames_.componentTotal = platform::Whole(double(frames_.componentTotal) + g[6] + g[7]);
    if (c1 != frames_.lastC1Seen && c1 > 0) {
        ++frames_.cycleCount;
        frames_.lastC1Seen = c1;
    }
    if (gasWindow_) {
        const auto& shares = gas_.gasShares;
        using platform::Whole;
        const std::string line1 = Format("%-3.2f  %-6d  %-6d %-6d  %-5d %-5d  %-5d %-5d   %d", double(g[0] * gasFactor),
                                         Whole(g[1]), Whole(g[2]), Whole(g[3]), Whole(g[4]), Whole(g[5]), Whole(g[6]),
                                         Whole(g[7]), frames_.cycleCount);
        std::string line2 = Format("%-d  %-.2f  %-.2f %-.2f  %.2f  %.2f %.2f  %.2f", frames_.componentTotal,
                                   double(shares[1]), double(shares[2]), double(shares[3]), double(shares[4]),
                                   double(shares[5]), double(shares[6]), double(shares[7]));
        // Element i - 1 of the hold buffer; 0 outside it.
        const auto held = [this](int i) {
            return i >= 1 && i <= kHoldBufferSize ? double(hold_.holdBuffer[std::size_t(i - 1)]) : 0.0;
        };
        const std::int32_t count = hold_.holdCount;
        const std::int32_t next = hold_.holdNext;
        if (count > 0 && next == 0)
            line2 = Format("%2.1f %d", held(count), count);
        else if (next > 0)
            line2 = Format("%2.1f %d %d %2.1f", held(count), count, next, held(next));
        const QString heading = QString::fromLatin1(line1);
        const QString first = QString::fromLatin1(line2);
        gasWindow_->SetHeading(heading);
        gasWindow_->SetLines(&first, nullptr, nullptr, nullptr);
    }
    if ((mwd_.mwdASeen || mwd_.mwdBSeen) && mwd_.mwdDepth > frames_.lastMwdDepthWritten) {
        WriteMwdSlots(mwd_.mwdDepth);
        frames_.lastMwdDepthWritten = mwd_.mwdDepth;
    }
    if (samples_.Open()) {
        const wellfile::WITSRECORD& s = samples_.Current();
        if (link.drivesDrillingStatus && s.bitDepth > 0 && s.holeDepth > 0 && !host.BottomSwitchKept())
            DriveDrillingStatus(host.Driller(), s, kStandardBottomRule);
    }
    const drilling::Driller* d = host.Driller();
    if (link.pumpsOnSwitch && d && d->Time() && !d->Time()->strokes && host.pumpsOn) {
        link.pumpsOnSwitch = false;
        host.pumpsOn();
        link.pumpsOnSwitch = true;
    }
    // Gas booked while its record or the gas file could not be written goes in as soon as it can.
    if (!gas_.waiting.empty())
        WriteWaitingBookings();
    // The frame-counted flag stays until the tick's next exchange: pieces of one reply count once.
    frames_.firstFrame = false;
}

void Wits::CloseSample() { samples_.Close(); }

void Wits::FlushSamples() { samples_.Flush(); }

void Wits::FinishSample(wellfile::WITSRECORD& s)
{
    if (frames_.percent.exchanges > 0)
        s.witsPercent = frames_.percent.Percent();
    if (const drilling::Driller* d = host.Driller()) {
        s.rop = float(d->Rate());
        s.lagDepth = std::int32_t(std::int32_t(d->LagDepth()) & 0xFFFF);
    }
    if (const gasmon::AutoGas* gas = host.Gas()) {
        s.totalGas = gas->Readings().currentTotalGas;
        s.gasMonitorValue = std::uint16_t(gas->Readings().secondReading);
    }
    const float bit = s.bitDepth;
    if (!host.Link().holdHoleDepth && bit > 0 && s.holeDepth < bit && bit >= float(connection_.bottomDepthAtConnect))
        s.holeDepth = bit;
    const QTime clock = platform::LocalTime().time();
    if (host.RemoteCopy() && clock.hour() == 0 && clock.minute() == 10 && clock.second() >= 1 && clock.second() <= 6 &&
        host.Profile() != 26 && host.Profile() != 12 && host.Profile() != 37)
        CleanRemoteWitsFiles();
}

void Wits::WriteBlock(const wellfile::WITSRECORD* block, int count)
{
    if (host.writeBlock)
        host.writeBlock(block, count);
    const wellfile::WITSRECORD& last = block[count - 1];
    if (!host.RemoteCopy() || (last.holeDepth <= 0 && last.bitDepth <= 0))
        return;
    // The copy of the previous block reads and deletes the transfer file: it ends before the file is
    // written again, or it would carry this block in place of its own and delete it.
    if (host.remoteCopyEnded)
        host.remoteCopyEnded();
    if (WriteRemoteBlock(block, count) && host.startRemoteCopy)
        host.startRemoteCopy(connection_.remoteFile);
}

bool Wits::WriteRemoteBlock(const wellfile::WITSRECORD* block, int count)
{
    if (connection_.remoteFile.isEmpty())
        return false;
    return wits::WriteRemoteBlock(connection_.remoteFile, block, count);
}

void Wits::CleanRemoteWitsFiles()
{
    const QString folder = platform::FindFileNoCase(host.Well().currentFolder, QStringLiteral("remote"));
    QDir dir(folder);
    if (!dir.exists())
        return;
    for (const QString& name : dir.entryList({QStringLiteral("*.wit"), QStringLiteral("*.WIT")}, QDir::Files))
        QFile::remove(dir.filePath(name));
}

}  // namespace wits
