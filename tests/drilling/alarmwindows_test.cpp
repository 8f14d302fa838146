// The alarm setup dialog and the alarm status window, driven through their controls, and the drilling
// services that open them.
#include "commandfixture.h"

#include "drilling/driller.h"
#include "drilling/ui/alarmwindows.h"
#include "platform/ui/updown.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstring>

using namespace drilling;
using namespace drilling::alarmid;
using platform::Dialog;
using testing_support::At;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

AlarmSetupView View(int profile = 4, bool perHour = false, bool gasMonitor = true)
{
    return {TestDir(), profile, perHour, gasMonitor};
}

// Runs the dialog on `s` and `interval` with `script`; true when it ended with SAVE.
bool RunSetup(const AlarmSetupView& view, AlarmSettings& s, std::int32_t& interval, std::function<void(Dialog&)> script)
{
    Dialog::QueueTestScript(std::move(script));
    AlarmSetupDlg dlg(nullptr, view, s, interval);
    return dlg.Execute() == platform::IDOK;
}

// The hour stored for `hour` typed with the PM box as `pm`.
std::int32_t StoredHour(const QString& hour, bool pm)
{
    AlarmSettings s;
    std::int32_t interval = 10;
    RunSetup(View(), s, interval, [&](Dialog& d) {
        d.SetText(Hour, hour);
        d.SetText(Minute, "30");
        d.SetCheck(Pm, pm ? platform::BST_CHECKED : platform::BST_UNCHECKED);
        d.Click(platform::IDOK);
    });
    return s.alarmHour;
}

TEST(AlarmSetupDlg, TimesAreTypedOnATwelveHourClock)
{
    EXPECT_EQ(StoredHour("12", false), 0);
    EXPECT_EQ(StoredHour("12", true), 12);
    EXPECT_EQ(StoredHour("7", true), 19);
    EXPECT_EQ(StoredHour(" 9", false), 9);
    EXPECT_EQ(StoredHour("", false), -1);   // no time alarm, not midnight
    EXPECT_EQ(StoredHour("ab", true), -1);

    // Shown back: afternoon hours with PM, midnight as 12.
    AlarmSettings s;
    s.alarmHour = 19;
    s.alarmMinute = 5;
    std::int32_t interval = 0;
    RunSetup(View(), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetText(Hour), " 7");
        EXPECT_EQ(d.GetText(Minute), "05");
        EXPECT_EQ(d.GetCheck(Pm), platform::BST_CHECKED);
    });
    s.alarmHour = 0;
    RunSetup(View(), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetText(Hour), "12");
        EXPECT_EQ(d.GetCheck(Pm), platform::BST_UNCHECKED);
    });
}

TEST(AlarmSetupDlg, ATimeTheAlarmCannotHaveKeepsTheDialogOpen)
{
    AlarmSettings s;
    s.alarmHour = 3;
    s.alarmDepth = 100;
    std::int32_t interval = 10;
    const bool saved = RunSetup(View(), s, interval, [](Dialog& d) {
        d.SetText(Depth, "2000");
        d.SetText(Hour, "25");
        EXPECT_FALSE(d.Click(platform::IDOK) && !d.isVisible());
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(doubles().prompter.messages.size(), 1);
        EXPECT_TRUE(doubles().prompter.messages[0].text.startsWith("Hr"));
        d.SetText(Hour, "5");
        d.SetText(Minute, "75");
        d.Click(platform::IDOK);
        EXPECT_TRUE(d.isVisible());
        ASSERT_EQ(doubles().prompter.messages.size(), 2);
        EXPECT_TRUE(doubles().prompter.messages[1].text.startsWith("Min"));
        d.Click(platform::IDCANCEL);
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(s.alarmHour, 3);
    EXPECT_EQ(s.alarmDepth, 100);
}

TEST(AlarmSetupDlg, RatesPerHourAndTheSpins)
{
    AlarmSettings s;
    std::int32_t interval = 10;
    ASSERT_TRUE(RunSetup(View(4, true), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetText(UnitLabel), "M/HR");
        d.SetText(BreakMinutes, "20");
        d.SetText(LagInterval, "35");
        d.Click(platform::IDOK);
    }));
    EXPECT_FLOAT_EQ(s.breakMinutes, 3.0f);
    EXPECT_EQ(interval, 35);
    RunSetup(View(4, true), s, interval, [](Dialog& d) { EXPECT_EQ(d.GetText(BreakMinutes), "20.0"); });
    RunSetup(View(4, false), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetText(UnitLabel), "MIN/M");
        EXPECT_EQ(d.GetText(BreakMinutes), "3.0");
        EXPECT_EQ(d.GetText(LagInterval), "35");
    });

    // Past the top an arrow shows 0, below 0 the top.
    s.breakMinutes = 10.0f;
    s.breakCount = 0;
    s.longUnitMinutes = 2.5f;
    RunSetup(View(), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetUpDownPos(BreakSpin), 100);
        d.ControlAs<platform::UpDown>(BreakSpin)->PressUp();
        EXPECT_EQ(d.GetText(BreakMinutes), "0.0");
        d.ControlAs<platform::UpDown>(BreakCountSpin)->PressDown();
        EXPECT_EQ(d.GetText(BreakCount), "100");
        d.ControlAs<platform::UpDown>(LongUnitSpin)->PressUp();
        EXPECT_EQ(d.GetText(LongUnit), "2.6");
        EXPECT_EQ(d.GetUpDownPos(LongUnitSpin), 26);
    });
}

TEST(AlarmSetupDlg, SoundsAreTheDataFoldersWaveFiles)
{
    WriteBytes(TestDir() + "Horn.WAV", QByteArray("x"));
    WriteBytes(TestDir() + "bell.wav", QByteArray("x"));
    WriteBytes(TestDir() + "notes.txt", QByteArray("x"));
    WriteBytes(TestDir() + QString::fromUtf8("Сирена.wav"), QByteArray("x"));  // cannot be stored
    AlarmSettings s;
    std::strcpy(s.soundFile, "HORN.wav");
    std::int32_t interval = 10;
    ASSERT_TRUE(RunSetup(View(), s, interval, [](Dialog& d) {
        ASSERT_EQ(d.GetCount(Sounds), 2);
        EXPECT_EQ(d.GetString(Sounds, 0), "bell.wav");
        EXPECT_EQ(d.GetString(Sounds, 1), "Horn.WAV");
        EXPECT_EQ(d.GetSelIndex(Sounds), 1);
        d.Click(alarmid::Test);
        d.Click(platform::IDOK);
    }));
    EXPECT_EQ(doubles().sounder.played, QStringList{TestDir() + "Horn.WAV"});
    EXPECT_STREQ(s.soundFile, "Horn.WAV");

    // A name not in the folder selects the first; a choice is taken only by SAVE.
    std::strcpy(s.soundFile, "gone.wav");
    RunSetup(View(), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetSelIndex(Sounds), 0);
        d.SetSelIndex(Sounds, 1);
        d.Command(Sounds, platform::CBN_SELCHANGE);
        d.Click(platform::IDCANCEL);
    });
    EXPECT_STREQ(s.soundFile, "gone.wav");
}

TEST(AlarmSetupDlg, TheMailBoxAndTheGasLimitsFollowProfileAndMonitor)
{
    for (int profile : {2, 12, 4}) {
        AlarmSettings s;
        s.notifyByMail = 1;
        std::int32_t interval = 10;
        RunSetup(View(profile), s, interval, [profile](Dialog& d) {
            EXPECT_EQ(d.Control(MailCheck)->isVisible(), profile != 4) << profile;
            d.Click(MailCheck);
            d.Click(platform::IDOK);
        });
        EXPECT_EQ(s.notifyByMail, profile == 4 ? 1 : 0) << profile;
    }

    // Without a gas monitor its limits show as stored, cannot be changed and are kept.
    AlarmSettings s;
    s.highGasUnits = 400;
    s.lowGasUnits = 20;
    s.lowGasMinutes = 5;
    s.flowMaximum = 700;
    std::int32_t interval = 10;
    ASSERT_TRUE(RunSetup(View(4, false, false), s, interval, [](Dialog& d) {
        EXPECT_EQ(d.GetText(HighGas) + "," + d.GetText(LowGas) + "," + d.GetText(LowGasMinutes), "400,20,5");
        EXPECT_FALSE(d.IsEnabled(HighGas));
        EXPECT_FALSE(d.IsEnabled(LowGasMinutes));
        EXPECT_EQ(d.GetText(FlowMaximum), "700");
        d.SetText(FlowMinimum, "150");
        d.SetText(CasingMinutes, "x");
        d.Click(platform::IDOK);
    }));
    EXPECT_EQ(s.highGasUnits, 400);
    EXPECT_EQ(s.lowGasUnits, 20);
    EXPECT_EQ(s.lowGasMinutes, 5);
    EXPECT_EQ(s.flowMinimum, 150);
    EXPECT_EQ(s.casingMinutes, 0);
}

TEST(AlarmDisplay, CloseAcknowledgesTheLastAlarmAndHides)
{
    QWidget main;
    LogAlarm alarm(TestDir());
    alarm.host.makeStatusWindow = [&main](LogAlarm& a, const QString& first) -> AlarmStatusWindow* {
        return ShowAlarmDisplay(&main, a, first);
    };
    alarm.settings.alarmDepth = 1500;
    alarm.flags[kAlarmDepth] = 1;
    alarm.Raise(kAlarmDepth, "Alarm Depth");
    auto* display = dynamic_cast<AlarmDisplay*>(alarm.StatusWindow());
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->GetText(105), "Alarm Depth");
    EXPECT_FALSE(display->Control(127)->isVisible());
    EXPECT_TRUE(display->isVisible());

    EXPECT_TRUE(display->Click(102));
    EXPECT_FALSE(display->isVisible());
    EXPECT_EQ(alarm.flags[kAlarmDepth], 0);
    EXPECT_EQ(At<std::int32_t>(ReadBytes(AlarmFilePath(TestDir())), 16), 0);

    // Hidden, it takes no text; the next alarm shows it with its own.
    display->SetAlarmText("Bottoms Up");
    EXPECT_EQ(display->GetText(105), "Alarm Depth");
    alarm.Raise(kAlarmBottomsUp, "Bottoms Up");
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->GetText(105), "Bottoms Up");

    // Destroyed with its parent still there: the alarms forget it and the next one is silent.
    std::strcpy(alarm.settings.soundFile, "Siren.wav");
    delete display;
    EXPECT_EQ(alarm.StatusWindow(), nullptr);
    alarm.Raise(kAlarmBottomsUp, "Bottoms Up");
    EXPECT_TRUE(doubles().sounder.played.isEmpty());
    EXPECT_NE(alarm.StatusWindow(), nullptr);
}

class AlarmServices : public drilling_testing::DrillingCommandTest {
protected:
    AlarmServices() { InstallAlarmWindows(commands, &main); }
    QWidget main;
};

TEST_F(AlarmServices, DrillingAlarmsShowOverTheWindowAndTheSetupSetsTheLagInterval)
{
    log.well.loggerId = 4;
    Toggle();
    ASSERT_NE(log.engines.driller, nullptr);
    LogAlarm& alarms = *Driller().Alarms();
    const int captures = doubles().gamePort.captures;
    alarms.Raise(kAlarmLongUnit, "Long Foot");
    auto* display = dynamic_cast<AlarmDisplay*>(alarms.StatusWindow());
    ASSERT_NE(display, nullptr);
    EXPECT_EQ(display->parentWidget(), &main);
    EXPECT_EQ(doubles().gamePort.captures, captures + 1);

    const QString folder = QDir::currentPath();
    Dialog::QueueTestScript([](Dialog& d) {
        EXPECT_EQ(d.windowTitle(), "Alarm Setup");
        EXPECT_FALSE(d.Control(MailCheck)->isVisible());
        d.SetText(LagInterval, "40");
        d.SetText(Depth, "1100");
        d.Click(platform::IDOK);
    });
    commands.RunAlarmSetup(log);
    EXPECT_EQ(Driller().Setup().lagAlarmInterval, 40);
    EXPECT_EQ(alarms.settings.alarmDepth, 1100);
    EXPECT_EQ(At<std::int32_t>(ReadBytes(AlarmFilePath(TestDir())), 16), 1100);
    EXPECT_EQ(QDir::currentPath(), folder);

    // Drilling off: the window goes with the alarms.
    QPointer<AlarmDisplay> held(display);
    Toggle();
    EXPECT_EQ(log.engines.driller, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(held.isNull());
}

}  // namespace
