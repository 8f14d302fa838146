// The drilling alarms: the settings file, raising (sound, status window, mailer), acknowledging and the
// setup on a copy of the settings.
#include "drilling/logalarm.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "support/files.h"
#include "support/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <gtest/gtest.h>

#include <cstring>

using namespace drilling;
using testing_support::At;
using testing_support::doubles;
using testing_support::ReadBytes;
using testing_support::TestDir;
using testing_support::WriteBytes;

namespace {

// The status window as the alarms see it, recorded.
class WindowDouble final : public AlarmStatusWindow {
public:
    bool shown = true;
    int showAgain = 0;
    QString text;
    bool alarmsGone = false;
    bool IsShown() const override { return shown; }
    void ShowAgain() override
    {
        ++showAgain;
        shown = true;
    }
    void SetAlarmText(const QString& t) override
    {
        if (shown)
            text = t;
    }
    void AlarmsGone() override { alarmsGone = true; }
};

struct Alarms {
    explicit Alarms(int profile = 0)
    {
        alarm.host.profile = [this] { return profile_; };
        alarm.host.makeStatusWindow = [this](LogAlarm&, const QString& first) -> AlarmStatusWindow* {
            ++made;
            window.text = first;
            return &window;
        };
        alarm.host.recaptureDepthBox = [] { platform::services().gamePort->SetCapture(7); };
        profile_ = profile;
    }
    QByteArray File() const { return ReadBytes(AlarmFilePath(TestDir())); }

    int profile_ = 0;
    int made = 0;
    WindowDouble window;
    LogAlarm alarm{TestDir()};
};

TEST(LogAlarm, LoadTakesTheFileAsFarAsTheRecordGoes)
{
    LogAlarm alarm(TestDir());
    AlarmSettings s;
    s.alarmDepth = 77;
    EXPECT_EQ(alarm.Load(s), 0);  // missing: no midnight alarm nobody set
    EXPECT_EQ(s.alarmHour, -1);
    EXPECT_EQ(s.alarmDepth, 0);

    QByteArray bytes(100, '\0');
    const std::int32_t depth = 1230;
    std::memcpy(bytes.data() + 16, &depth, 4);
    WriteBytes(AlarmFilePath(TestDir()), bytes);
    s.lowGasUnits = 5;
    EXPECT_EQ(alarm.Load(s), 1);
    EXPECT_EQ(s.alarmDepth, 1230);
    EXPECT_EQ(s.alarmHour, 0);  // held by the file
    EXPECT_EQ(s.lowGasUnits, 0);

    QByteArray longer(3000, 'A');
    WriteBytes(AlarmFilePath(TestDir()), longer);
    EXPECT_EQ(alarm.Load(s), 1);
    EXPECT_EQ(std::strlen(s.soundFile), std::size_t(kAlarmSoundNameSize - 1));
}

TEST(LogAlarm, SaveWritesTheWholeRecordOrTellsWhyNot)
{
    LogAlarm alarm(TestDir());
    AlarmSettings s;
    s.breakMinutes = 1.5f;
    s.alarmDepth = 2500;
    s.alarmHour = 14;
    std::strcpy(s.soundFile, "Horn.wav");
    s.highGasUnits = 300;
    s.casingMinutes = 9;
    s.notifyByMail = 1;
    ASSERT_EQ(alarm.Save(s), 1);
    const QByteArray file = ReadBytes(AlarmFilePath(TestDir()));
    ASSERT_EQ(file.size(), 2248);
    EXPECT_EQ(At<float>(file, 0), 1.5f);
    EXPECT_EQ(At<std::int32_t>(file, 16), 2500);
    EXPECT_EQ(At<std::int32_t>(file, 20), 14);
    EXPECT_EQ(file.mid(1848, 9), QByteArray("Horn.wav", 9));
    EXPECT_EQ(At<std::int32_t>(file, 2108), 300);
    EXPECT_EQ(At<std::int32_t>(file, 2164), 9);
    EXPECT_EQ(At<std::int32_t>(file, 2176), 1);
    EXPECT_TRUE(doubles().prompter.messages.isEmpty());

    // A folder that cannot take the file: the user is told.
    LogAlarm nowhere(TestDir() + "gone/");
    EXPECT_EQ(nowhere.Save(s), 0);
    ASSERT_EQ(doubles().prompter.messages.size(), 1);
    EXPECT_TRUE(doubles().prompter.messages[0].text.contains("StrativM.alm"));
    EXPECT_FALSE(QFileInfo::exists(TestDir() + "gone/StrativM.alm"));
}

TEST(LogAlarm, RaiseSoundsAndShowsUntilTheWindowGoes)
{
    Alarms a;
    std::strcpy(a.alarm.settings.soundFile, "Siren.wav");
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    EXPECT_EQ(a.made, 1);
    EXPECT_EQ(a.window.text, "Alarm Depth");
    EXPECT_EQ(doubles().sounder.played, QStringList{TestDir() + "Siren.wav"});
    EXPECT_EQ(a.alarm.currentKind, kAlarmDepth);
    EXPECT_EQ(doubles().gamePort.captures, 1);

    // Hidden by its button: the next alarm shows it again with the new text; no text keeps the old one.
    a.window.shown = false;
    a.alarm.Raise(kAlarmTime, "Alarm time 7 : 30");
    EXPECT_EQ(a.made, 1);
    EXPECT_EQ(a.window.showAgain, 1);
    EXPECT_EQ(a.window.text, "Alarm time 7 : 30");
    a.alarm.Raise(kAlarmBottomsUp, QString());
    EXPECT_EQ(a.window.text, "Alarm time 7 : 30");
    EXPECT_EQ(a.alarm.currentKind, kAlarmBottomsUp);
    EXPECT_EQ(doubles().sounder.played.size(), 3);
    EXPECT_EQ(doubles().gamePort.captures, 3);

    // The window destroyed: the next alarm is silent and makes a new one; the one after sounds again.
    a.alarm.StatusWindowGone(&a.window);
    EXPECT_EQ(a.alarm.StatusWindow(), nullptr);
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    EXPECT_EQ(a.made, 2);
    EXPECT_EQ(doubles().sounder.played.size(), 3);
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    EXPECT_EQ(doubles().sounder.played.size(), 4);

    // No sound chosen: nothing is played.
    a.alarm.settings.soundFile[0] = '\0';
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    EXPECT_EQ(doubles().sounder.played.size(), 4);
}

TEST(LogAlarm, MailedAlarmsStartTheMailerInsteadAndAreAcknowledged)
{
    Alarms a(12);
    std::strcpy(a.alarm.settings.soundFile, "Siren.wav");
    a.alarm.settings.notifyByMail = 1;
    a.alarm.settings.alarmDepth = 3000;
    a.alarm.flags[kAlarmDepth] = 1;
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    ASSERT_EQ(doubles().shell.started.size(), 1);
    EXPECT_EQ(doubles().shell.started[0].args, (QStringList{"/ALARM", "Alarm Depth"}));
    EXPECT_EQ(a.alarm.flags[kAlarmDepth], 0);
    const QByteArray file = a.File();
    ASSERT_EQ(file.size(), 2248);
    EXPECT_EQ(At<std::int32_t>(file, 16), 0);
    EXPECT_EQ(At<std::int32_t>(file, 2176), 0);
    EXPECT_TRUE(doubles().sounder.played.isEmpty());
    EXPECT_EQ(a.made, 0);

    // Only the first alarm after the flag was set is mailed; other profiles never mail.
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    EXPECT_EQ(doubles().shell.started.size(), 1);
    EXPECT_EQ(a.made, 1);
    Alarms other(4);
    other.alarm.settings.notifyByMail = 1;
    other.alarm.Raise(kAlarmHighGas, "Alarm High Gas");
    EXPECT_EQ(doubles().shell.started.size(), 1);
    EXPECT_EQ(other.made, 1);
}

TEST(LogAlarm, TheMailerGetsTheTextAsOneArgument)
{
    // A script stands in for the mailer and writes down its arguments, one a line.
    const QString script = TestDir() + "mailer.sh";
    const QString out = TestDir() + "args.txt";
    WriteBytes(script, QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"%1.part\" && mv \"%1.part\" \"%1\"\n").arg(out).toUtf8());
    QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    platform::WriteSetting(QStringLiteral("ALARMS/MAILER"), script);
    platform::Services s = platform::services();
    s.shell = &platform::RealShell();
    platform::InstallServices(s);

    Alarms a(2);
    a.alarm.settings.notifyByMail = 1;
    a.alarm.Raise(kAlarmDepth, "Alarm Depth");
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(out) && waited.elapsed() < 60000)
        QThread::msleep(20);
    ASSERT_TRUE(QFileInfo::exists(out)) << "waited a minute for the mailer program to write " << out.toStdString();
    EXPECT_EQ(ReadBytes(out), QByteArray("2\n/ALARM\nAlarm Depth\n"));
}

TEST(LogAlarm, AcknowledgingSwitchesTheAlarmOffAndSaves)
{
    Alarms a;
    AlarmSettings& s = a.alarm.settings;
    s.alarmDepth = 3000;
    s.alarmHour = 7;
    s.alarmMinute = 30;
    s.flowMinimum = 100;
    s.flowMaximum = 500;
    s.flowMinutes = 2;
    s.casingLimit = 900;
    s.highGasUnits = 250;
    a.alarm.flags[kAlarmDepth] = a.alarm.flags[kAlarmTime] = a.alarm.flags[kAlarmFlow] = 1;

    a.alarm.Acknowledge(kAlarmDepth);
    EXPECT_EQ(a.alarm.flags[kAlarmDepth], 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 16), 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 20), 7);

    a.alarm.Acknowledge(kAlarmTime);
    EXPECT_EQ(s.alarmHour, -1);
    EXPECT_EQ(s.alarmMinute, 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 20), -1);

    a.alarm.Acknowledge(kAlarmFlow);
    EXPECT_EQ(a.alarm.flags[kAlarmFlow], 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 2124), 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 2128), 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 2156), 0);
    EXPECT_EQ(At<std::int32_t>(a.File(), 2140), 900);  // other alarms stay set
    EXPECT_EQ(At<std::int32_t>(a.File(), 2108), 250);

    // Kind 6 is no alarm: nothing changes and the file is not touched.
    const QString path = AlarmFilePath(TestDir());
    const QByteArray before = a.File();
    const QDateTime written = QFileInfo(path).lastModified();
    QThread::msleep(20);
    a.alarm.flags[6] = 1;
    s.notifyByMail = 1;
    a.alarm.Acknowledge(6);
    EXPECT_EQ(a.alarm.flags[6], 1);
    EXPECT_EQ(s.notifyByMail, 1);
    EXPECT_EQ(a.File(), before);
    EXPECT_EQ(QFileInfo(path).lastModified(), written);
}

TEST(LogAlarm, SetupWorksOnACopyOfTheFile)
{
    Alarms a;
    AlarmSettings file;
    file.alarmDepth = 1200;
    std::strcpy(file.soundFile, "Horn.wav");
    ASSERT_EQ(a.alarm.Save(file), 1);
    AlarmSettings& live = a.alarm.settings;
    live.alarmDepth = 999;
    live.breakRun = 3;
    std::strcpy(live.soundFile, "Bell.wav");
    const QByteArray liveBefore(reinterpret_cast<const char*>(&live), sizeof live);
    const QString folderBefore = QDir::currentPath();

    // Cancelled after choosing another sound and zeroing the run: the live record is as it was.
    std::int32_t interval = 10;
    a.alarm.host.runSetup = [](AlarmSettings& s, std::int32_t&) {
        EXPECT_EQ(s.alarmDepth, 1200);  // the file, not the live record
        std::strcpy(s.soundFile, "Other.wav");
        s.breakRun = 0;
        return false;
    };
    EXPECT_EQ(a.alarm.Setup(interval), 1);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&live), sizeof live), liveBefore);
    EXPECT_EQ(interval, 10);

    // Saved: the edited copy takes the live record's place and is written.
    a.alarm.host.runSetup = [](AlarmSettings& s, std::int32_t& lag) {
        s.alarmDepth = 1500;
        lag = 25;
        return true;
    };
    EXPECT_EQ(a.alarm.Setup(interval), 1);
    EXPECT_EQ(live.alarmDepth, 1500);
    EXPECT_EQ(QString(live.soundFile), "Horn.wav");
    EXPECT_EQ(interval, 25);
    EXPECT_EQ(At<std::int32_t>(a.File(), 16), 1500);
    EXPECT_EQ(QDir::currentPath(), folderBefore);
}

}  // namespace
