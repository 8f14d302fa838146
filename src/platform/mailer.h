#pragma once
// The external alarm mailer. Alarms of the logging companies that ask for it are mailed instead of
// sounded: the program only starts the mailer with the alarm's text and never waits for it. The mailer
// is the program named by the settings value "ALARMS/MAILER"; without one it is the data folder's
// "SVSmtp.exe" (an executable of that name, looked up without regard to letter case).
#include <QString>

namespace platform {

// The mailer program for the data folder `dataFolder`.
QString AlarmMailer(const QString& dataFolder);

// Starts the mailer with the arguments {"/ALARM", text} ({"/ALARM"} alone for an empty text), never
// through a shell. False when it could not be started.
bool StartAlarmMailer(const QString& dataFolder, const QString& text);

}  // namespace platform
