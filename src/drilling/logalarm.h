#pragma once
// The drilling alarms: one flag per alarm kind, the kind raised last and the settings of the data
// folder's "StrativM.alm". The parts that watch the well set the flags; the drilling time turns a set
// flag into Raise once a second.
#include "drilling/alarmsettings.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace drilling {

// Flag index of each alarm kind; 6 is never set.
enum AlarmKind : int {
    kAlarmDrillingBreak = 0,
    kAlarmDepth = 1,
    kAlarmTime = 2,
    kAlarmLongUnit = 3,
    kAlarmHighGas = 4,
    kAlarmLowGas = 5,
    kAlarmBottomsUp = 7,
    kAlarmFlow = 8,
    kAlarmCasing = 9,
    kAlarmPitVolume = 10,
    kAlarmWitsPercent = 11,
};
constexpr int kAlarmFlagCount = 20;

QString AlarmFilePath(const QString& dataFolder);

class LogAlarm {
public:
    explicit LogAlarm(QString dataFolder);

    // Fills `settings` from the data folder's "StrativM.alm": zeroes it, reads at most the record's
    // size (a shorter file leaves the rest zero). A missing file loads the time alarm switched off
    // (hour -1), since hour 0 would be a midnight alarm nobody set; 0 then, else 1.
    int Load(AlarmSettings& settings) const;

    // Shows (or mails) the alarm of `kind` with `text`. Built with the alarm windows; until then
    // `raiseHook` stands in (the default says once that it is not built).
    void Raise(int kind, const QString& text);

    QString dataFolder;
    std::uint8_t muteNext = 0;
    std::array<std::int32_t, kAlarmFlagCount> flags{};
    std::int32_t currentKind = 0;
    AlarmSettings settings{};
    std::function<void(int kind, const QString& text)> raiseHook;
};

}  // namespace drilling
