#include "platform/mailer.h"

#include "platform/folders.h"
#include "platform/services.h"

namespace platform {

QString AlarmMailer(const QString& dataFolder)
{
    const QString configured = ReadSetting(QStringLiteral("ALARMS/MAILER")).trimmed();
    if (!configured.isEmpty())
        return configured;
    return FindFileNoCase(dataFolder, QStringLiteral("SVSmtp.exe"));
}

bool StartAlarmMailer(const QString& dataFolder, const QString& text)
{
    QStringList args{QStringLiteral("/ALARM")};
    if (!text.isEmpty())
        args << text;
    Shell* shell = services().shell;
    return (shell ? *shell : RealShell()).StartProgram(AlarmMailer(dataFolder), args);
}

}  // namespace platform
