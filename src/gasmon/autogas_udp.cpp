// The UDP gas interface (instrument type 9): the link's start and stop, and what each tick of timer 1
// makes of the latest packet: the depths drive drilling mode, the gas values the chromatograph cycle.
#include "gasmon/autogas.h"
#include "gasmon/enginehelpers.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/numbers.h"
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
    cycle_.previousWholeHoleDepth = 0;
    udp_.Start(settings_.address);
    if (host.setTimer)
        host.setTimer(kUdpTimer, kUdpTimerMs);
    return 1;
}

int AutoGas::StopUdp()
{
    udp_.Stop();
    if (host.killTimer)
        host.killTimer(kUdpTimer);
    if (display_) {
        settings_.windowLeft = display_->Left();
        settings_.windowTop = display_->Top();
        GASMONCFG cfg{};
        if (host.readConfig && host.readConfig(cfg) == 1) {
            cfg.gasWindowLeft = settings_.windowLeft;
            cfg.gasWindowTop = settings_.windowTop;
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
    readings_.lines[0].clear();
    readings_.lines[1].clear();
    const UdpPacket p = udp_.Latest();

    if (p.cycleFlag == 1 && cycle_.lastCycleFlag != 1) {
        StartCycle();
        cycle_.cycleSeconds = std::int32_t((platform::SteadyMs() - cycle_.cycleStartMs) / 1000);
        cycle_.componentIndex = 1;
    }
    cycle_.lastCycleFlag = p.cycleFlag;

    TrackUdpDepth(p);

    const float total = p.totalGas * settings_.effectiveFactors[0];
    const float ch = p.chromat * settings_.effectiveFactors[1];
    readings_.chartMaxima[0] = std::max(readings_.chartMaxima[0], total);
    readings_.chartMaxima[1] = std::max(readings_.chartMaxima[1], ch);
    if (requests_.calibrationCycle) {
        CalibrationResponse(ch, total);
        if (display_)
            display_->SetLines(&readings_.lines[0], &readings_.lines[1], nullptr, nullptr);
        return;
    }

    readings_.record.lastRawTotalGas = total;
    if (host.Co2Track())
        readings_.values[8] = std::max(readings_.values[8], p.extra);
    readings_.values[0] = total - settings_.zeros[0];
    readings_.currentTotalGas = readings_.values[0];
    readings_.record.totalGas = std::max(readings_.record.totalGas, readings_.values[0]);

    // The total gas of the sample: the ticks of the three seconds after the sample second.
    const int t = cycle_.cycleSeconds;
    if (t >= settings_.hwDelay && t < settings_.hwDelay + 3) {
        if (cycle_.sampleTimeCount == 0)
            cycle_.sampleTimeSum = 0;  // a new sample: the last one's average is not part of it
        cycle_.sampleTimeSum += readings_.values[0];
        ++cycle_.sampleTimeCount;
    } else if (t >= settings_.hwDelay + 3 && cycle_.sampleTimeCount > 0) {
        cycle_.sampleTimeTotalGas = cycle_.sampleTimeSum / float(cycle_.sampleTimeCount);
        cycle_.sampleTimeCount = 0;
    }

    WatchGasAlarms(kUdpHighGasTicks);
    TrackUdpPeak(ch);
    ShowUdpLines(p);
}

void AutoGas::TrackUdpDepth(const UdpPacket& p)
{
    drilling::Driller* d = host.Driller();
    if (host.WitsLinkOn() && d && d->Setup().depthFromWits)
        return;  // the WITS link brings the depth
    const std::int32_t first = host.Well() ? host.Well()->fileTopDepth : 0;
    if (!(float(first) < p.holeDepth && float(first) < p.bitDepth))
        return;
    if (host.OutsideHoleDepth())
        *host.OutsideHoleDepth() = p.holeDepth;

    drilling::LogTime* time = d ? d->Time() : nullptr;
    if (d && p.bitDepth >= p.holeDepth) {
        d->SetOffBottom(false);
        if (time && time->offBottom)
            time->GoOnBottom();
    }
    if (d && p.bitDepth < p.holeDepth - kOffBottomMargin) {
        d->SetOffBottom(true);
        if (time) {
            time->GoOffBottom();
            if (p.pumpPressure > kCirculatingPressure)
                time->circulating = 1;
            else if (time->circulating)
                time->ClearCirculating();
        }
    }

    const std::int32_t whole = platform::TruncInt(p.holeDepth);
    if (p.holeDepth > 0 && whole < cycle_.previousWholeHoleDepth)
        cycle_.previousWholeHoleDepth = whole;
    if (d && whole > cycle_.previousWholeHoleDepth && cycle_.previousWholeHoleDepth > first + kFirstStepUnits) {
        // Each whole unit of a rise is a depth record; a rise too large to be drilling is one step.
        const std::int64_t rise = std::int64_t(whole) - cycle_.previousWholeHoleDepth;
        d->MarkSteps(drilling::StepSource::WholeUnitBox, rise <= kLongestRise ? int(rise) : 1);
    }
    cycle_.previousWholeHoleDepth = whole;
    if (d)
        d->ShowDepthStatus();
}

void AutoGas::TrackUdpPeak(float ch)
{
    const int t = cycle_.cycleSeconds;
    const int k = cycle_.componentIndex;
    const std::size_t i = std::size_t(std::clamp(k, 0, 7));
    float value = ch;
    if (t > settings_.baselineSecond - 2 && t < settings_.baselineSecond + 2) {
        if (cycle_.baselineCount == 0)
            cycle_.baselineSum = 0;
        cycle_.baselineSum += ch;
        ++cycle_.baselineCount;
    } else if (settings_.c4ZeroSecond > 0 && t > settings_.c4ZeroSecond - 2 && t < settings_.c4ZeroSecond + 2) {
        if (cycle_.keptBaselineCount == 0)
            cycle_.keptBaselineSum = 0;
        cycle_.keptBaselineSum += ch;
        ++cycle_.keptBaselineCount;
    } else if (k >= 1 && k <= 7 && settings_.elutionTimes[i] - settings_.windowStart[i] < t &&
               t < settings_.elutionTimes[i] + settings_.windowEnd[i]) {
        if (k == 1 && cycle_.baselineCount > 0) {
            settings_.zeros[1] = cycle_.baselineSum / float(cycle_.baselineCount);
            cycle_.baselineCount = 0;
            settings_.zeros[2] = settings_.zeros[1];
            cycle_.chartBaselines = {settings_.zeros[1], settings_.zeros[1]};
        } else if (settings_.c4ZeroSecond > 0 && k == 4 && cycle_.keptBaselineCount > 0) {
            settings_.zeros[2] = cycle_.keptBaselineSum / float(cycle_.keptBaselineCount);
            cycle_.keptBaselineCount = 0;
            cycle_.chartBaselines[1] = settings_.zeros[2];
        }
        value = ch - (k <= 3 ? settings_.zeros[1] : settings_.zeros[2]) - settings_.componentOffsets[i];
        readings_.values[i] = std::max(readings_.values[i], value);
    }
    readings_.currentChromat = std::max(value, 0.0f);
}

void AutoGas::ShowUdpLines(const UdpPacket& p)
{
    using platform::CFormat;
    const auto v = [this](int i) { return platform::Whole(readings_.values[std::size_t(i)]); };
    readings_.lines[0] = LineText(CFormat("%-5d %-5d %-5d %-5d %-4d %-4d%-4d %-d    %2d  ", v(0), v(1), v(2), v(3),
                                          v(4), v(5), v(6), cycle_.componentIndex, cycle_.cycleSeconds));
    readings_.lines[1] = LineText(
        CFormat("CHROM VAL=%.2f  Packets= %d  PK SIZE = %d", double(p.chromat), udp_.receiveCounter(), udp_.status()));
    const int k = std::clamp(cycle_.componentIndex, 0, int(readings_.values.size()) - 1);
    readings_.lines[2] = LineText(CFormat("HD= %6.2f   BD= %6.2f  PP=%d  C%d=%.2f flag=%d", double(p.holeDepth),
                                          double(p.bitDepth), platform::Whole(p.pumpPressure), cycle_.componentIndex,
                                          double(readings_.values[std::size_t(k)]), p.cycleFlag));
    if (display_) {
        display_->SetCaption(QStringLiteral("StrativM Gas Monitor"));
        display_->SetLines(&readings_.lines[0], &readings_.lines[1], &readings_.lines[2], nullptr);
    }
}

}  // namespace gasmon
