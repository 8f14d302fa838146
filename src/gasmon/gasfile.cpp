#include "gasmon/gasfile.h"

#include "platform/filesizesignal.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/fileattrs.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

#include <unistd.h>

namespace gasmon {

QString GasFileName(const QString& dataFolder, const QString& wellName)
{
    return platform::JoinPath(platform::FindFileNoCase(dataFolder, QStringLiteral("gas")),
                              wellName + QStringLiteral(".gas"));
}

bool AppendGasRecord(const QString& path, const GASRECORD& record, FailureSpell* spell, QString* reason)
{
    wellfile::SetNormalAttributes(path);
    QFile file(path);
    const bool exists = QFileInfo::exists(path);
    const auto fail = [&](const QString& why) {
        if (reason)
            *reason = why;
        else if (ReportFailure(spell))
            platform::MessageBox(exists ? QStringLiteral("Gas File Open Failed") : QStringLiteral("Gas File Create Failed"),
                                 QStringLiteral("ERROR"));
        return false;
    };
    if (!file.open(exists ? QIODevice::ReadWrite | QIODevice::Unbuffered
                          : QIODevice::ReadWrite | QIODevice::NewOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const qint64 oldSize = file.size();
    const qint64 end = oldSize / kGasRecordSize * kGasRecordSize;
    // A torn tail (shorter than a record) is written over, so the file grows to whole records again.
    if (!file.seek(end) ||
        platform::WriteOrReason(file, reinterpret_cast<const char*>(&record), kGasRecordSize) != kGasRecordSize) {
        const QString why = file.errorString();
        // Taken back whole; the record is lost, which is said as a failure of the file.
        file.resize(oldSize);
        return fail(why);
    }
    ::fsync(file.handle());  // committed, as the stations reading the file expect
    if (spell)
        spell->Succeeded();
    return true;
}

int ReadGasFile(const QString& path, std::span<GASRECORD> buffer, int first, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::MessageBox(path, QStringLiteral("File Read Error In"));
        return 0;
    }
    const qint64 records = file.size() / kGasRecordSize;
    if (count == -1)
        return int(std::min<qint64>(records, INT32_MAX));
    const qint64 wanted = std::min<qint64>({count, std::max<qint64>(records, 1), qint64(buffer.size())});
    if (wanted <= 0)
        return -1;
    std::memset(static_cast<void*>(buffer.data()), 0, std::size_t(wanted) * sizeof(GASRECORD));
    const qint64 present = first >= 0 ? std::min(wanted, records - first) : 0;
    qint64 read = 0;
    if (present > 0 && file.seek(qint64(first) * kGasRecordSize))
        read = std::max<qint64>(file.read(reinterpret_cast<char*>(buffer.data()), present * kGasRecordSize), 0);
    return int(read / kGasRecordSize) - 1;
}

}  // namespace gasmon
