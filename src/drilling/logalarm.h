#pragma once
// The drilling alarms: one flag per alarm kind, the kind raised last, the settings of the data folder's
// "StrativM.alm" and the "Alarm Status" window. The parts that watch the well set the flags; the drilling
// time turns a set flag into Raise once a second. Acknowledging an alarm clears its flag and, for most
// kinds, switches that alarm off in the settings, which are saved at once.
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

// The "Alarm Status" window as the alarms see it; the window layer implements it. Each side forgets
// the other when it goes: the window through LogAlarm::StatusWindowGone, the alarms through AlarmsGone.
class AlarmStatusWindow {
public:
    virtual bool IsShown() const = 0;
    virtual void ShowAgain() = 0;
    // Shows `text`, only while the window is visible.
    virtual void SetAlarmText(const QString& text) = 0;
    // The alarms are going away: the window hides, goes, and never calls them again.
    virtual void AlarmsGone() = 0;

protected:
    ~AlarmStatusWindow() = default;
};

class LogAlarm;

// What the alarms need of their owner. Every member may be empty.
struct AlarmHost {
    std::function<int()> profile;  // the logging-company profile
    // Makes and shows the status window with `firstText`.
    std::function<AlarmStatusWindow*(LogAlarm& alarms, const QString& firstText)> makeStatusWindow;
    // Runs the alarm setup dialog on `settings` and the lag alarm interval; true when it ended with
    // SAVE (both then hold what was typed), false when cancelled (both untouched).
    std::function<bool(AlarmSettings& settings, std::int32_t& lagAlarmInterval)> runSetup;
    // Gives the depth box on the game port back to the main window.
    std::function<void()> recaptureDepthBox;
    // The keyboard focus goes back to the main window.
    std::function<void()> focusMainWindow;
};

class LogAlarm {
public:
    explicit LogAlarm(QString dataFolder);
    // The status window is hidden and let go.
    ~LogAlarm();
    LogAlarm(const LogAlarm&) = delete;
    LogAlarm& operator=(const LogAlarm&) = delete;

    // Fills `settings` from the data folder's "StrativM.alm": zeroes it, reads at most the record's
    // size (a shorter file leaves the rest zero). A missing file loads the time alarm switched off
    // (hour -1), since hour 0 would be a midnight alarm nobody set; 0 then, else 1.
    int Load(AlarmSettings& settings) const;
    // Replaces the file with `settings`, whole or not at all. A failure is told to the user; 0 then,
    // else 1.
    int Save(const AlarmSettings& settings) const;

    // Sounds and shows the alarm of `kind` with `text` (which may be empty), or for the profiles that
    // mail alarms with notification on, starts the mailer with the text and acknowledges the alarm.
    // After each shown alarm the depth box is captured again.
    void Raise(int kind, const QString& text);
    // Clears the flag of `kind`, switches its alarm off as its kind asks, clears the e-mail flag and
    // saves the settings. Kind 6 and kinds outside 0-11 change nothing.
    void Acknowledge(int kind);
    // The setup dialog on a copy of the file's settings: SAVE puts the copy in place of the live
    // settings and saves them; Cancel leaves the live settings as they were. Returns 1.
    int Setup(std::int32_t& lagAlarmInterval);

    // Called by the status window as it goes: the next alarm makes a new one and is silent.
    void StatusWindowGone(const AlarmStatusWindow* window);
    AlarmStatusWindow* StatusWindow() const { return statusWindow_; }

    QString dataFolder;
    AlarmHost host;
    std::uint8_t muteNext = 0;
    std::array<std::int32_t, kAlarmFlagCount> flags{};
    std::int32_t currentKind = 0;
    AlarmSettings settings{};
    // When set, raised alarms go here instead (the watchers' tests record them).
    std::function<void(int kind, const QString& text)> raiseHook;

private:
    void PlayAlarmSound() const;

    AlarmStatusWindow* statusWindow_ = nullptr;
};

}  // namespace drilling
