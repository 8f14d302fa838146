#include "wits/linkcommon.h"

#include "app/witslinkstate.h"
#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/textlink.h"
#include "wits/sidefiles.h"
#include "wits/witsalarms.h"
#include "wits/witshost.h"

#include <algorithm>

namespace wits {

namespace {

// The WITS percent of the live record (its alarm watches it).
void SetLiveWitsPercent(drilling::Driller& d, float percent)
{
    wellfile::WITSRECORD live = d.Live();
    live.witsPercent = percent;
    d.SetLive(live);
}

}  // namespace

void DriveDrillingStatus(drilling::Driller* d, const wellfile::WITSRECORD& s, const BottomRule& rule)
{
    if (!d)
        return;
    const float bit = s.bitDepth;
    const float hole = s.holeDepth;
    drilling::LogTime* time = d->Time();
    if (bit >= hole - rule.onBottomGap) {
        d->SetOffBottom(false);
        if (time && time->offBottom)
            time->GoOnBottom();
        return;
    }
    if (bit >= hole - rule.offBottomGap)
        return;  // between the two: as it was
    d->SetOffBottom(true);
    if (!time)
        return;
    time->GoOffBottom();
    if (time->strokes)
        return;
    const int pressure = s.pumpPressure;
    const bool pumping = rule.pumpRatesCount && (s.spm1 >= 20 || s.spm2 >= 20);
    const bool pumpsStand = !rule.pumpRatesCount || (s.spm1 < 20 && s.spm2 < 20);
    if (pressure >= rule.circulatingPressure || pumping) {
        time->circulating = 1;
    } else if (pressure < rule.stoppedPressure && pumpsStand) {
        if (time->circulating)
            time->ClearCirculating();
        time->circulating = 0;
    }
}

bool ReplyWait::Ready(std::int64_t nowMs, int timeoutMs)
{
    if (!waiting_)
        return true;
    if (nowMs - sentAtMs_ < std::int64_t(timeoutMs))
        return false;
    waiting_ = false;
    return true;
}

void ReplyWait::Send(std::uint32_t handle, std::string_view text, std::int64_t nowMs)
{
    waiting_ = true;
    sentAtMs_ = nowMs;
    platform::WriteTransparentString(handle, std::uint16_t(text.size()), text.data());
}

// A limit of 0 is not set. Only the limits set are tested: a pit volume or a flow with only its low
// limit set is out of range below it, never above an unset high limit.
void PublishWitsPercent(float percent, drilling::Driller* d, WitsAlarms& alarms)
{
    if (d)
        SetLiveWitsPercent(*d, percent);
    alarms.Feed(kWitsPercentChannel, percent, WitsLimits::Inclusive);
    if (d)
        SetWitsPercentFlag(*d, percent);
}

void SetWitsPercentFlag(drilling::Driller& d, float percent)
{
    if (!d.Alarms())
        return;
    const std::int32_t minimum = d.Alarms()->settings.witsPercentLimit;
    if (minimum != 0)
        d.Alarms()->flags[drilling::kAlarmWitsPercent] = float(minimum) > percent ? 1 : 0;
}

void SetDrillingAlarmFlag(drilling::Driller* d, Effect effect)
{
    if (!d || !d->Alarms())
        return;
    const drilling::AlarmSettings& s = d->Alarms()->settings;
    auto& flags = d->Alarms()->flags;
    const auto beyond = [](double v, std::int32_t low, std::int32_t high) {
        return (low != 0 && v < double(low)) || (high != 0 && v > double(high));
    };
    switch (effect) {
    case Effect::CasingFlag:
        if (s.casingLimit != 0)
            flags[drilling::kAlarmCasing] = double(d->Live().casingPressure) >= double(s.casingLimit) ? 1 : 0;
        break;
    case Effect::PitVolumeFlag:
        if (s.pitVolumeMinimum != 0 || s.pitVolumeMaximum != 0)
            flags[drilling::kAlarmPitVolume] =
                beyond(d->Live().pitVolume, s.pitVolumeMinimum, s.pitVolumeMaximum) ? 1 : 0;
        break;
    case Effect::FlowFlag:
        if (s.flowMinimum != 0 || s.flowMaximum != 0)
            flags[drilling::kAlarmFlow] = beyond(d->Live().flow, s.flowMinimum, s.flowMaximum) ? 1 : 0;
        break;
    default:
        break;
    }
}

void LinkPercent::CountGood()
{
    if (counted)
        return;
    good += 1;
    counted = true;
}

float LinkPercent::Percent() const { return good / std::max(exchanges, 1.0f) * 100.0f; }

void LinkPercent::Next()
{
    constexpr float kWindow = 50;
    if (exchanges == kWindow) {
        exchanges = 1;
        good = 0;
    } else {
        exchanges += 1;
    }
}

float CountHoleDepth(LinkPercent& percent, float holeDepth, drilling::Driller* d)
{
    if (holeDepth > 0)
        percent.CountGood();
    percent.exchanges = std::max(percent.exchanges, 1.0f);
    const float p = percent.Percent();
    if (d)
        SetLiveWitsPercent(*d, p);
    return p;
}

std::int32_t TakeHoleDepth(app::WitsLinkState& link, drilling::Driller* d, float holeDepth)
{
    if (d)
        SetWitsPercentFlag(*d, d->Live().witsPercent);
    link.holeDepth = holeDepth;
    return TruncInt(link.holeDepth);
}

void FollowShallowerHole(std::int32_t& tracked, std::int32_t& depthSet, const app::WitsLinkState& link,
                         bool unmannedUnit)
{
    if (depthSet != 0 && TruncInt(link.holeDepth) >= depthSet)
        depthSet = 0;
    if (!unmannedUnit && link.holeDepth > 0 && (float(tracked) > link.holeDepth || tracked == 0))
        tracked = std::max(TruncInt(link.holeDepth), depthSet);
}

void StepToHole(drilling::Driller* d, std::int32_t& tracked, std::int32_t hole)
{
    if (d)
        d->MarkStep(drilling::StepSource::Wits);
    tracked = hole;
}

void StepOrCatchUp(WitsHost& host, std::int32_t& tracked, float lastHole, float holeDepth, std::int32_t hole)
{
    const double advance = double(holeDepth) - double(lastHole);
    const std::int64_t units = std::int64_t(hole) - std::int64_t(tracked);
    if (lastHole > 0 && advance >= 2.0 && units >= 2 && CatchUpWithRig(host, tracked, hole))
        return;
    if (lastHole > 0 && advance < 2.0 && units == 2 && TruncInt(lastHole) == tracked && host.Driller()) {
        // Fast drilling whose frame crossed two unit lines: each unit gets its record.
        host.Driller()->MarkSteps(drilling::StepSource::Wits, 2);
        tracked = hole;
        return;
    }
    StepToHole(host.Driller(), tracked, hole);
}

bool CatchUpWithRig(WitsHost& host, std::int32_t& tracked, std::int32_t hole)
{
    drilling::Driller* d = host.Driller();
    const wellfile::OpenWell& well = host.Well();
    const std::int32_t from = well.fileBottomDepth;
    if (!d || !d->Setup().depthFromWits || host.UnmannedUnit() || std::int64_t(hole) < std::int64_t(from) + 2 ||
        !host.correctFileDepth)
        return false;
    const bool done = host.correctFileDepth(hole) != 0;
    WriteDepthCorrection(well.dataFolder, from, hole, done);
    d->SayFileDepthCorrected(from, well.fileBottomDepth, hole);
    tracked = well.fileBottomDepth;
    return done;
}

void WriteDepthCorrection(const QString& dataFolder, std::int32_t from, std::int32_t to, bool done)
{
    const QDateTime now = platform::LocalTime();
    const char* format = done ? " Depth Correction from %d to %d at %02d:%02d"
                              : " Depth Correction failed from %d to %d at %02d:%02d";
    WriteUnmannedText(dataFolder, now.date(),
                      platform::CFormat(format, from, to, now.time().hour(), now.time().minute()));
}

}  // namespace wits
