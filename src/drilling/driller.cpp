#include "drilling/driller.h"

#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"
#include "wellfile/remoteconfig.h"
#include "wellfile/sidefiles_settings.h"

#include <algorithm>
#include <cstring>

namespace drilling {

namespace {

constexpr int kTickWrap = 10000;

}  // namespace

Driller::Driller(DrillingHost& host, wits::WitsAlarmHost alarmHost)
    : host_(host), witsAlarms_(std::make_unique<wits::WitsAlarms>(std::move(alarmHost)))
{
    startDepth = Well().fileBottomDepth;
}

Driller::~Driller() = default;

void Driller::SetTime(std::unique_ptr<LogTime> time) { time_ = std::move(time); }
void Driller::SetAlarms(std::unique_ptr<LogAlarm> alarms) { alarms_ = std::move(alarms); }

int Driller::Start(const wellfile::WellConfig& config)
{
    const DrillingWindow w = Window();
    wellfile::OpenWell& well = Well();
    if (!alarms_)
        alarms_ = std::make_unique<LogAlarm>(well.dataFolder);
    alarms_->Load(alarms_->settings);
    time_ = std::make_unique<LogTime>(*this, well.lagTime);

    wellfile::WellPlace place{well.dataFolder, well.currentFolder, well.dataFolder, well.wellName, true, false};
    lagCurrent_ = wellfile::LoadLag(lag_, place) != 0;
    if (!lagCurrent_)
        lag_ = config.lagSettings;
    lag_.allPumps = 0;

    wellfile::RemoteConfig remote;
    if (wellfile::LoadDownloadConfig(well.dataFolder, remote)) {
        updatePackageOn = remote.updatePackage != 0;
        updatePackageInterval = remote.interval;
        depthUnitsToSend = remote.depthUnitsToSend < 2 ? 100 : std::int32_t(remote.depthUnitsToSend);
    }

    LoadLastRecord();
    CarryRecordCodes();
    stepIndex = 0;

    optionWord = config.drillingSetting3370;
    lagMarks = config.markLagDepth != 0;
    depthFromWits = 0;
    FollowWitsDepthSetting(config);
    lagByStrokesFromWits = config.lagByStrokesFromWits != 0;
    noSlideMarking = config.disableAutoSlide;

    switchPolarity = wellfile::FeetFormatProfile(w.profile) ? 2 : config.switchPolarity;
    minSecondsPerUnit = config.minSecondsPerUnit >= 0 && config.minSecondsPerUnit <= 99 ? config.minSecondsPerUnit : 4;
    firstStep = 1;
    lagAlarmInterval = config.lagAlarmInterval > 0 ? std::int32_t(config.lagAlarmInterval) : 0;
    lagAlarmOn = lagAlarmInterval != 0;

    LoadLagRecords(0);

    statusBox_ = !(depthFromWits && !config.witsDepthOption);
    if (statusBox_)
        host_.Box().MakeStatusBox();
    host_.Box().GiveFocusBack();
    return 1;
}

bool Driller::FollowWitsDepthSetting(const wellfile::WellConfig& config)
{
    const int type = Window().gasInstrumentType;
    const bool forced = type == 10 || type == 11;
    const bool on = forced || config.useWitsDepth != 0;
    if (on && !depthFromWits)
        waitingForWitsDepth = 1;
    else if (!on)
        EndWitsDepthWait();
    depthFromWits = on ? 1 : 0;
    depthFromWitsCompanion = forced || config.witsDepthCompanion != 0 ? 1 : 0;
    return on;
}

void Driller::MarkStep(StepSource from) { MarkSteps(from, 1); }

void Driller::AddPumpStrokes(int pump, std::int32_t strokes)
{
    pumpStrokePending[pump] += strokes;
    if (strokes > 0)
        pumpStrokeAtMs[pump] = platform::SteadyMs();
}

void Driller::MarkSteps(StepSource from, int units)
{
    // While the file cannot be written a unit drilled meanwhile is kept behind the one that waits; the
    // automatic clock's are not units drilled.
    const bool behindFailedStep = writeFailing_ && stepPending && from != StepSource::Automatic;
    if (units > 1 || riseUnits > 0 || behindFailedStep) {
        if (riseUnits == 0 && stepPending)
            riseUnits = 1;  // the unit pending already is one of them
        riseUnits += std::max(units, 1);
    }
    SetPending(from);
}

void Driller::SetPending(StepSource from)
{
    stepPending = 1;
    source = from;
    if (from == StepSource::Keyboard)
        keyboardStep = 1;
    if (from == StepSource::Polled)
        halfStepToggle = 0;
}

void Driller::MarkHalfStep()
{
    halfStepPending = 1;
    halfStepToggle = 1;
}

void Driller::LoadLastRecord()
{
    wellfile::OpenWell& well = Well();
    const std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(well, well.dataFileName);
    if (!last)
        return;
    recordWindow[0] = *last;
    interfaceSteps = last->interfaceSteps;
    if (time_)
        time_->lagTime = last->lagTime;
    for (wellfile::RECORD* r : {&previous, &working}) {
        r->depth = well.fileBottomDepth;
        r->rateOdd = last->rateOdd;
        r->rateOne = last->rateOne;
        r->rate2Ft = last->rate2Ft;
        std::memset(reinterpret_cast<char*>(r) + 16, 0, 12);
        std::memset(r->lith, 0, sizeof r->lith);
        std::memcpy(r->lith, "100bl", 5);
        std::memset(r->interpretedLith, 0, sizeof r->interpretedLith);
        for (int g = 0; g < wellfile::TEST_COUNT; ++g) {
            r->gas[g] = 0;
            const float test = last->testGas[g];
            r->testGas[g] = test > 0 ? test : 1.0f;
        }
        r->indexWord = -1;
        r->temperatureScale = last->temperatureScale;
        r->chromatographScale = last->temperatureScale;
        r->minutesScale = last->minutesScale;
        r->gasScale = last->gasScale;
        r->word340 = last->word340;
        std::memcpy(reinterpret_cast<char*>(r) + 458, reinterpret_cast<const char*>(last.get()) + 458, 32);
    }
}

int Driller::CarryRecordCodes()
{
    wellfile::OpenWell& well = Well();
    if (!wellfile::ReadFirstRecord(well.dataFileName))
        return 1;
    const std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(well, well.dataFileName);
    if (!last)
        return 1;
    for (wellfile::RECORD* r : {&previous, &working}) {
        r->minutesScale = last->minutesScale;
        r->gasScale = last->gasScale;
        r->rateScale = last->rateScale != 0 ? last->rateScale : 1;
    }
    return 1;
}

float Driller::SumStepTimes(const std::array<float, kStepTableSize>& table, int count, int start) const
{
    const wellfile::OpenWell& well = Well();
    const bool wraps = well.fileBottomDepth - well.fileTopDepth > kStepSlots;
    float sum = 0;
    int slot = std::clamp(start, 0, kStepSlots - 1);
    for (int n = 0; n < count; ++n) {
        sum += table[std::size_t(slot)];
        if (--slot < 0) {
            if (!wraps)
                break;
            slot = kStepSlots - 1;
        }
    }
    return sum;
}

// The rings fill from slot 0 after each clearing: a step in the last slot means they came round, however
// many units the file holds (the depth box's half units fill them twice as fast as the file grows).
bool Driller::RingsCameRound() const { return tables.depth[std::size_t(kStepSlots - 1)] > 0; }

int Driller::LastStepSlot() const
{
    if (stepIndex > 0)
        return stepIndex - 1;
    return RingsCameRound() ? kStepSlots - 1 : 0;
}

void Driller::ClearStepTables()
{
    tables = StepTables{};
    stepIndex = 0;
}

std::int32_t Driller::CountTick()
{
    if (++tickCount > kTickWrap)
        tickCount = 1;
    return tickCount;
}

wellfile::DrillingFigures Driller::Figures() const
{
    wellfile::DrillingFigures f;
    f.rate = rate;
    f.timeCount = time_ ? time_->unitSeconds : 0;
    return f;
}

}  // namespace drilling
