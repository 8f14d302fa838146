#include "drilling/logalarm.h"

#include "app/notbuilt.h"

#include <QFile>

#include <cstring>

namespace drilling {

QString AlarmFilePath(const QString& dataFolder) { return dataFolder + QStringLiteral("StrativM.alm"); }

LogAlarm::LogAlarm(QString folder) : dataFolder(std::move(folder)) {}

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

void LogAlarm::Raise(int kind, const QString& text)
{
    currentKind = kind;
    if (raiseHook)
        raiseHook(kind, text);
    else
        app::NotBuilt("drilling", "LogAlarm::Raise");
}

}  // namespace drilling
