#include "exchange/dailyfiles.h"

#include "exchange/filehelpers.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/datesuffix.h"
#include "wellfile/deletefiles.h"
#include "wellfile/downloadlog.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"
#include "wits/dailyfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace exchange {

namespace {

// The sub-folder `name` of `folder` as it is spelt on disk, made when missing; empty when there is no
// such folder and none can be made (a plain file of that name, say).
QString DailyFolder(const QString& folder, const QString& name)
{
    const QString sub = platform::MadeSubFolder(folder, name);
    return QFileInfo(sub).isDir() ? sub : QString();
}

// Copies `from` over `to` and deletes `from` once the copy is there whole.
bool MoveByCopy(const QString& from, const QString& to)
{
    wellfile::SetNormalAttributes(to);
    if (!wellfile::CopyFileReplacing(from, to))
        return false;
    wellfile::DeleteFiles(from);
    return true;
}

int MoveWellFiles(const QString& sourceFolder, const QString& targetFolder, const QString& wellName,
                  const QString& wildcard)
{
    if (wellName.isEmpty())
        return 0;
    const QStringList names = MatchingNames(platform::JoinPath(sourceFolder, wildcard));
    for (const QString& name : names) {
        const qsizetype at = name.indexOf(u'@');
        if (name.left(at < 0 ? name.size() : at).compare(wellName, Qt::CaseInsensitive) != 0)
            continue;
        const QString from = platform::JoinPath(sourceFolder, name);
        if (QFileInfo(from).isFile())
            MoveByCopy(from, platform::JoinPath(targetFolder, name));
    }
    return names.isEmpty() ? 0 : 1;
}

// The day a received block belongs to: the date of its name, else that of its first stamped sample,
// else today.
QDate DayOfBlock(const QString& baseName, const std::vector<wellfile::WITSRECORD>& samples)
{
    int month = 0, day = 0, year = 0;
    if (ParseDate(baseName, month, day, year)) {
        const QDate named(year + 2000, month, day);
        if (named.isValid())
            return named;
    }
    for (const wellfile::WITSRECORD& s : samples) {
        const QDate taken = wits::DateOfSample(s);
        if (taken.isValid())
            return taken;
    }
    return platform::LocalTime().date();
}

}  // namespace

int ArchiveChartFile(const QString& path, const QString& dataFolder, const QString& wellName, const QDate& date)
{
    const QString folder = DailyFolder(dataFolder, QStringLiteral("chart"));
    if (folder.isEmpty() || wellName.isEmpty())
        return 1;
    const QString target = platform::FindFileNoCase(folder, wellName + wellfile::DateSuffix(date) + QStringLiteral(".cht"));
    if (!QFileInfo::exists(target))
        QFile::rename(path, target);
    return 1;
}

int ArchiveWitsFile(const QString& path, const QString& dataFolder, const QString& wellName, const QDate& date)
{
    wellfile::SetNormalAttributes(path);
    if (!QFileInfo(path).isFile() || wellName.isEmpty())
        return 1;
    const QString folder = DailyFolder(dataFolder, QStringLiteral("wits"));
    if (!folder.isEmpty())
        MoveByCopy(path, platform::FindFileNoCase(folder, wellName + wellfile::DateSuffix(date) + QStringLiteral(".wit")));
    return 1;
}

int ArchiveWitsFiles(const QString& folder, QString& witsFolder)
{
    const QString target = DailyFolder(folder, QStringLiteral("wits"));
    if (!target.isEmpty())
        witsFolder = target;
    const QStringList names = MatchingNames(platform::JoinPath(folder, QStringLiteral("*.wit")));
    if (!target.isEmpty())
        for (const QString& name : names) {
            const QString to = platform::JoinPath(target, name);
            wellfile::SetNormalAttributes(to);
            wellfile::CopyFileReplacing(platform::JoinPath(folder, name), to);
        }
    return names.isEmpty() ? 0 : 1;
}

int ImportReceivedWitsFiles(const QString& receiveFolder, const QString& dataFolder, const QString& forwardFolder)
{
    const QStringList names = MatchingNames(platform::JoinPath(receiveFolder, QStringLiteral("*.zl8")));
    if (names.isEmpty())
        return 1;
    const QString witsFolder = DailyFolder(dataFolder, QStringLiteral("wits"));
    for (const QString& name : names) {
        const QString path = platform::JoinPath(receiveFolder, name);
        // Forwarded before it is imported and deleted: each block reaches the next station too. The
        // remote monitor runs unattended, so the copy is logged rather than shown.
        if (!forwardFolder.isEmpty()) {
            const QString copy = platform::JoinPath(forwardFolder, name);
            wellfile::SetNormalAttributes(copy);
            const bool copied = wellfile::CopyFileReplacing(path, copy);
            wellfile::WriteDownloadLog(dataFolder, path, copy, copied ? wellfile::kDownloadBlank : wellfile::kDownloadCopyFailed);
        }
        const std::optional<std::vector<wellfile::WITSRECORD>> samples = wits::ReadDailyFile(path);
        if (!samples)
            return 0;
        if (witsFolder.isEmpty())
            continue;  // nowhere to put it: it waits for the next try
        const QString base = name.left(name.indexOf(u'.'));
        const QString target = platform::FindFileNoCase(witsFolder, base + QStringLiteral(".wit"));
        if (wits::WriteDailyRecords(target, DayOfBlock(base, *samples), samples->data(), int(samples->size())))
            wellfile::DeleteFiles(path);
    }
    return 1;
}

int MoveWellChartFiles(const QString& sourceFolder, const QString& targetFolder, const QString& wellName)
{
    return MoveWellFiles(sourceFolder, targetFolder, wellName, QStringLiteral("*.cht"));
}

int MoveWellWitsFiles(const QString& sourceFolder, const QString& targetFolder, const QString& wellName)
{
    return MoveWellFiles(sourceFolder, targetFolder, wellName, QStringLiteral("*.wit"));
}

}  // namespace exchange
