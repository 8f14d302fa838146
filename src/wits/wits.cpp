#include "wits/wits.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "drilling/pumpthreads.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wits/sidefiles.h"
#include "wits/tenthsdigit.h"
#include "wits/witsserver.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace wits {

namespace {

bool GasOverLink(int gasMonitorType) { return gasMonitorType == 10 || gasMonitorType == 11; }

}  // namespace

Wits::Wits(WitsHost& h, WitsAlarmHost alarmHost) : host(h)
{
    Refresh();
    if (host.pumps)
        host.pumps->Reset();
    if (host.link) {
        host.link->gasMaxima.fill(0);
        host.link->gasMaxima[0] = -1.0f;
        host.link->liveValues2.fill(0);
    }
    gasShares[0] = 1.0f;
    SetMaxChars(maxChars);
    alarms_ = std::make_unique<WitsAlarms>(std::move(alarmHost));
    samples_.SetFinish([this](WITSRECORD& s) { FinishSample(s); });
    samples_.SetWriter([this](const WITSRECORD* block, int count) { WriteBlock(block, count); });
}

Wits::~Wits()
{
    FlushSamples();  // the samples of an unfinished block are not lost with the engine
    CloseTcpClient();
    StopWitsServer();
}

void Wits::NewAlarms() { alarms_->Reload(); }

WITSRECORD& Wits::Sample() { return samples_.Fill(platform::LocalTime()); }

void Wits::Refresh()
{
    if (host.refresh)
        host.refresh(host);
}

void Wits::CountGoodFrame()
{
    if (frameCounted)
        return;
    goodFrameCount += 1;
    frameCounted = true;
}

float Wits::WitsPercent() const { return goodFrameCount / std::max(frameCount, 1.0f) * 100.0f; }

void Wits::SetLine(int line, std::string text)
{
    if (line >= 0 && line < kDisplayLines)
        displayLines[std::size_t(line)] = DisplayLine(std::move(text));
}

void Wits::FeedAlarm(int channel, double value)
{
    // The hole and the bit depth count a value on a limit as beyond it.
    const WitsLimits limits =
        channel == kHoleDepthChannel || channel == kBitDepthChannel ? WitsLimits::Inclusive : WitsLimits::Strict;
    alarms_->Feed(channel, float(value), limits);
}

void Wits::DispatchItem(std::string_view code, std::string_view value, bool marked)
{
    Refresh();
    const int item = platform::LeadingInt(code);
    gasFromMonitor = false;
    if (host.gas && (host.profile == 2 || host.profile == 60))
        gasFromMonitor = host.gas->Readings().gasFromWits;
    if (GasOverLink(host.gasMonitorType))
        host.link->gasOverWits = true;
    if (tenthsDigit < 10 && tenthsDigit % 2 == 0)
        gammaSlot = mwdSlot = tenthsDigit / 2;

    const ItemRow* row = FindItem(item);
    if (row && row->effect == Effect::Marker)
        return;
    if (row) {
        newData_ = true;  // the sample holds data the next depth step may take
        const double v = ConvertValue(*row, value);
        StoreField(*row, Sample(), v);
        const double stored = row->sampleOffset >= 0 ? ReadField(*row, Sample()) : v;
        if (drilling::Driller* d = host.driller) {
            if (row->live == Live::Same)
                StoreField(*row, d->live, stored);
            else if (row->live == Live::Larger)
                StoreField(*row, d->live, std::max(stored, ReadField(*row, d->live)));
        }
        if (std::optional<std::string> text = DisplayText(*row, stored))
            SetLine(row->displayLine, std::move(*text));
        ApplyEffect(*row, stored);
        if (row->alarmChannel >= 0)
            FeedAlarm(row->alarmChannel, stored);
    }

    if (gasFromMonitor)
        FeedGasMonitor(item, platform::LeadingFloat(value), marked);
    else if (GasOverLink(host.gasMonitorType))
        TakeLinkGas(item, value, marked);
}

void Wits::ApplyEffect(const ItemRow& row, double value)
{
    drilling::Driller* d = host.driller;
    switch (row.effect) {
    case Effect::HalfStep:
        host.link->lastBitDepth = float(value);
        MarkHalfStep(float(value));
        break;
    case Effect::Tracking:
        host.link->lastHoleDepth = float(value);
        TrackDepth(float(value));
        break;
    case Effect::RpmSeen:
        rpmSeen = true;
        break;
    case Effect::CasingFlag:
    case Effect::PitVolumeFlag:
    case Effect::FlowFlag:
        SetDrillingAlarmFlag(host.driller, row.effect);
        break;
    case Effect::PumpRate:
        SetPumpRate(row.pump, value);
        break;
    case Effect::LagDepth:
        SetLagDepth(value);
        break;
    case Effect::Item0142:
        if (d)
            d->item0142[0] = d->item0142[1] = float(value);
        break;
    case Effect::Item0145:
        if (d)
            d->item0145[0] = d->item0145[1] = float(value);
        break;
    case Effect::MwdDepth:
        if (host.link->mwdSensorOffset <= 0)
            mwdDepth = TruncInt(value);
        break;
    case Effect::MwdA:
    case Effect::MwdB:
        SetMwdValue(row.effect == Effect::MwdA, value);
        break;
    case Effect::GammaDepth:
        if (host.link->gammaSensorOffset <= 0) {
            gammaDepth = float(value);
            if (host.link->mwdDisplay)
                SetLine(14, platform::CFormat("%-.1f", double(gammaDepth)));
            CountGoodFrame();
        }
        break;
    case Effect::Gamma:
        SetGamma(value);
        break;
    case Effect::None:
    case Effect::Marker:
        break;
    }
}

// With the half-unit interface a bit past the middle of the tracked unit marks the half step, once.
void Wits::MarkHalfStep(float bitDepth)
{
    drilling::Driller* d = host.driller;
    WitsLinkState& link = *host.link;
    if (!link.halfUnitInterface || !d || (d->time && d->time->offBottom != 0) || float(trackedDepth) > bitDepth)
        return;
    tenthsDigit = TenthsDigit2(bitDepth);
    if (tenthsDigit >= 5 && tenthsDigit <= 9 && !link.halfStepMarked) {
        d->halfStepPending = 1;
        link.halfStepMarked = true;
    }
}

void Wits::TrackDepth(float holeDepth)
{
    drilling::Driller* d = host.driller;
    WitsLinkState& link = *host.link;
    const wellfile::OpenWell& well = *host.well;

    if (!gasFromMonitor) {
        if (holeDepth > 0)
            CountGoodFrame();
        frameCount = std::max(frameCount, 1.0f);
        const float percent = WitsPercent();
        if (d)
            d->live.witsPercent = percent;
        SetLine(7, platform::CFormat("%2.1f", double(percent)));
    }
    if (d)
        SetWitsPercentFlag(*d, d->live.witsPercent);
    link.holeDepth = holeDepth;
    const std::int32_t hole = TruncInt(link.holeDepth);
    if (d && d->waitingForWitsDepth && !firstFrame && hole > trackedDepth) {
        d->waitingForWitsDepth = 0;
        d->witsDepthWait = 0;
        link.depthTracking = true;
    }
    // Downward the tracked depth follows at once; upward only through the steps below.
    if (!host.unmannedUnit && link.holeDepth > 0 && (float(trackedDepth) > link.holeDepth || trackedDepth == 0))
        trackedDepth = hole;
    if (!link.depthTracking)
        return;

    const float bitDepth = Sample().bitDepth;
    const std::int32_t wellStart = well.fileTopDepth + 20;
    if (host.unmannedUnit && bitDepth > 0 && bitDepth == holeDepth) {
        // The bit on bottom: a change other than the next unit corrects the file's depth.
        const std::int32_t depth = hole;
        if (depth != trackedDepth && depth > wellStart) {
            if (depth == well.fileBottomDepth + 1) {
                if (d)
                    d->MarkStep(drilling::StepSource::Wits);
            } else {
                const int done = host.correctFileDepth ? host.correctFileDepth(depth) : 0;
                const QDateTime now = platform::LocalTime();
                const char* format = done ? " Depth Correction from %d to %d at %02d:%02d"
                                          : " Depth Correction failed from %d to %d at %02d:%02d";
                WriteUnmannedText(well.dataFolder, now.date(),
                                  platform::CFormat(format, trackedDepth, depth, now.time().hour(), now.time().minute()));
            }
            trackedDepth = depth;
        }
    } else if (!firstFrame && hole > trackedDepth && hole > wellStart) {
        // A jump of several units marks one step: a single bad sample never appends many records.
        if (d)
            d->MarkStep(drilling::StepSource::Wits);
        link.halfStepMarked = false;
        trackedDepth = hole;
    }
    if (host.showDepthStatus)
        host.showDepthStatus();
}

void Wits::SetPumpRate(int pump, double rate)
{
    pumpRateSeen = true;
    drilling::Driller* d = host.driller;
    if (!d)
        return;
    const float spm = float(rate);
    if (pump == 0)
        d->lag.pump1Spm = spm;
    else if (pump == 1)
        d->lag.pump2Spm = spm;
    else
        d->lag.pump3Spm = spm;
    if (host.strokesCounted && host.link->pumpRatesFromWits && host.pumps)
        host.pumps->SetRate(pump, spm);
}

void Wits::SetLagDepth(double value)
{
    drilling::Driller* d = host.driller;
    if (!host.link->lagFromWits || !d || value > double(host.well->fileBottomDepth))
        return;
    d->lagDepth = float(value);
    if (host.showLagStatus)
        host.showLagStatus(TruncInt(value));
}

// A limit of 0 is not set. Only the limits set are tested: a pit volume or a flow with only its low
// limit set is out of range below it, never above an unset high limit.
void PublishWitsPercent(float percent, drilling::Driller* d, WitsAlarms& alarms)
{
    if (d)
        d->live.witsPercent = percent;
    alarms.Feed(kWitsPercentChannel, percent, WitsLimits::Inclusive);
    if (d)
        SetWitsPercentFlag(*d, percent);
}

void SetWitsPercentFlag(drilling::Driller& d, float percent)
{
    if (!d.alarms)
        return;
    const std::int32_t minimum = d.alarms->settings.witsPercentLimit;
    if (minimum != 0)
        d.alarms->flags[drilling::kAlarmWitsPercent] = float(minimum) > percent ? 1 : 0;
}

void SetDrillingAlarmFlag(drilling::Driller* d, Effect effect)
{
    if (!d || !d->alarms)
        return;
    const drilling::AlarmSettings& s = d->alarms->settings;
    auto& flags = d->alarms->flags;
    const auto beyond = [](double v, std::int32_t low, std::int32_t high) {
        return (low != 0 && v < double(low)) || (high != 0 && v > double(high));
    };
    switch (effect) {
    case Effect::CasingFlag:
        if (s.casingLimit != 0)
            flags[drilling::kAlarmCasing] = double(d->live.casingPressure) >= double(s.casingLimit) ? 1 : 0;
        break;
    case Effect::PitVolumeFlag:
        if (s.pitVolumeMinimum != 0 || s.pitVolumeMaximum != 0)
            flags[drilling::kAlarmPitVolume] = beyond(d->live.pitVolume, s.pitVolumeMinimum, s.pitVolumeMaximum) ? 1 : 0;
        break;
    case Effect::FlowFlag:
        if (s.flowMinimum != 0 || s.flowMaximum != 0)
            flags[drilling::kAlarmFlow] = beyond(d->live.flow, s.flowMinimum, s.flowMaximum) ? 1 : 0;
        break;
    default:
        break;
    }
}

void Wits::SetMwdValue(bool slotsA, double value)
{
    const float v = std::max(float(value), 0.0f);
    std::array<float, 6>& subSteps = slotsA ? mwdSlotsA : mwdSlotsB;
    if (slotsA) {
        mwdValueA = v;
        mwdASeen = mwdASeen || v > 0;
    } else {
        mwdValueB = v;
        mwdBSeen = mwdBSeen || v > 0;
    }
    mwdDepth = TruncInt(double(host.well->fileBottomDepth) - double(host.link->mwdSensorOffset));
    subSteps[std::size_t(std::clamp(mwdSlot, 0, 4))] = v;
    subSteps[5] = kSlotFraction;
}

void Wits::SetGamma(double value)
{
    const WitsLinkState& link = *host.link;
    gamma = float(value);
    gammaSeen = gammaSeen || gamma > 0;
    if (link.mwdDisplay)
        SetLine(13, platform::CFormat("%-5d", int(Sample().gamma)));
    if (link.gammaSensorOffset > 0) {
        gammaDepth = float(host.well->fileBottomDepth) - link.gammaSensorOffset;
        if (link.mwdDisplay)
            SetLine(14, platform::CFormat("%-.1f", double(gammaDepth)));
        if (drilling::Driller* d = host.driller) {
            d->gammaSlots[std::clamp(gammaSlot, 0, 4)] = gamma;
            d->gammaStep = kSlotFraction;
        }
        CountGoodFrame();
    }
}

}  // namespace wits
