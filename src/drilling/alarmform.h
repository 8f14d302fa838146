#pragma once
// The alarm setup form without its window: how the settings record and the lag alarm interval become
// the texts of the dialog's controls and how typed texts become settings again. Controls are named by
// their dialog ids.
#include "drilling/alarmsettings.h"

#include <QString>

#include <cstdint>
#include <map>

namespace drilling {

// Ids of the alarm setup dialog's controls.
namespace alarmid {
constexpr int BreakMinutes = 101, BreakSpin = 102, Depth = 103, Hour = 104, Sounds = 105, Pm = 106,
              LagInterval = 107, Test = 109, LongUnit = 110, LongUnitSpin = 111, BreakCount = 112,
              BreakCountSpin = 113, Minute = 114, HighGas = 117, UnitLabel = 118, LowGas = 120,
              LowGasMinutes = 122, WitsPercent = 123, WitsPercentMinutes = 124, FlowMinimum = 125,
              FlowMaximum = 126, FlowMinutes = 127, PitMinimum = 128, PitMaximum = 129, PitMinutes = 130,
              CasingLimit = 131, CasingMinutes = 132, MailCheck = 133;
}

// What the form shows besides the record.
struct AlarmSetupView {
    QString dataFolder;          // ends with '/'
    int profile = 0;             // logging-company profile: 2 and 12 may mail alarms
    bool ratesPerHour = false;   // rates shown as units per hour: the break threshold is typed as a rate
    bool gasMonitor = false;     // a gas monitor exists: its limits may be edited
};

struct AlarmForm {
    std::map<int, QString> edits;  // by control id
    bool pm = false;
    bool notify = false;
};

// The hour edit and the PM box of a stored hour (0-23, negative: off). A negative hour shows as typed.
void HourToForm(std::int32_t hour, QString& text, bool& pm);
// The stored hour of a typed hour and the PM box: -1 (off) for an empty or non-numeric text; 12 without
// PM is midnight, 0-11 with PM are afternoon hours. The result may still be out of range.
std::int32_t HourFromForm(const QString& text, bool pm);

// The text a spin's arrow writes into its edit for the position `next`: positions past the top show 0,
// below 0 the top; spin 102 and 111 show tenths, 113 whole numbers.
QString SpinText(int spinId, int next);
// The range top of a spin control.
int SpinTop(int spinId);

AlarmForm SettingsToForm(const AlarmSettings& s, std::int32_t lagAlarmInterval, const AlarmSetupView& view);

// Takes `form` into `s` and `lagAlarmInterval` (the sound file aside). A time the alarm cannot have is
// refused: both stay untouched and the message naming the field is returned; else an empty text. The
// gas limits stay as stored without a gas monitor.
QString FormToSettings(const AlarmForm& form, const AlarmSetupView& view, AlarmSettings& s, std::int32_t& lagAlarmInterval);

}  // namespace drilling
