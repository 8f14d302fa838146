#pragma once
// The clock of drilling mode: how long the bit has been on the current depth unit, how long off
// bottom, how long the mud has circulated off bottom, the lag time and the on/off-bottom and
// circulating states. Every drilling tick brings it up to date, draws the status lines, raises the
// alarms whose flags are set and, every fourth second, moves the lag depth. Time comes only from the
// platform clock (steady milliseconds and the local time).
#include <QDate>

#include <cstdint>
#include <memory>

namespace drilling {

class Driller;
class STROKES;

// The values a step changes (undone with it when its record could not be written).
struct LogTimeValues {
    std::int64_t unitClock = 0;       // steady ms when the current unit started
    std::int64_t offBottomClock = 0;  // steady ms when the bit last went off bottom
    std::int32_t carriedDownSeconds = 0;
    std::int32_t lowGasSeconds = 0;
    std::int32_t witsPercentSeconds = 0;
    std::int32_t flowSeconds = 0;
    std::int32_t casingSeconds = 0;
    std::int32_t pitVolumeSeconds = 0;
    std::int32_t unitSecondsPart = 0;  // unit seconds mod 60
    std::int32_t unitMinutesPart = 0;
    std::int32_t lastSecondShown = -1;
    std::int32_t lagStepArmed = 1;
    std::int32_t lastLagHanded = 0;   // whole lag depth last handed to the WITS link
    std::int32_t lastOffSecond = -1;  // the off-bottom second drawn last
    std::uint16_t day = 0;
    std::int32_t statusCentreX = 0;
    std::int32_t halfLogWidth = 0;
    std::int32_t unitSeconds = 0;     // on the current unit, off-bottom time excluded
    std::int32_t lagCorrectionSeconds = 0;  // circulation off bottom since the last step or bottoms up
    std::int32_t downSeconds = 0;     // off bottom within the current unit
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t offBottom = 0;
    std::int32_t circulating = 0;
    float lagTime = 0;                // minutes
};

class LogTime : public LogTimeValues {
public:
    LogTime(Driller& owner, float lagTimeMinutes);
    // Stops and deletes the stroke counter first.
    ~LogTime();
    LogTime(const LogTime&) = delete;
    LogTime& operator=(const LogTime&) = delete;

    // One drilling tick: on bottom (unless the window is starting up) or off bottom. Returns 1.
    int Tick();
    void OnBottomTick();
    void GoOffBottom();
    void GoOnBottom();
    void ClearCirculating();
    // A new unit starts now, on bottom. Returns 1.
    int RestartUnitClock();
    // The drilling keys Ctrl+F, Ctrl+D and Ctrl+C (F alone beeps). Returns 1.
    int KeyDown(int key, bool ctrl);
    // Walks the step rings back to the step whose returns are at the surface now.
    void UpdateLagDepth(bool quiet);
    // The lag depth moves: by pumped volume while strokes are counted, else by time when there is a lag time.
    void MoveLag();
    // Puts the date memo at the last record when the day changes.
    void DayChangeMemo(const QDate& date);

    // On: a new stroke counter, started (its start's result). Off: the counter stopped and deleted; 1.
    int SetStrokes(bool on);

    std::unique_ptr<STROKES> strokes;  // while the lag follows pump strokes

private:
    void ReadTime(bool offBottomPass);
    void RaiseOnBottomAlarms();
    void RaiseWitsAlarms();
    void RaiseGasAlarms();

    Driller& owner_;
};

}  // namespace drilling
