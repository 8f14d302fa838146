// Lag by pump strokes: counting, rates, the text box, the pump-rate alarms and the lag walk by volume.
#include "drilling/strokes.h"

#include "drilling/driller.h"
#include "drilling/lagcalc.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/clocktext.h"
#include "platform/services.h"
#include "wits/tenthsdigit.h"
#include "wits/witsalarms.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace drilling {

namespace {

const QString kLagDataMissing = QStringLiteral(
    "Data must be enteered in the Lag calculator\nfor strokes to work properly (SETUP...Lag Calculator)\n");
constexpr int kBoxWidth = 450;
constexpr int kBoxHeight = 100;

}  // namespace

STROKES::STROKES(Driller& owner) : owner_(owner) { rowHeight = owner.Window().rowHeight; }

bool STROKES::Counts(int pump) const
{
    const wellfile::LagRecord& lag = owner_.Lag();
    return lag.allPumps != 0 || lag.pumpOnHole[std::size_t(pump)] != 0;
}

void STROKES::ApplyLagSettings()
{
    const wellfile::LagRecord& lag = owner_.Lag();
    outputPerStroke = {lag.pump1Output, lag.pump2Output, lag.pump3Output};
    const PumpTotals pumps = CountPumps(lag, SetRates(lag), lag.allPumps != 0);
    spmSum = pumps.spm;
    meanOutput = pumps.meanOutput;
    if (lag.lagStrokes > 0)
        lagStrokes = lag.lagStrokes;
    if (lag.annularVolume > 0)
        lagBarrels = lag.annularVolume;
}

int STROKES::Start(bool on)
{
    bottomsUpCounting = false;
    bottomsUpCount = 0;
    bottomsUpReachedAt = -1;
    if (!on)
        return 1;
    ApplyLagSettings();
    if (lagStrokes == 0 || lagBarrels == 0)
        platform::MessageBox(kLagDataMissing, QStringLiteral("Error"));

    volumeBase = pumpedVolume = strokeCount = 0;
    pumpVolume = {};
    spmRing = {};
    spm = {};
    strokeInterval = {};
    ringPosition = {};
    pumpStrokes = {};
    const DrillingWindow w = owner_.Window();
    rowHeight = w.rowHeight;
    // The first stroke of each pump only starts its timing: when it comes after the start says nothing
    // of the pump's rate.
    lastStrokeTick.fill(-1);
    tickNow.fill(double(platform::SteadyMs()));

    boxX = w.gasLeftX;
    if (CompactStatusProfile(w.profile))
        boxX = w.descriptionX - 5 * rowHeight;
    if (w.altLayout)
        boxX = w.descriptionX;
    boxY = int(rowHeight * 4.5);

    owner_.LoadLagRecords(0);
    const std::int32_t interval = owner_.Setup().lagAlarmInterval;
    lagAlarmInterval = interval < 1 ? 10 : interval;
    DrawBox();
    return 1;
}

void STROKES::Tick()
{
    Driller& d = owner_;
    const DrillingWindow w = d.Window();
    wellfile::LagRecord lag = d.Lag();
    lag.allPumps = 0;  // the pumps-on byte serves the start only: from now on the pumps on the hole count
    d.SetLag(lag);
    const double t = double(platform::SteadyMs());
    const bool fromWits = d.Setup().lagByStrokesFromWits != 0;
    PumpStrokes* threads = d.Host().Pumps();
    for (int p = 0; p < kPumpCount; ++p) {
        if (!Counts(p))
            continue;
        const auto i = std::size_t(p);
        std::int32_t pending = d.TakePumpStrokes(p);
        if (fromWits && w.witsLinkOn && threads)
            pending += threads->TakeStrokes(p);
        tickNow[i] = t;
        if (!fromWits) {
            if (pending > 0)
                TimeStrokes(p, pending, double(d.PumpStrokeTime(p)));
            strokeInterval[i] = lastStrokeTick[i] < 0 ? 0.0f : float(0.001 * (t - lastStrokeTick[i]));
            if (strokeInterval[i] > kStrokeTimeout)
                StandPump(p);
        }
        if (pending > 0)
            CountStrokes(p, pending);
    }
    DrawBox();
    if (!w.witsLinkOn && !w.customLinkOn)
        PumpRateAlarms();
}

void STROKES::CountStrokes(int pump, std::int32_t strokes)
{
    const auto i = std::size_t(pump);
    strokeCount += float(strokes);
    pumpedVolume += float(strokes) * outputPerStroke[i];
    pumpVolume[i] += float(strokes) * outputPerStroke[i];
    pumpStrokes[i] += strokes;
    if (bottomsUpCounting)
        bottomsUpCount += strokes;
}

void STROKES::TimeStrokes(int pump, std::int32_t strokes, double at)
{
    const auto i = std::size_t(pump);
    const double since = at - lastStrokeTick[i];
    if (lastStrokeTick[i] < 0 || since > kStrokeTimeout * 1000) {
        StandPump(pump);  // a pump set going again: its rate comes with its next stroke
        lastStrokeTick[i] = at;
        return;
    }
    if (since <= 0)
        return;  // no time passed: counted, not timed
    // The rate is the strokes of the last samples over the time they took, rounded: timed by the
    // contacts themselves, a steady pump reads its own rate, never more nor a truncated stroke less.
    spmRing[i][std::size_t(ringPosition[i])] = {strokes, since};
    ringPosition[i] = (ringPosition[i] + 1) % kSpmRingSize;
    lastStrokeTick[i] = at;
    double counted = 0, ms = 0;
    for (const StrokeSample& s : spmRing[i]) {
        counted += s.strokes;
        ms += s.ms;
    }
    spm[i] = std::int32_t(std::min(std::lround(60000.0 * counted / ms), 1'000'000L));
}

void STROKES::StandPump(int pump)
{
    const auto i = std::size_t(pump);
    spm[i] = 0;
    spmRing[i] = {};
    ringPosition[i] = 0;
    lastStrokeTick[i] = -1;
}

void STROKES::PumpRateAlarms()
{
    wits::WitsAlarms& table = owner_.WitsAlarmTable();
    for (int p = 0; p < kPumpCount; ++p)
        table.Feed(wits::kSpm1Channel + p, float(spm[std::size_t(p)]));
}

void STROKES::DrawBox()
{
    Driller& d = owner_;
    const DrillingWindow w = d.Window();
    boxX = d.LagState().lagTextX;
    if (d.Setup().lagByStrokesFromWits) {
        const wellfile::WITSRECORD& live = d.Live();
        spm[0] = live.spm1;
        spm[1] = live.spm2;
        spm[2] = live.spm3;
    }
    const platform::COLORREF background = w.customBackground.value_or(platform::RGB(255, 255, 255));
    StatusCanvas& canvas = d.Canvas();
    const auto line = [&](int y, const QString& text) {
        canvas.Text(boxX, y, text, TextAlign::BottomLeft, FontRole::Strokes, w.logTextColour, background);
    };
    int y = int(rowHeight * 6.5);
    int s = 0;
    for (int p = 0; p < kPumpCount; ++p) {
        if (!Counts(p))
            continue;
        const auto i = std::size_t(p);
        line(y, QString::asprintf("Pump %d Total: %8d     SPM: %3d      BBLS=%4.2f   ", p + 1, pumpStrokes[i], spm[i],
                                  double(pumpVolume[i])));
        y += 2 * rowHeight;
        s += spm[i];
    }
    line(y, QString::asprintf("Total Strokes: %8d     SPM: %3d      BBLS=%5.2f  ", int(strokeCount - strokeBase), s,
                              double(pumpedVolume - volumeBase)));
    y += 2 * rowHeight;
    if (s < 1)
        line(y, QStringLiteral("PUMPS NOT RUNNING                              "));
    else
        line(y, QString::asprintf("LAG TIME NOW AT: %5d SPM = %.1f MIN.    ", s, double(lagStrokes / float(s))));

    if (!bottomsUpCounting)
        return;
    const int toSurface = int(lagStrokes);
    if (toSurface > bottomsUpCount) {
        line(y + 4 * rowHeight, QString::asprintf("Count %5d   %5d STBU  %5.2f BTBU", int(strokeCount - strokesAtCountStart),
                                                  toSurface - bottomsUpCount,
                                                  double(lagBarrels - (pumpedVolume - volumeAtCountStart))));
    } else {
        const QDateTime now = platform::LocalTime();
        timeText = platform::FormatTime12(now.time().hour(), now.time().minute());
        line(y + 4 * rowHeight, QString::asprintf("%5d   Bottoms up at %-20s           ", bottomsUpCount, qPrintable(timeText)));
    }
    // Strokes come several to a tick: the count may pass the lag strokes without ever equalling them.
    // The alarm stands at the count that first reached them, and goes with the next stroke.
    if (bottomsUpReachedAt < 0 && bottomsUpCount >= toSurface)
        bottomsUpReachedAt = bottomsUpCount;
    if (LogAlarm* alarms = d.Alarms())
        alarms->flags[kAlarmBottomsUp] = bottomsUpCount == bottomsUpReachedAt ? 1 : 0;
}

void STROKES::ClearBox()
{
    boxY = int(rowHeight * 4.5);
    owner_.Canvas().Fill(boxX, boxY, boxX + kBoxWidth, boxY + kBoxHeight, std::nullopt);
}

void STROKES::CheckLagAlarm(bool quiet)
{
    Driller& d = owner_;
    wellfile::OpenWell& well = d.Well();
    const int digit = wits::TenthsDigit(d.LagDepth());
    const StepTables& t = d.Steps().tables;
    // The deepest step whose annular volume the mud pumped since has brought to the surface.
    d.WalkLag([&](std::size_t i) { return pumpedVolume - t.volume[i] <= t.clock[i]; });
    if (quiet)
        return;
    if (LogTime* time = d.Time())
        d.HandLagDepthToLinks(digit, time->lastLagHanded);
    if (float(well.fileBottomDepth) <= d.LagDepth())  // bottoms up; circulation goes on
        d.LagAtBottom();
    DrawLagLine();
    d.SoundLagAlarm(true);
}

void STROKES::DrawLagLine()
{
    Driller& d = owner_;
    const DrillingWindow w = d.Window();
    const int x = d.LagState().lagTextX;
    const int y0 = int(rowHeight * 2.5);
    StatusCanvas& canvas = d.Canvas();
    canvas.Text(x - 4 * w.unitWidth, y0, QStringLiteral("LAG:   DEPTH  MINUTES  STROKES  BARRELS"), TextAlign::BottomLeft,
                FontRole::Strokes, w.logTextColour);
    const float lagTime = d.Time() ? d.Time()->lagTime : 0.0f;
    canvas.Text(x, y0 + 2 * rowHeight,
                QString::asprintf("%7.1f       %2.2f         %5.0f         %5.2f", double(d.LagDepth()), double(lagTime),
                                  double(lagStrokes), double(lagBarrels)),
                TextAlign::BottomLeft, FontRole::Strokes, w.logTextColour);
}

void STROKES::ToggleBottomsUp()
{
    if (!bottomsUpCounting) {
        bottomsUpCounting = true;
    } else {
        owner_.Canvas().Text(boxX - 15 * rowHeight, boxY + 4 * rowHeight, QString(10, u' '), TextAlign::BottomLeft,
                             FontRole::Strokes, owner_.Window().logTextColour, platform::RGB(255, 255, 255));
        bottomsUpCounting = false;
    }
    bottomsUpStarted = true;
    bottomsUpCount = 0;
    bottomsUpReachedAt = -1;
    volumeAtCountStart = pumpedVolume;
    strokesAtCountStart = strokeCount;
}

}  // namespace drilling
