#include "wellfile/downloadlog.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QFile>

namespace wellfile {

int WriteDownloadLog(const QString& folder, const QString& text, const QString& name, int word)
{
    const QDateTime now = platform::LocalTime();
    const int hour = now.time().hour();
    const int minute = now.time().minute();
    const int month = now.date().month();
    const int day = now.date().day();
    const int year = now.date().year();
    const QByteArray t = platform::ToCp1252(text);
    const QByteArray n = platform::ToCp1252(name);

    const char* wordText = nullptr;
    switch (word) {
    case kDownloadCopyFailed: wordText = "copy failed to"; break;
    case kDownloadCopied: wordText = "files copied to"; break;
    case kDownloadBlank: wordText = " "; break;
    default: break;
    }
    const std::string line =
        wordText ? platform::CFormat(" %s %s  %s  at %2d:%02d , %2d/%d/%2d\n", t.constData(), wordText, n.constData(),
                                     hour, minute, month, day, year)
                 : platform::CFormat(" %s %s  at %2d:%02d , %2d/%d/%2d\n", t.constData(), n.constData(), hour, minute,
                                     month, day, year);

    QFile f(platform::JoinPath(folder, QStringLiteral("download.txt")));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return 0;
    const qint64 wrote = f.write(line.data(), qint64(line.size()));
    f.close();
    return wrote == qint64(line.size()) && f.error() == QFileDevice::NoError ? 1 : 0;
}

}  // namespace wellfile
