#include "drilling/logtime.h"

#include "drilling/driller.h"
#include "drilling/logalarm.h"
#include "drilling/strokes.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wellfile/profile.h"
#include "wits/tenthsdigit.h"

#include <array>

namespace drilling {

namespace {

// Whole seconds between two steady-clock readings.
std::int32_t SecondsBetween(std::int64_t from, std::int64_t to) { return std::int32_t(double(to - from) * 0.001); }

QString Hms(const char* format, std::int32_t seconds)
{
    const int hours = seconds / 3600;
    return QString::asprintf(format, hours, seconds / 60 - hours * 60, seconds % 60);
}

}  // namespace

LogTime::LogTime(Driller& owner, float lagTimeMinutes) : owner_(owner)
{
    lagTime = lagTimeMinutes;
    unitClock = platform::SteadyMs();
    const QDateTime now = platform::LocalTime();
    day = std::uint16_t(now.date().day());
    hour = now.time().hour();
    minute = now.time().minute();
    const DrillingWindow w = owner_.Window();
    halfLogWidth = statusCentreX = w.logWidth / 2;
    const int p = w.profile;
    if (wellfile::ShiftedStatusCentreProfile(p) || (wellfile::AlternateFormatProfile(p) && !w.altLayout))
        statusCentreX = int(w.unitWidth * 10.5 + halfLogWidth);
}

LogTime::~LogTime()
{
    if (strokes)
        SetStrokes(false);
}

int LogTime::SetStrokes(bool on)
{
    // The lag changes its measure (time or pumped volume): the walk of the other measure starts afresh,
    // the only time the lag depth may move up the hole.
    if (bool(strokes) != on)
        owner_.SetLagDepth(0);
    if (strokes) {
        strokes->Start(false);
        strokes.reset();
    }
    if (!on)
        return 1;
    strokes = std::make_unique<STROKES>(owner_);
    return strokes->Start(true);
}

int LogTime::Tick()
{
    if (!offBottom) {
        if (!owner_.Window().startingUp)
            OnBottomTick();
    } else {
        GoOffBottom();
    }
    return 1;
}

void LogTime::ReadTime(bool offBottomPass)
{
    const QDateTime now = platform::LocalTime();
    hour = now.time().hour();
    minute = now.time().minute();
    const auto today = std::uint16_t(now.date().day());
    if (offBottomPass && day == 0) {
        day = today;
    } else if (today != day) {
        day = today;
        DayChangeMemo(now.date());
    }
}

void LogTime::OnBottomTick()
{
    Driller& d = owner_;
    ReadTime(false);
    LogAlarm* alarms = d.Alarms();
    AlarmSettings* a = alarms ? &alarms->settings : nullptr;
    if (a && a->alarmHour == hour)
        alarms->flags[kAlarmTime] = a->alarmMinute == minute ? 1 : 0;

    const std::int64_t now = platform::SteadyMs();
    unitSeconds = SecondsBetween(unitClock, now) - downSeconds;
    if (unitSeconds < 0) {  // the clock went back
        unitSeconds = 1;
        unitClock = now;
        downSeconds = 0;
    }
    const float unitMinutes = float(unitSeconds) * (1.0f / 60.0f);
    const DrillerSetup& setup = d.Setup();
    if ((setup.automaticDrilling || setup.autoMinutesPerUnit > 0) && unitMinutes >= setup.autoMinutesPerUnit) {
        d.MarkStep(StepSource::Automatic);
        return;
    }
    // The gas monitor's connection time-out puts the bit off bottom once, at that whole second.
    const DrillingWindow w = d.Window();
    if (w.gasConnTimeOutMinutes > 0 && !setup.depthFromWits && unitSeconds == int(w.gasConnTimeOutMinutes * 60.0f + 0.5f))
        GoOffBottom();

    unitMinutesPart = unitSeconds / 60;
    unitSecondsPart = unitSeconds % 60;
    if (unitSecondsPart != lastSecondShown) {
        QString text = QString::asprintf("Rate: %2d:%02d    LM: %4.2f ", unitMinutesPart, unitSecondsPart, double(d.Steps().lastStepMinutes));
        if (setup.automaticDrilling)
            text += QStringLiteral("  Auto Drilling On:");
        d.Canvas().Text(int(w.unitWidth * 1.4), 3 * w.rowHeight, text, TextAlign::TopLeft, FontRole::Status, kBlack, kWhite);
        if (a && a->longUnitMinutes > 0)
            alarms->flags[kAlarmLongUnit] = unitMinutes > a->longUnitMinutes ? 1 : 0;
        RaiseOnBottomAlarms();
        if (w.witsLinkOn)
            RaiseWitsAlarms();
        lastSecondShown = unitSecondsPart;
        // While units wait for a data file that cannot be written, the unit clock runs on from the last
        // unit written past whole minutes: the minute's mark is a step of the walk too, else the lag depth
        // would leap over a unit drilled in those eight seconds and its gas would have no booking.
        const bool minuteMark = unitSeconds > 0 && d.DeepestDrilled() > d.Well().fileBottomDepth;
        if ((unitSecondsPart > 0 || minuteMark) && unitSecondsPart % 4 == 0 && lagStepArmed) {
            MoveLag();
            lagStepArmed = 0;
        }
    }
    if (unitSecondsPart % 4 != 0)
        lagStepArmed = 1;
}

void LogTime::RaiseOnBottomAlarms()
{
    LogAlarm* alarms = owner_.Alarms();
    if (!alarms)
        return;
    const auto& f = alarms->flags;
    if (f[kAlarmDrillingBreak])
        alarms->Raise(kAlarmDrillingBreak, QStringLiteral("Drilling Break"));
    if (f[kAlarmBottomsUp])
        alarms->Raise(kAlarmBottomsUp, QStringLiteral("Bottoms Up"));
    if (f[kAlarmTime])
        alarms->Raise(kAlarmTime, QString::asprintf("Alarm time %d : %d", hour, minute));
    if (f[kAlarmLongUnit])
        alarms->Raise(kAlarmLongUnit, QStringLiteral("Long Foot"));
    else if (f[kAlarmDepth])
        alarms->Raise(kAlarmDepth, QStringLiteral("Alarm Depth"));
    RaiseGasAlarms();
}

void LogTime::RaiseGasAlarms()
{
    LogAlarm* alarms = owner_.Alarms();
    if (alarms->flags[kAlarmHighGas]) {
        alarms->Raise(kAlarmHighGas, QStringLiteral("Alarm High Gas"));
    } else if (alarms->flags[kAlarmLowGas]) {
        ++lowGasSeconds;
        if (lowGasSeconds / 60 >= alarms->settings.lowGasMinutes)
            alarms->Raise(kAlarmLowGas, QStringLiteral("Alarm Low Gas"));
    } else {
        lowGasSeconds = 0;
    }
}

void LogTime::RaiseWitsAlarms()
{
    LogAlarm* alarms = owner_.Alarms();
    if (!alarms)
        return;
    const wellfile::WITSRECORD& live = owner_.Live();
    const AlarmSettings& a = alarms->settings;
    struct Watch {
        int kind;
        std::int32_t* seconds;
        std::int32_t minutes;
        QString text;
    };
    const std::array<Watch, 4> watches{{
        {kAlarmWitsPercent, &witsPercentSeconds, a.witsPercentMinutes, QString::asprintf("Wits Percent = %.1f ", double(live.witsPercent))},
        {kAlarmFlow, &flowSeconds, a.flowMinutes, QString::asprintf("FLOW = %d ", int(live.flow))},
        {kAlarmCasing, &casingSeconds, a.casingMinutes, QString::asprintf("Casing Psi = %d ", int(live.casingPressure))},
        {kAlarmPitVolume, &pitVolumeSeconds, a.pitVolumeMinutes, QString::asprintf("Pit Volume = %d ", int(live.pitVolume))},
    }};
    for (const Watch& w : watches) {
        if (!alarms->flags[std::size_t(w.kind)]) {
            *w.seconds = 0;
            continue;
        }
        ++*w.seconds;
        if (*w.seconds / 60 >= w.minutes)
            alarms->Raise(w.kind, w.text);
    }
}

void LogTime::GoOffBottom()
{
    Driller& d = owner_;
    const DrillingWindow w = d.Window();
    ReadTime(true);
    LogAlarm* alarms = d.Alarms();
    if (alarms && alarms->settings.alarmHour == hour)
        alarms->flags[kAlarmTime] = minute < alarms->settings.alarmMinute ? 0 : 1;
    const std::int64_t now = platform::SteadyMs();
    if (!offBottom) {
        offBottomClock = now;
        offBottom = 1;
    }
    if (downSeconds > 10 && !circulating) {
        DrillerBottom bottom = d.Bottom();
        bottom.connectionMarker = 2;
        d.SetBottom(bottom);
    }
    downSeconds = SecondsBetween(offBottomClock, now) + carriedDownSeconds;
    const int s = downSeconds % 60;
    if (s != lastOffSecond) {
        const int cx = statusCentreX;
        const int u = w.unitWidth;
        StatusCanvas& canvas = d.Canvas();
        canvas.Fill(cx - 9 * u, 4 * u, cx + 9 * u, 6 * u, kRed);
        canvas.Text(cx - 8 * u, 4 * u, Hms("Down time: %02d: %02d: %02d  ", downSeconds), TextAlign::TopLeft, FontRole::Status, kBlack);
        if (circulating) {
            ++lagCorrectionSeconds;
            canvas.Text(cx - 8 * u, 6 * u, Hms("Circ time : %02d: %02d: %02d ", lagCorrectionSeconds), TextAlign::TopLeft,
                        FontRole::Status, kBlack, kWhite);
            const int c = lagCorrectionSeconds % 60;
            if ((lagTime > 0 || strokes) && c > 0 && c % 4 == 0 && lagStepArmed && d.LagDepth() < float(d.Well().fileBottomDepth)) {
                if (strokes)
                    strokes->CheckLagAlarm(false);
                else
                    UpdateLagDepth(false);
                lagStepArmed = 0;
            }
        }
        if (alarms) {
            if (alarms->flags[kAlarmBottomsUp])
                alarms->Raise(kAlarmBottomsUp, QStringLiteral("Bottoms Up"));
            if (alarms->flags[kAlarmTime])
                alarms->Raise(kAlarmTime, QString::asprintf("Alarm time %d : %d", hour, minute));
            RaiseGasAlarms();
        }
    }
    if (s % 4 != 0)
        lagStepArmed = 1;
    lastOffSecond = s;
    if (strokes) {  // the mud circulates while a pump on the hole runs
        circulating = 0;
        for (int p = 0; p < kPumpCount; ++p)
            if (d.Lag().pumpOnHole[std::size_t(p)] != 0 && strokes->spm[std::size_t(p)] > 0)
                circulating = 1;
    }
}

void LogTime::GoOnBottom()
{
    carriedDownSeconds = downSeconds;
    if (circulating)
        ClearCirculating();
    offBottom = 0;
    const int cx = statusCentreX;
    const int u = owner_.Window().unitWidth;
    StatusCanvas& canvas = owner_.Canvas();
    canvas.Fill(cx - 9 * u, 4 * u, cx + 9 * u, 6 * u, kGreen);
    const QString blanks(10, u' ');
    canvas.Text(cx, 4 * u, blanks + QStringLiteral("DRILLING") + blanks, TextAlign::Centre, FontRole::Status, kBlack);
}

void LogTime::ClearCirculating()
{
    circulating = 0;
    const int cx = statusCentreX;
    const int u = owner_.Window().unitWidth;
    owner_.Canvas().Fill(cx - 8 * u, 6 * u, cx + 20 * u, 8 * u, std::nullopt);
}

int LogTime::RestartUnitClock()
{
    unitClock = platform::SteadyMs();
    offBottomClock = 0;
    unitSeconds = 0;
    carriedDownSeconds = 0;
    downSeconds = 0;
    lagCorrectionSeconds = 0;
    offBottom = 0;
    circulating = 0;
    return 1;
}

int LogTime::KeyDown(int key, bool ctrl)
{
    Driller& d = owner_;
    if (key == 'F' || key == 'f')
        platform::MessageBeep(0);
    if (ctrl) {
        switch (key) {
        case 'F':
        case 'f': d.MarkStep(StepSource::Keyboard); break;
        case 'D':
        case 'd':
            if (offBottom)
                GoOnBottom();
            else
                GoOffBottom();
            break;
        case 'C':
        case 'c':
            if (!offBottom)
                GoOffBottom();
            if (!circulating)
                circulating = 1;
            else
                ClearCirculating();
            break;
        default: break;
        }
    }
    if (d.StatusBoxShown())
        d.Host().Box().ShowStatus(offBottom != 0, circulating != 0, d.Setup().switchPolarity);
    return 1;
}

void LogTime::UpdateLagDepth(bool quiet)
{
    Driller& d = owner_;
    const int digit = wits::TenthsDigit(d.LagDepth());
    const StepTables& t = d.Steps().tables;
    const int slot = d.LastStepSlot();
    const float now = float(unitSeconds) * (1.0f / 60.0f) + t.clock[std::size_t(slot)] +
                      float(lagCorrectionSeconds) * (1.0f / 60.0f);
    // The returns of a step are not up yet while its lag time has not passed since it was drilled.
    d.WalkLag([&](std::size_t i) { return now - t.lagTime[i] < t.clock[i]; });
    d.WalkKeptUnits(lagTime);
    if (quiet)
        return;

    d.HandLagDepthToLinks(digit, lastLagHanded);
    if (float(d.DeepestDrilled()) <= d.LagDepth()) {  // bottoms up
        d.LagAtBottom();
        ClearCirculating();
        lagCorrectionSeconds = 0;
    }
    d.ShowLagStatus();
    d.SoundLagAlarm(false);
}

void LogTime::MoveLag()
{
    if (strokes)
        strokes->CheckLagAlarm(false);
    else if (lagTime != 0)
        UpdateLagDepth(false);
}

void LogTime::DayChangeMemo(const QDate& date)
{
    Driller& d = owner_;
    wellfile::OpenWell& well = d.Well();
    const std::int32_t step = well.depthStep > 0 ? well.depthStep : 1;
    const int index = (well.fileBottomDepth - well.fileTopDepth) / step - 1;
    if (index < 0)
        return;
    std::array<wellfile::RECORD, 2> buffer{};
    if (wellfile::ReadRecords(well, buffer, well.dataFileName, index, 1) < 1)
        return;
    const QString text = QString::asprintf("%2d/%02d/%4d", date.day(), date.month(), date.year());
    const DrillingWindow w = d.Window();
    const int x = w.firstColumnX + (w.firstTrackUnits > 1 ? 5 : 2);
    if (w.memosShown) {
        d.Host().Files().AddMemo(text, x, buffer[0].depth);
        if (!w.busy)
            d.Host().Invalidate();
    }
}

}  // namespace drilling
