#pragma once
// Lag by pump strokes: STROKES counts the strokes of up to three mud pumps, turns them into strokes per
// minute and pumped volume, draws its text box (pump totals, the lag time at the present rate, the
// bottoms-up count), raises the bottoms-up flag, feeds the pump-rate alarms and walks the lag depth by
// pumped volume. The drilling time owns the one object while the lag follows pump strokes; the
// drilling tick runs Tick before the drilling time's own tick.
//
// Strokes come from the depth box's contacts (the driller's pending strokes) or, with lag by strokes
// from WITS, from the pump threads' counters. Everything here runs on the GUI thread.
#include "drilling/pumpthreads.h"

#include <QString>

#include <array>
#include <cstdint>

namespace drilling {

class Driller;

constexpr int kSpmRingSize = 5;  // samples per pump whose strokes over their time give its rate
constexpr double kStrokeTimeout = 10.0;  // seconds without a stroke before the pump reads 0 SPM

// Strokes of a pump and the milliseconds they took since the stroke before them.
struct StrokeSample {
    std::int32_t strokes = 0;
    double ms = 0;
};

class STROKES {
public:
    // `owner` outlives the object.
    explicit STROKES(Driller& owner);

    // Off: the bottoms-up count stops. On: takes the lag settings (a reminder when they lack the lag
    // strokes or barrels), starts every count from 0, places the box, rebuilds the lag tables and
    // draws the box. Returns 1.
    int Start(bool on);
    // Takes the pumps' outputs, the rate and the lag strokes and barrels from the driller's lag
    // settings (a value of 0 or below keeps the old one).
    void ApplyLagSettings();
    // One drilling tick: strokes counted, rates, the box and, without a WITS link, the pump-rate alarms.
    void Tick();
    void DrawBox();
    void ClearBox();
    // The lag depth by pumped volume, the link hand-over unless `quiet`, bottoms up, the lag line and
    // the lag alarm.
    void CheckLagAlarm(bool quiet);
    void DrawLagLine();
    // Starts or ends the bottoms-up count.
    void ToggleBottomsUp();

    // Pumps 1 to 3.
    std::array<double, kPumpCount> lastStrokeTick{};  // steady ms of the last timed stroke; below 0 none
    std::array<double, kPumpCount> tickNow{};
    std::array<float, kPumpCount> strokeInterval{};   // seconds since the last timed stroke
    std::array<std::int32_t, kPumpCount> spm{};
    std::array<std::int32_t, kPumpCount> ringPosition{};
    std::array<float, kPumpCount> pumpVolume{};       // barrels
    std::array<float, kPumpCount> outputPerStroke{};  // barrels
    std::array<std::array<StrokeSample, kSpmRingSize>, kPumpCount> spmRing{};
    std::array<std::int32_t, kPumpCount> pumpStrokes{};

    float meanOutput = 0;   // output x efficiency a stroke of the pumps counted at their set rates
    std::int32_t lagAlarmInterval = 10;
    std::int32_t boxX = 0;
    std::int32_t boxY = 0;
    std::int32_t rowHeight = 0;
    bool bottomsUpStarted = false;
    float lagStrokes = 0;   // strokes from bit to surface
    float lagBarrels = 0;   // annular volume from bit to surface
    float volumeBase = 0;
    float spmSum = 0;       // the set rates of the pumps counted
    float strokeCount = 0;
    float strokeBase = 0;
    float pumpedVolume = 0;
    bool bottomsUpCounting = false;
    std::int32_t bottomsUpCount = 0;
    std::int32_t bottomsUpReachedAt = -1;  // the count at which it first reached the lag strokes
    float volumeAtCountStart = 0;
    float strokesAtCountStart = 0;
    QString timeText;       // the 12-hour time of the bottoms-up line

private:
    // A pump counts while it is on the hole, or every pump while the pumps-on byte is set.
    bool Counts(int pump) const;
    void CountStrokes(int pump, std::int32_t strokes);
    // The rate of a pump from the depth box: `strokes` strokes, the latest at steady ms `at`.
    void TimeStrokes(int pump, std::int32_t strokes, double at);
    void StandPump(int pump);
    void PumpRateAlarms();

    Driller& owner_;
};

}  // namespace drilling
