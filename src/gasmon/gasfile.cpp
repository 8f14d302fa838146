#include "gasmon/gasfile.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/fileattrs.h"

#include <QFile>
#include <QFileInfo>

namespace gasmon {

QString GasFileName(const QString& dataFolder, const QString& wellName)
{
    return platform::JoinPath(platform::FindFileNoCase(dataFolder, QStringLiteral("gas")),
                              wellName + QStringLiteral(".gas"));
}

bool AppendGasRecord(const QString& path, const GASRECORD& record)
{
    wellfile::SetNormalAttributes(path);
    QFile file(path);
    const bool exists = QFileInfo::exists(path);
    if (!file.open(exists ? QIODevice::ReadWrite : QIODevice::ReadWrite | QIODevice::NewOnly)) {
        platform::MessageBox(exists ? QStringLiteral("Gas File Open Failed") : QStringLiteral("Gas File Create Failed"),
                             QStringLiteral("ERROR"));
        return false;
    }
    const qint64 oldSize = file.size();
    const bool written = file.seek(oldSize)
                         && file.write(reinterpret_cast<const char*>(&record), kGasRecordSize) == kGasRecordSize
                         && file.flush();
    if (!written)
        file.resize(oldSize);
    return written;
}

}  // namespace gasmon
