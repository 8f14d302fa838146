#include "wits/wits.h"

#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/pumpthreads.h"
#include "gasmon/autogas.h"
#include "gasmon/gashost.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"
#include "wits/tenthsdigit.h"
#include "wits/wits_services.h"
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
    if (host.Pumps())
        host.Pumps()->Reset();
    app::WitsLinkState& link = host.Link();
    link.gasMaxima.fill(0);
    link.gasMaxima[0] = -1.0f;
    link.liveValues2.fill(0);
    gas_.gasShares[0] = 1.0f;
    SetMaxChars(maxChars_);
    alarms_ = std::make_unique<WitsAlarms>(std::move(alarmHost));
    samples_.SetFinish([this](wellfile::WITSRECORD& s) { FinishSample(s); });
    samples_.SetWriter([this](const wellfile::WITSRECORD* block, int count) { WriteBlock(block, count); });
}

Wits::~Wits()
{
    FlushSamples();  // the samples of an unfinished block are not lost with the engine
    CloseTcpClient();
    StopWitsServer();
}

void Wits::NewAlarms() { alarms_->Reload(); }

wellfile::WITSRECORD& Wits::Sample() { return samples_.Fill(platform::LocalTime()); }

void Wits::SetGasWindow(std::unique_ptr<gasmon::GasDisplay> window) { gasWindow_ = std::move(window); }

void Wits::KeepWindowPlaces()
{
    std::array<int, 4>& places = connection_.windowPositions;
    if (dataWindow_) {
        places[0] = dataWindow_->Left();
        places[1] = dataWindow_->Top();
    }
    if (gasWindow_) {
        places[2] = gasWindow_->Left();
        places[3] = gasWindow_->Top();
    }
}

void Wits::ClearGas()
{
    gas_.gasValues.fill(0);
    gas_.gasShares.fill(0);
    gasSettings_.gasScale = {1, 1, 1};
    gas_.gasShares[0] = 1.0f;
}

void Wits::TakeGasSetup(const GasSetupValues& v)
{
    if (v.hotWireAttenuator)
        gasSettings_.gasScale[0] = *v.hotWireAttenuator;
    if (v.hotWireDelay)
        gasSettings_.hotWireDelay = *v.hotWireDelay;
    // The total gas held back while the pumps stand covers the surface lag time.
    if (v.surfaceLagTime)
        gasSettings_.holdLength = *v.surfaceLagTime;
    if (v.integratorFile)
        gasSettings_.chromatographFile = *v.integratorFile;
}

void Wits::SetLine(int line, std::string text)
{
    if (line >= 0 && line < kDisplayLines)
        lines_[std::size_t(line)] = DisplayLine(std::move(text));
}

void Wits::DispatchItem(std::string_view code, std::string_view value, bool marked)
{
    const int item = platform::LeadingInt(code);
    gas_.gasFromMonitor = false;
    if (host.Gas() && wellfile::TypeTwoModeProfile(host.Profile()))
        gas_.gasFromMonitor = host.Gas()->Readings().gasFromWits;
    if (GasOverLink(host.GasMonitorType()))
        host.Link().gasOverWits = true;
    if (depth_.tenthsDigit < 10 && depth_.tenthsDigit % 2 == 0)
        depth_.gammaSlot = depth_.mwdSlot = depth_.tenthsDigit / 2;

    const ItemRow* row = FindItem(item);
    if (row && row->effect == Effect::Marker)
        return;
    if (row) {
        newData_ = true;  // the sample holds data the next depth step may take
        const ItemTargets targets{host, Sample(), lines_, frames_.percent, mwd_.gamma, depth_.gammaSlot};
        const double stored = StoreItem(*row, ConvertValue(*row, value), targets);
        ApplyEffect(*row, stored, targets);
        if (row->alarmChannel >= 0)
            FeedLinkAlarm(*alarms_, row->alarmChannel, stored);
    }

    if (gas_.gasFromMonitor)
        FeedGasMonitor(item, platform::LeadingFloat(value), marked);
    else if (GasOverLink(host.GasMonitorType()))
        TakeLinkGas(item, value, marked);
}

void Wits::ApplyEffect(const ItemRow& row, double value, const ItemTargets& targets)
{
    ApplySharedEffect(row, value, targets);
    switch (row.effect) {
    case Effect::HalfStep:
        MarkHalfStep(float(value));
        break;
    case Effect::Tracking:
        TrackDepth(float(value));
        break;
    case Effect::RpmSeen:
        depth_.rpmSeen = true;
        break;
    case Effect::PumpRate:
        SetPumpRate(row.pump, value);
        break;
    case Effect::LagDepth:
        SetLagDepth(value);
        break;
    case Effect::MwdDepth:
        if (host.Link().mwdSensorOffset <= 0)
            mwd_.mwdDepth = TruncInt(value);
        break;
    case Effect::MwdA:
    case Effect::MwdB:
        SetMwdValue(row.effect == Effect::MwdA, value);
        break;
    default:
        break;  // the effects both links share
    }
}

// With the half-unit interface a bit past the middle of the tracked unit marks the half step, once.
void Wits::MarkHalfStep(float bitDepth)
{
    drilling::Driller* d = host.Driller();
    app::WitsLinkState& link = host.Link();
    if (!link.halfUnitInterface || !d || (d->Time() && d->Time()->offBottom != 0) || float(depth_.trackedDepth) > bitDepth)
        return;
    depth_.tenthsDigit = TenthsDigit2(bitDepth);
    if (depth_.tenthsDigit >= 5 && depth_.tenthsDigit <= 9 && !link.halfStepMarked) {
        d->MarkWitsHalfStep();
        link.halfStepMarked = true;
    }
}

void Wits::TrackDepth(float holeDepth)
{
    drilling::Driller* d = host.Driller();
    app::WitsLinkState& link = host.Link();
    const wellfile::OpenWell& well = host.Well();

    if (!gas_.gasFromMonitor)
        SetLine(7, platform::CFormat("%2.1f", double(CountHoleDepth(frames_.percent, holeDepth, d))));
    const float lastHole = link.holeDepth;
    const std::int32_t hole = TakeHoleDepth(link, d, holeDepth);
    std::int32_t& tracked = depth_.trackedDepth;
    if (d && d->WitsItems().waitingForWitsDepth && !frames_.firstFrame && hole > tracked) {
        d->EndWitsDepthWait();
        link.depthTracking = true;
    }
    FollowShallowerHole(tracked, depth_.depthSet, link, host.UnmannedUnit());
    if (!depth_.rigCompared && hole > 0) {
        depth_.rigCompared = true;
        if (CatchUpWithRig(host, tracked, hole) && d) {
            d->EndWitsDepthWait();
            link.depthTracking = true;
        }
    }
    if (!link.depthTracking)
        return;

    const float bitDepth = Sample().bitDepth;
    const std::int32_t wellStart = well.fileTopDepth + 20;
    if (host.UnmannedUnit() && bitDepth > 0 && bitDepth == holeDepth) {
        // The bit on bottom: a change other than the next unit corrects the file's depth.
        const std::int32_t depth = hole;
        if (depth != tracked && depth > wellStart) {
            if (depth == well.fileBottomDepth + 1) {
                if (d)
                    d->MarkStep(drilling::StepSource::Wits);
            } else {
                const int done = host.correctFileDepth ? host.correctFileDepth(depth) : 0;
                WriteDepthCorrection(well.dataFolder, tracked, depth, done != 0);
            }
            tracked = depth;
        }
    } else if (!frames_.firstFrame && hole > tracked && hole > wellStart) {
        StepOrCatchUp(host, tracked, lastHole, holeDepth, hole);
        link.halfStepMarked = false;
    }
    // The file kept behind the rig (a step lost at a kill, a jump of several units) is told, once the
    // first frame has set the reference.
    if (d && !frames_.firstFrame)
        d->CompareRigDepth(holeDepth);
    if (host.showDepthStatus)
        host.showDepthStatus();
}

void Wits::SetPumpRate(int pump, double rate)
{
    depth_.pumpRateSeen = true;
    drilling::Driller* d = host.Driller();
    if (!d)
        return;
    const float spm = float(rate);
    wellfile::LagRecord lag = d->Lag();
    if (pump == 0)
        lag.pump1Spm = spm;
    else if (pump == 1)
        lag.pump2Spm = spm;
    else
        lag.pump3Spm = spm;
    d->SetLag(lag);
    if (host.StrokesCounted() && host.Link().pumpRatesFromWits && host.Pumps())
        host.Pumps()->SetRate(pump, spm);
}

void Wits::SetLagDepth(double value)
{
    drilling::Driller* d = host.Driller();
    if (!host.Link().lagFromWits || !d || value > double(host.Well().fileBottomDepth))
        return;
    d->SetLagDepth(float(value));
    if (host.showLagStatus)
        host.showLagStatus(TruncInt(value));
}

void Wits::SetMwdValue(bool slotsA, double value)
{
    const float v = std::max(float(value), 0.0f);
    std::array<float, 6>& subSteps = slotsA ? mwd_.mwdSlotsA : mwd_.mwdSlotsB;
    if (slotsA) {
        mwd_.mwdValueA = v;
        mwd_.mwdASeen = mwd_.mwdASeen || v > 0;
    } else {
        mwd_.mwdValueB = v;
        mwd_.mwdBSeen = mwd_.mwdBSeen || v > 0;
    }
    mwd_.mwdDepth = TruncInt(double(host.Well().fileBottomDepth) - double(host.Link().mwdSensorOffset));
    subSteps[std::size_t(std::clamp(depth_.mwdSlot, 0, 4))] = v;
    subSteps[5] = kSlotFraction;
}

}  // namespace wits
