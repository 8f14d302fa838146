// Lag by pump strokes: counting, rates, the text box, the pump-rate alarms and the lag walk by volume.
#include "drilling/strokes.h"

#include "app/startup.h"
#include "drilling/driller.h"
#include "drilling/lagcalc.h"
#include "drilling/logalarm.h"
#include "drilling/logtime.h"
#include "platform/services.h"
#include "wits/tenthsdigit.h"
#include "wits/witsalarms.h"

#include <QDateTime>

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
    const wellfile::LagRecord& lag = owner_.lag;
    return lag.allPumps != 0 || lag.pumpOnHole[std::size_t(pump)] != 0;
}

void STROKES::ApplyLagSettings()
{
    const wellfile::LagRecord& lag = owner_.lag;
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
    owner_.RefreshWindow();
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
    const DrillingWindow& w = owner_.Window();
    rowHeight = w.rowHeight;
    const double now = double(platform::SteadyMs());
    lastStrokeTick.fill(now);
    tickNow.fill(now);

    boxX = w.gasLeftX;
    if (CompactStatusProfile(w.profile))
        boxX = w.descriptionX - 5 * rowHeight;
    if (w.altLayout)
        boxX = w.descriptionX;
    boxY = int(rowHeight * 4.5);

    owner_.LoadLagRecords(0);
    lagAlarmInterval = owner_.lagAlarmInterval < 1 ? 10 : owner_.lagAlarmInterval;
    DrawBox();
    return 1;
}

void STROKES::Tick()
{
    Driller& d = owner_;
    d.RefreshWindow();
    const DrillingWindow& w = d.Window();
    d.lag.allPumps = 0;  // the pumps-on byte serves the start only: from now on the pumps on the hole count
    const double t = double(platform::SteadyMs());
    const bool fromWits = d.lagByStrokesFromWits != 0;
    for (int p = 0; p < kPumpCount; ++p) {
        if (!Counts(p))
            continue;
        const auto i = std::size_t(p);
        std::int32_t& pending = d.pumpStrokePending[i];
        if (fromWits && w.witsLinkOn && w.pumpStrokes)
            pending += w.pumpStrokes->TakeStrokes(p);
        tickNow[i] = t;
        if (!fromWits) {
            strokeInterval[i] = float(0.001 * (tickNow[i] - lastStrokeTick[i]));
            if (strokeInterval[i] <= 0)
                continue;  // the strokes wait for the next pass
            if (strokeInterval[i] > kStrokeTimeout) {
                spm[i] = 0;
            } else if (pending > 0) {
                // Several strokes within one pass make one sample of their mean rate.
                spmRing[i][std::size_t(ringPosition[i])] = int(60.0 * pending / strokeInterval[i]);
                int sum = spm[i];
                for (const std::int32_t s : spmRing[i])
                    sum += s;
                spm[i] = sum / (kSpmRingSize + 1);
            }
        }
        if (pending > 0)
            CountStrokes(p, pending);
        pending = 0;
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
    ringPosition[i] = (ringPosition[i] + 1) % kSpmRingSize;
    lastStrokeTick[i] = tickNow[i];
    if (bottomsUpCounting)
        bottomsUpCount += strokes;
}

void STROKES::PumpRateAlarms()
{
    wits::WitsAlarms* table = owner_.witsAlarms.get();
    if (!table)
        return;
    for (int p = 0; p < kPumpCount; ++p)
        table->Feed(wits::kSpm1Channel + p, float(spm[std::size_t(p)]));
}

void STROKES::DrawBox()
{
    Driller& d = owner_;
    const DrillingWindow& w = d.Window();
    boxX = d.lagTextX;
    if (d.lagByStrokesFromWits) {
        spm[0] = d.live.spm1;
        spm[1] = d.live.spm2;
        spm[2] = d.live.spm3;
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
        timeText = app::FormatTime12(now.time().hour(), now.time().minute());
        line(y + 4 * rowHeight, QString::asprintf("%5d   Bottoms up at %-20s           ", bottomsUpCount, qPrintable(timeText)));
    }
    // Strokes come several to a tick: the count may pass the lag strokes without ever equalling them.
    // The alarm stands at the count that first reached them, and goes with the next stroke.
    if (bottomsUpReachedAt < 0 && bottomsUpCount >= toSurface)
        bottomsUpReachedAt = bottomsUpCount;
    if (d.alarms)
        d.alarms->flags[kAlarmBottomsUp] = bottomsUpCount == bottomsUpReachedAt ? 1 : 0;
}

void STROKES::ClearBox()
{
    boxY = int(rowHeight * 4.5);
    owner_.Canvas().Fill(boxX, boxY, boxX + kBoxWidth, boxY + kBoxHeight, std::nullopt);
}

void STROKES::CheckLagAlarm(bool quiet)
{
    Driller& d = owner_;
    d.RefreshWindow();
    wellfile::OpenWell& well = d.Well();
    const int digit = wits::TenthsDigit(d.lagDepth);
    const StepTables& t = d.tables;
    // The deepest step whose annular volume the mud pumped since has brought to the surface.
    d.WalkLag([&](std::size_t i) { return pumpedVolume - t.volume[i] <= t.clock[i]; });
    if (quiet)
        return;
    if (d.time)
        d.HandLagDepthToLinks(digit, d.time->lastLagHanded);
    if (float(well.fileBottomDepth) <= d.lagDepth) {  // bottoms up; circulation goes on
        d.lagDepth = float(well.fileBottomDepth);
        d.ClearStepTables();
        d.stepIndex = 0;
    }
    DrawLagLine();
    d.SoundLagAlarm(d.strokesLagAlarmArmed);
}

void STROKES::DrawLagLine()
{
    Driller& d = owner_;
    const DrillingWindow& w = d.Window();
    const int x = d.lagTextX;
    const int y0 = int(rowHeight * 2.5);
    StatusCanvas& canvas = d.Canvas();
    canvas.Text(x - 4 * w.unitWidth, y0, QStringLiteral("LAG:   DEPTH  MINUTES  STROKES  BARRELS"), TextAlign::BottomLeft,
                FontRole::Strokes, w.logTextColour);
    const float lagTime = d.time ? d.time->lagTime : 0.0f;
    canvas.Text(x, y0 + 2 * rowHeight,
                QString::asprintf("%7.1f       %2.2f         %5.0f         %5.2f", double(d.lagDepth), double(lagTime),
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
