// The UDP gas interface (instrument type 9): the link's start and stop, and what each tick of timer 1
// makes of the latest packet: the depths drive drilling mode, the gas values the chromatograph cycle.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/openwell.h"
#include "wits/itemtable.h"

#include <algorithm>

namespace gasmon {

namespace {

// Timer 7 runs while the interface is on; nothing is done on it.
constexpr int kUdpTimer = 7;
constexpr int kUdpTimerMs = 180000;
// Ticks above the high-gas units before the alarm is set.
constexpr int kUdpHighGasTicks = 75;
// A bit this far above the hole depth is off bottom; pump pressure above this circulates.
constexpr float kOffBottomMargin = 0.5f;
constexpr float kCirculatingPressure = 500.0f;
// The hole depth marks steps only this far below the file's first depth.
constexpr int kFirstStepUnits = 20;
// A rise of more units than this is no drilling (a new well, a corrected depth): it marks one step.
constexpr int kLongestRise = 100;

}  // namespace

int AutoGas::StartUdp()
{
    previousWholeHoleDepth = 0;
    udp.Start(address);
    if (host.setTimer)
        host.setTimer(kUdpTimer, kUdpTimerMs);
    return 1;
}

int AutoGas::StopUdp()
{
    udp.Stop();
    if (host.killTimer)
        host.killTimer(kUdpTimer);
    if (display_) {
        windowLeft = display_->Left();
        windowTop = display_->Top();
        GASMONCFG cfg{};
        if (host.readConfig && host.readConfig(cfg) == 1) {
            cfg.gasWindowLeft = windowLeft;
            cfg.gasWindowTop = windowTop;
            if (host.writeConfig)
                host.writeConfig(cfg);
        }
        display_.reset();
    }
    return 1;
}

void AutoGas::DecodeUdpPacket()
{
    if (!display_)
        OpenGasDisplay();
    lines[0].clear();
    lines[1].clear();
    const UdpPacket p = udp.Latest();

    if (p.cycleFlag == 1 && lastCycleFlag != 1) {
        StartCycle();
        cycleSeconds = std::int32_t((platform::SteadyMs() - cycleStartMs) / 1000);
        componentIndex = 1;
    }
    lastCycleFlag = p.cycleFlag;

    TrackUdpDepth(p);

    const float total = p.totalGas * effectiveFactors[0];
    const float ch = p.chromat * effectiveFactors[1];
    chartMaxima[0] = std::max(chartMaxima[0], total);
    chartMaxima[1] = std::max(chartMaxima[1], ch);
    if (calibrationCycle) {
        CalibrationResponse(ch, total);
        if (display_)
            display_->SetLines(&lines[0], &lines[1], nullptr, nullptr);
        return;
    }

    record.lastRawTotalGas = total;
    if (host.co2Track)
        values[8] = std::max(values[8], p.extra);
    values[0] = total - zeros[0];
    currentTotalGas = values[0];
    record.totalGas = std::max(record.totalGas, values[0]);

    // The total gas of the sample: the ticks of the three seconds after the sample second.
    const int t = cycleSeconds;
    if (t >= hwDelay && t < hwDelay + 3) {
        if (sampleTimeCount == 0)
            sampleTimeSum = 0;  // a new sample: the last one's average is not part of it
        sampleTimeSum += values[0];
        ++sampleTimeCount;
    } else if (t >= hwDelay + 3 && sampleTimeCount > 0) {
        sampleTimeTotalGas = sampleTimeSum / float(sampleTimeCount);
        sampleTimeCount = 0;
    }

    WatchGasAlarms(kUdpHighGasTicks);
    TrackUdpPeak(ch);
    ShowUdpLines(p);
}

void AutoGas::TrackUdpDepth(const UdpPacket& p)
{
    drilling::Driller* d = host.driller;
    if (host.witsLinkOn && d && d->depthFromWits)
        return;  // the WITS link brings the depth
    const std::int32_t first = host.well ? host.well->fileTopDepth : 0;
    if (!(float(first) < p.holeDepth && float(first) < p.bitDepth))
        return;
    if (host.outsideHoleDepth)
        *host.outsideHoleDepth = p.holeDepth;

    drilling::LogTime* time = d ? d->time.get() : nullptr;
    if (d && p.bitDepth >= p.holeDepth) {
        d->offBottom = 0;
        if (time && time->offBottom)
            time->GoOnBottom();
    }
    if (d && p.bitDepth < p.holeDepth - kOffBottomMargin) {
        d->offBottom = 1;
        if (time) {
            time->GoOffBottom();
            if (p.pumpPressure > kCirculatingPressure)
                time->circulating = 1;
            else if (time->circulating)
                time->ClearCirculating();
        }
    }

    const std::int32_t whole = wits::TruncInt(p.holeDepth);
    if (p.holeDepth > 0 && whole < previousWholeHoleDepth)
        previousWholeHoleDepth = whole;
    if (d && whole > previousWholeHoleDepth && previousWholeHoleDepth > first + kFirstStepUnits) {
        // Each whole unit of a rise is a depth record; a rise too large to be drilling is one step.
        const std::int64_t rise = std::int64_t(whole) - previousWholeHoleDepth;
        d->MarkSteps(drilling::StepSource::WholeUnitBox, rise <= kLongestRise ? int(rise) : 1);
    }
    previousWholeHoleDepth = whole;
    if (d)
        d->ShowDepthStatus();
}

void AutoGas::TrackUdpPeak(float ch)
{
    const int t = cycleSeconds;
    const int k = componentIndex;
    const std::size_t i = std::size_t(std::clamp(k, 0, 7));
    float value = ch;
    if (t > baselineSecond - 2 && t < baselineSecond + 2) {
        if (baselineCount == 0)
            baselineSum = 0;
        baselineSum += ch;
        ++baselineCount;
    } else if (c4ZeroSecond > 0 && t > c4ZeroSecond - 2 && t < c4ZeroSecond + 2) {
        if (keptBaselineCount == 0)
            keptBaselineSum = 0;
        keptBaselineSum += ch;
        ++keptBaselineCount;
    } else if (k >= 1 && k <= 7 && elutionTimes[i] - windowStart[i] < t && t < elutionTimes[i] + windowEnd[i]) {
        if (k == 1 && baselineCount > 0) {
            zeros[1] = baselineSum / float(baselineCount);
            baselineCount = 0;
            zeros[2] = zeros[1];
            chartBaselines = {zeros[1], zeros[1]};
        } else if (c4ZeroSecond > 0 && k == 4 && keptBaselineCount > 0) {
            zeros[2] = keptBaselineSum / float(keptBaselineCount);
            keptBaselineCount = 0;
            chartBaselines[1] = zeros[2];
        }
        value = ch - (k <= 3 ? zeros[1] : zeros[2]) - componentOffsets[i];
        values[i] = std::max(values[i], value);
    }
    currentChromat = std::max(value, 0.0f);
}

void AutoGas::ShowUdpLines(const UdpPacket& p)
{
    using platform::CFormat;
    const auto v = [this](int i) { return ShownInt(values[std::size_t(i)]); };
    lines[0] = LineText(CFormat("%-5d %-5d %-5d %-5d %-4d %-4d%-4d %-d    %2d  ", v(0), v(1), v(2), v(3), v(4), v(5), v(6),
                                componentIndex, cycleSeconds));
    lines[1] = LineText(CFormat("CHROM VAL=%.2f  Packets= %d  PK SIZE = %d", double(p.chromat), udp.receiveCounter(),
                                udp.status()));
    const int k = std::clamp(componentIndex, 0, int(values.size()) - 1);
    lines[2] = LineText(CFormat("HD= %6.2f   BD= %6.2f  PP=%d  C%d=%.2f flag=%d", double(p.holeDepth), double(p.bitDepth),
                                ShownInt(p.pumpPressure), componentIndex, double(values[std::size_t(k)]), p.cycleFlag));
    if (display_) {
        display_->SetCaption(QStringLiteral("StrativM Gas Monitor"));
        display_->SetLines(&lines[0], &lines[1], &lines[2], nullptr);
    }
}

}  // namespace gasmon
