// The depth step: Update times the pending step, writes the new records and then does the work that
// follows a new depth (drawing, copies, packages, backups, the depth alarm).
#include "drilling/driller.h"

#include "drilling/lagcalc.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "drilling/strokes.h"
#include "platform/services.h"
#include "reports/pumpoutput.h"
#include "wellfile/customdata.h"
#include "wellfile/datafile.h"

#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <utility>

namespace drilling {

namespace {

template <typename T>
void PutAt(wellfile::CUSTDATAREC& r, int offset, T value)
{
    std::memcpy(reinterpret_cast<char*>(&r) + offset, &value, sizeof value);
}

void CopyBytes(wellfile::CUSTDATAREC& r, int offset, const void* from)
{
    std::memcpy(reinterpret_cast<char*>(&r) + offset, from, 4);
}

}  // namespace

void Driller::Update()
{
    UpdateStep();
    // The boxes of this step, once it is done: a box's own loop runs the ticks on.
    for (auto& [text, caption] : std::exchange(boxes_, {}))
        platform::QueueMessageBox(text, caption);
}

void Driller::UpdateStep()
{
    const DrillingWindow w = Window();
    if (!time_)
        return;
    wellfile::OpenWell& well = Well();
    LogTime& t = *time_;
    if (t.unitSeconds < 1)
        t.unitSeconds = 1;
    if (well.fileBottomDepth == well.fileTopDepth + 20 && t.unitSeconds > 600)
        t.unitSeconds = 60;
    // Units drilled while the file could not be written keep the values and the time of their own depth.
    if (stepPending && writeFailing_)
        BookWaitingUnits(t);
    const bool booked = stepPending && !booked_.empty();
    const wellfile::WITSRECORD liveNow = live_;
    if (booked) {
        live_ = booked_.front().live;
        t.unitSeconds = booked_.front().seconds;
    }
    // The units of a rise share its time; they are drilled depth, never a bounce.
    const bool rise = stepPending && (riseUnits > 0 || booked);
    if (rise && !booked) {
        if (riseSeconds < 0)
            riseSeconds = t.unitSeconds;
        t.unitSeconds = std::max(riseSeconds / riseUnits, 1);
    }
    const std::int32_t riseShare = t.unitSeconds;
    // A bounce of the switch: a pulse sooner than the shortest unit is dropped while drilling.
    if (well.wellName.startsWith(u'~') || (!rise && t.unitSeconds < minSecondsPerUnit && !t.offBottom)) {
        live_ = liveNow;
        stepPending = 0;
        halfStepPending = 0;
        riseUnits = 0;
        riseSeconds = -1;
        return;
    }

    // Everything a step changes is kept, so that a step whose record cannot be written is undone and
    // tried again at the next tick: the file never misses a depth the program counts as drilled.
    const DrillerValues saved = *this;
    const LogTimeValues savedTime = t;
    const std::int32_t savedBottom = well.fileBottomDepth;
    const AlarmSettings savedAlarm = alarms_ ? alarms_->settings : AlarmSettings{};
    const auto savedFlags = alarms_ ? alarms_->flags : std::array<std::int32_t, kAlarmFlagCount>{};
    const float savedSpmSum = lag_.spmSum;

    const bool whole = stepPending != 0;
    StepDepth(w);
    if (w.startingUp) {
        live_ = liveNow;
        return;
    }
    stepIndex = (stepIndex + 1) % kStepSlots;
    if (!whole)
        return;

    if (!(w.profile == 17 && keptLagTime != 0 && t.strokes))
        keptLagTime = t.lagTime;

    previous.slide = working.slide = 0;
    bool witsNewData = w.witsNewData;
    if ((keyboardStep || source == StepSource::Automatic) && w.witsLinkOn) {
        host_.Handover().ClearWitsNewData();
        witsNewData = false;  // the step was not the link's: it marks no sliding
    }
    keyboardStep = 0;
    if (w.witsLinkOn && witsNewData) {
        if (live_.rpm < 5 && !noSlideMarking)
            previous.slide = working.slide = 1;
        host_.Handover().ClearWitsNewData();
    }

    const std::int32_t bottom = well.fileBottomDepth;
    customRowIndex = bottom - well.fileTopDepth;
    workingCustom.depth = float(bottom);
    if (w.witsLinkOn)
        FillCustomFromWits();
    recordWindow[1] = working;

    QString reason;
    if (!AppendRecord(w, reason)) {
        live_ = liveNow;
        static_cast<DrillerValues&>(*this) = saved;
        static_cast<LogTimeValues&>(t) = savedTime;
        well.fileBottomDepth = savedBottom;
        lag_.spmSum = savedSpmSum;
        if (alarms_) {
            alarms_->settings = savedAlarm;
            alarms_->flags = savedFlags;
        }
        // The step (and any behind it) keeps what was measured for it now.
        BookWaitingUnits(t);
        SayWriteFailed(reason);
        return;
    }
    live_ = liveNow;
    if (booked) {
        t.unitClock = booked_.front().endMs;
        booked_.pop_front();
    }
    if (writeFailing_)
        SayWrittenAgain();
    if (rise && riseUnits > 0) {
        riseSeconds = std::max(riseSeconds - riseShare, 0);
        if (--riseUnits > 0)
            stepPending = 1;  // the next unit of the rise at the next tick
        else
            riseSeconds = -1;
    }
    if (w.witsLinkOn)
        live_.casingPressure = 0;  // taken by this step
    if (w.customDataInUse) {
        GrowCustomRows();
        std::vector<wellfile::CUSTDATAREC>& rows = host_.CustomRows();
        if (customRowIndex >= 0 && std::size_t(customRowIndex) < rows.size())
            rows[std::size_t(customRowIndex)] = workingCustom;
        AppendCustomRecord(workingCustom);
    }

    DrawNewLine(w);
    Canvas().FileLineChanged();
    // A gap to the rig said before this unit was written names the file's bottom as it is now.
    if (rigGapSaid_)
        CompareRigDepth(rigHoleSaid_);
    PeriodicWork(w);
    if (statusBox_)
        host_.Box().ShowStatus(t.offBottom != 0, t.circulating != 0, switchPolarity);
    if (alarms_)
        alarms_->flags[kAlarmDepth] = bottom == alarms_->settings.alarmDepth ? 1 : 0;
    // Units drilled faster than every fourth second of a unit would never move the lag depth on the
    // unit clock alone: each unit drilled moves it too.
    t.MoveLag();
}

void Driller::StepDepth(const DrillingWindow& w)
{
    if (w.startingUp) {
        stepPending = 0;
        halfStepPending = 0;
        riseUnits = 0;
        riseSeconds = -1;
        return;
    }
    wellfile::OpenWell& well = Well();
    LogTime& t = *time_;
    if (!keyboardStep && source != StepSource::Automatic)
        ++interfaceSteps;
    if (t.offBottom)
        t.GoOnBottom();

    // The polled box pulses every half unit: its seconds count double to give minutes per unit. Every
    // other source measures the whole unit.
    const bool halfUnits = halfStepPending || source == StepSource::Polled;
    const float minutes = float(t.unitSeconds) * (halfUnits ? 2.0f : 1.0f) / 60.0f;
    const auto slot = std::size_t(stepIndex);
    tables.minutes[slot] = minutes;
    lastStepMinutes = minutes;

    // The lag clock runs in real drilling minutes, whatever the source.
    lagClock += float(t.unitSeconds) / 60.0f;
    if (STROKES* strokes = Strokes()) {
        // The step is up once the mud pumped since has filled the annulus to it.
        tables.clock[slot] = strokes->pumpedVolume;
        tables.volume[slot] = LagVolume(lag_, float(well.fileBottomDepth) + 0.5f, false);
        strokes->lagBarrels = tables.volume[slot];
    } else {
        lagClock += float(t.lagCorrectionSeconds) / 60.0f;
        tables.clock[slot] = lagClock;
        tables.lagTime[slot] = t.lagTime;
    }

    if (halfStepPending) {
        firstHalfMinutes = minutes;
        working.torqueAvg[0] = live_.torque;
        working.torqueMax[0] = live_.item0119;
        working.pumpPressureAvg[0] = live_.pumpPressure;
        working.weightOnBit[0] = float(live_.wob);
        PutAt(workingCustom, 4, float(live_.pumpPressure));
        PutAt(workingCustom, 24, live_.torque);
        PutAt(workingCustom, 36, live_.item0119);
        ShowDepthStatus();
        halfStepPending = 0;
        tables.depth[slot] = float(well.fileBottomDepth);
        t.RestartUnitClock();
    }
    if (stepPending) {
        const std::int32_t bottom = ++well.fileBottomDepth;
        t.lagTime += t.lagTime / float(bottom);
        drilledDepth = bottom;
        ShowDepthStatus();
        ++newUnits;
        working.depth = bottom;
        tables.depth[slot] = float(bottom);
        if (firstStep) {
            firstHalfMinutes = minutes;
            firstStep = 0;
        }
        working.rateOne = minutes;
        working.rateOdd = firstHalfMinutes;
        working.rate2Ft = (working.rateOdd + working.rateOne) * 0.5f;
        firstHalfMinutes = 0;
        meanStepMinutes = 0.1f * SumStepTimes(tables.minutes, 10, stepIndex);
        t.RestartUnitClock();
        if (meanStepMinutes > 0)
            rate = int(60.0f / meanStepMinutes);
    }
    if (halfStepToggle)
        tables.depth[slot] += 0.5f;
    working.lagTime = t.lagTime;

    if (alarms_) {
        AlarmSettings& a = alarms_->settings;
        if (a.breakMinutes > 0 && a.breakCount > 0) {
            if (minutes >= a.breakMinutes) {
                a.breakRun = 0;
                alarms_->flags[kAlarmDrillingBreak] = 0;
            } else {
                ++a.breakRun;
            }
            alarms_->flags[kAlarmDrillingBreak] = a.breakRun >= a.breakCount ? 1 : 0;
        }
    }
}

void Driller::FillCustomFromWits()
{
    wellfile::CUSTDATAREC& c = workingCustom;
    PutAt(c, 4, float(live_.pumpPressure));
    CopyBytes(c, 8, reinterpret_cast<const char*>(&live_) + 50);
    PutAt(c, 26, live_.torque);
    working.torqueAvg[1] = live_.torque;
    c.las28 = float(live_.wob);
    working.weightOnBit[1] = float(live_.wob);
    float rpm = float(live_.rpm);
    if (lag_.motorRevsPerGallon > 0)
        rpm += reports::ComputePumpOutput(nullptr, &lag_, &live_, 0);  // the pump-based term
    c.rpm = rpm;
    PutAt(c, 38, live_.item0119);
    working.torqueMax[1] = live_.item0119;
    CopyBytes(c, 52, reinterpret_cast<const char*>(&lag_) + 24);
    PutAt(c, 56, lag_.motorRevsPerGallon);
    c.casingPressure = live_.casingPressure;
    c.flow = float(live_.flow);
    c.totalMud = live_.pitVolume;
    c.gainLoss = live_.gainLoss;
    c.downholePressure = float(live_.downholePressure);
    c.downholeTemperature = float(live_.downholeTemperature);
    c.las202 = live_.item0130;

    // The pump block: the pumps on the hole (or all with the pumps-on byte) that run at the WITS rates.
    const PumpTotals pumps =
        CountPumps(lag_, {float(live_.spm1), float(live_.spm2), float(live_.spm3)}, lag_.allPumps != 0);
    for (std::size_t p = 0; p < 3; ++p) {
        if (!pumps.counted[p])
            continue;
        lag_.spmSum = lag_.spmSum + float(WitsSpm(live_, int(p)));
        if (STROKES* strokes = Strokes())
            strokes->outputPerStroke[p] = pumps.output[p];
    }
    c.spm = pumps.spm;
    PutAt(c, 182, pumps.meanOutput);

    float pressure = 0;
    std::memcpy(&pressure, reinterpret_cast<const char*>(&c) + 4, 4);
    working.pumpPressureAvg[1] = std::uint16_t(pressure);
}

void Driller::GrowCustomRows()
{
    std::vector<wellfile::CUSTDATAREC>& rows = host_.CustomRows();
    if (customRowIndex < 0)
        return;
    // Grown whenever the new row would not fit, whatever feeds the custom data.
    if (std::size_t(customRowIndex) >= rows.size()) {
        rows.resize(std::size_t(customRowIndex) + 510);
        customGrowthDepth = Well().fileBottomDepth;
    }
}

bool Driller::AppendRecord(const DrillingWindow& w, QString& reason)
{
    stepPending = 0;
    wellfile::OpenWell& well = Well();
    if (working.depth >= well.fileTopDepth) {
        if (!(working.rateOne > 0))
            working.rateOne = 0.1f;
        if (working.rateOdd <= 0.1f)
            working.rateOdd = working.rateOne <= 0.1f ? 0.1f : working.rateOne;
    }
    if (!wellfile::WriteRecordAtDepth(well, working, well.dataFileName, &reason))
        return false;
    const std::int32_t bottom = well.fileBottomDepth;
    if (w.bottomToFirstRecord && bottom % 10 == 0) {
        if (std::unique_ptr<wellfile::RECORD> first = wellfile::ReadFirstRecord(well.dataFileName)) {
            first->bottomDepth = bottom;
            wellfile::WriteFirstRecord(*first, well.dataFileName);
        }
    }
    return true;
}

void Driller::AppendCustomRecord(const wellfile::CUSTDATAREC& record)
{
    wellfile::OpenWell& well = Well();
    const std::int32_t depth = std::int32_t(record.depth);
    if (well.customDataFileName.isEmpty() || !QFileInfo::exists(well.customDataFileName)) {
        if (well.customDataFileName.isEmpty())
            well.customDataFileName = well.currentFolder + well.wellName + QStringLiteral(".svx");
        wellfile::CreateCustomDataFile(well, host_.Fit(), well.fileTopDepth, depth);
    }
    const std::int32_t step = well.depthStep > 0 ? well.depthStep : 1;
    const std::int64_t index = (std::int64_t(depth) - well.fileTopDepth) / step;
    // A file one short (a stop between the two writes) is filled up to the new record first.
    if (QFileInfo(well.customDataFileName).size() / wellfile::kCustomRecordSize < index)
        wellfile::ExtendCustomDataFile(well, depth - 1);
    QString reason;
    if (wellfile::WriteRecordAt(well.customDataFileName, index, &record, wellfile::kCustomRecordSize, &reason)) {
        SayCustomWrittenAgain();
        if (well.customBottomDepth < depth)
            well.customBottomDepth = depth;
        return;
    }
    SayCustomWriteFailed(depth, reason);
}

void Driller::DrawNewLine(const DrillingWindow& w)
{
    wellfile::OpenWell& well = Well();
    const std::int32_t bottom = well.fileBottomDepth;
    newLineY = (bottom - 1 - well.viewTopDepth) * w.rowHeight + w.topMargin;
    const bool normal = !w.busy && !w.printing && w.viewScale < 3;
    if (!normal)
        return;
    if (w.bottomInView && newLineY >= w.logBottomY) {
        well.viewTopDepth = bottom - well.viewDepthSpan;
        host_.Invalidate();
        return;
    }
    host_.NewRowDrawn(recordWindow[1]);
    recordWindow[0] = recordWindow[1];
    if (working.slide)
        Canvas().Fill(w.firstColumnX + 3, newLineY, w.firstColumnX + 9, newLineY + w.rowHeight, w.slideColour);
    if (lagMarks && bottom % 10 == 0) {
        const int y = newLineY - int(float(bottom - lagDepth) * float(w.rowHeight));
        Canvas().Text(w.secondColumnX + 2, y, QString::asprintf("< %-2d", bottom), TextAlign::TopLeft, FontRole::Log, kRed);
    }
    previous = working;
}

void Driller::PeriodicWork(const DrillingWindow& w)
{
    const wellfile::OpenWell& well = Well();
    const std::int32_t bottom = well.fileBottomDepth;
    if (w.copyOut && w.copyOutInterval > 1 && bottom % w.copyOutInterval == 0) {
        host_.Files().CopyWellFileOut(QStringLiteral(".svm"));
        if (w.witsLinkOn && w.witsCustomCopy)
            host_.Files().CopyWellFileOut(QStringLiteral(".svx"));
    }
    if (updatePackageOn && updatePackageInterval > 0 && bottom % updatePackageInterval == 0) {
        host_.Files().BuildUpdatePackage();
        if (w.customLas)
            host_.Files().ExportCustomLas(well.fileTopDepth, bottom);
    }
    if (bottom % 100 == 0 && !halfStepToggle && lastFullBackupDepth < bottom) {
        if (host_.Files().BackupData())
            lastFullBackupDepth = bottom;
        else
            host_.Notes().ShowBackupReminder(lastFullBackupDepth);
        return;
    }
    // 500 units drilled since drilling mode started: the reminder shows where it started.
    if (bottom > startDepth + 500)
        host_.Notes().ShowBackupReminder(startDepth);
}

}  // namespace drilling
