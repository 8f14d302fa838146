#include "drilling/logalarm.h"

#include "platform/mailer.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <cstring>
#include <utility>

namespace drilling {

QString AlarmFilePath(const QString& dataFolder) { return dataFolder + QStringLiteral("StrativM.alm"); }

LogAlarm::LogAlarm(QString folder) : dataFolder(std::move(folder)) {}

LogAlarm::~LogAlarm()
{
    if (AlarmStatusWindow* w = std::exchange(statusWindow_, nullptr))
        w->AlarmsGone();
}

int LogAlarm::Load(AlarmSettings& s) const
{
    s = AlarmSettings{};
    QFile f(AlarmFilePath(dataFolder));
    if (!f.open(QIODevice::ReadOnly)) {
        s.alarmHour = -1;
        return 0;
    }
    const QByteArray bytes = f.read(kAlarmSettingsSize);
    std::memcpy(&s, bytes.constData(), std::size_t(bytes.size()));
    // The sound name is used as a C string: never past its field.
    s.soundFile[kAlarmSoundNameSize - 1] = '\0';
    return 1;
}

int LogAlarm::Save(const AlarmSettings& s) const
{
    const QString path = AlarmFilePath(dataFolder);
    if (wellfile::WriteWholeFile(path, &s, sizeof s))
        return 1;
    platform::MessageBox(QStringLiteral("The alarm settings could not be saved in %1.").arg(path), QStringLiteral("File Error"),
                         platform::MB_OK | platform::MB_ICONERROR);
    return 0;
}

void LogAlarm::PlayAlarmSound() const
{
    const QString name = platform::FieldString(settings.soundFile);
    if (name.isEmpty())
        return;
    if (platform::Sounder* sounder = platform::services().sounder)
        sounder->PlaySound(dataFolder + name);
}

void LogAlarm::Raise(int kind, const QString& text)
{
    if (raiseHook) {
        currentKind = kind;
        raiseHook(kind, text);
        return;
    }
    const int profile = host.profile ? host.profile() : 0;
    if (MailsAlarms(profile) && settings.notifyByMail != 0) {
        platform::StartAlarmMailer(dataFolder, text);
        Acknowledge(kind);
        return;
    }
    currentKind = kind;
    if (!muteNext)
        PlayAlarmSound();
    if (!statusWindow_) {
        if (host.makeStatusWindow)
            statusWindow_ = host.makeStatusWindow(*this, platform::FieldString(settings.soundFile));
        muteNext = 0;
    }
    if (statusWindow_ && !statusWindow_->IsShown())
        statusWindow_->ShowAgain();
    if (statusWindow_ && !text.isEmpty())
        statusWindow_->SetAlarmText(text);
    // The depth box stops reporting to a window that lost it to the alarm.
    if (host.recaptureDepthBox)
        host.recaptureDepthBox();
}

void LogAlarm::Acknowledge(int kind)
{
    if (kind < 0 || kind > kAlarmWitsPercent || kind == 6)
        return;
    flags[std::size_t(kind)] = 0;
    AlarmSettings& s = settings;
    switch (kind) {
    case kAlarmDrillingBreak: s.breakRun = 0; break;
    case kAlarmDepth: s.alarmDepth = 0; break;
    case kAlarmTime:
        s.alarmHour = -1;
        s.alarmMinute = 0;
        break;
    case kAlarmLongUnit: s.longUnitMinutes = 0; break;
    case kAlarmFlow:
        s.flowMinimum = s.flowMaximum = s.flowMinutes = 0;
        break;
    case kAlarmCasing: s.casingLimit = 0; break;
    case kAlarmPitVolume:
        s.pitVolumeMinimum = s.pitVolumeMaximum = s.pitVolumeMinutes = 0;
        break;
    case kAlarmWitsPercent:
        s.witsPercentLimit = s.witsPercentMinutes = 0;
        break;
    default: break;  // high gas, low gas, bottoms up: the flag only
    }
    s.notifyByMail = 0;
    if (host.focusMainWindow)
        host.focusMainWindow();
    Save(s);
}

int LogAlarm::Setup(std::int32_t& lagAlarmInterval)
{
    AlarmSettings edited;
    Load(edited);
    if (host.runSetup && host.runSetup(edited, lagAlarmInterval)) {
        settings = edited;
        Save(settings);
    }
    return 1;
}

void LogAlarm::StatusWindowGone(const AlarmStatusWindow* window)
{
    if (window != statusWindow_)
        return;
    statusWindow_ = nullptr;
    muteNext = 1;
}

}  // namespace drilling
