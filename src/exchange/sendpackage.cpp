#include "exchange/sendpackage.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/datesuffix.h"
#include "wellfile/fileattrs.h"
#include "wellfile/horzsetuprecord.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace exchange {

QStringList StemFilesIn(const QString& folder, const QString& stem, const QStringList& heldOut)
{
    // Compared by hand, not as a wildcard: a well name may hold "[" or "?".
    const QString start = stem + u'.';
    QStringList files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (!name.startsWith(start, Qt::CaseInsensitive))
            continue;
        if (heldOut.contains(name.mid(start.size()).toLower()))
            continue;
        files << dir.filePath(name);
    }
    return files;
}

QStringList FilesMatching(const QString& folder, const QString& pattern)
{
    QStringList files;
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return files;
    for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden, QDir::Name))
        files << dir.filePath(name);
    return files;
}

QString SendFolderOf(const QString& dataFolder)
{
    return platform::WithSlash(platform::FindFileNoCase(dataFolder, QStringLiteral("sendfile")));
}

QString DatedSendCopy(const QString& dataFolder, const QString& wellName, const QDate& today, const QString& extension)
{
    return SendFolderOf(dataFolder) + wellName + wellfile::DateSuffix(today) + extension;
}

QStringList UpdateHeldOut() { return {QStringLiteral("wfg"), QStringLiteral("sch"), QStringLiteral("lag")}; }

QStringList UpdatePackageFiles(const QString& dataFolder, const QString& wellName)
{
    const QString send = SendFolderOf(dataFolder);
    return StemFilesIn(dataFolder, wellName, UpdateHeldOut()) + FilesMatching(send, QStringLiteral("*.jpg")) +
           FilesMatching(send, QStringLiteral("*.wit"));
}

QString LeaveOutTooLarge(QStringList& files)
{
    QStringList large;
    files.removeIf([&large](const QString& path) {
        const bool over = QFileInfo(path).size() > qint64(wellfile::kMaxPackageEntryBytes);
        if (over)
            large << QFileInfo(path).fileName();
        return over;
    });
    if (large.isEmpty())
        return {};
    return QStringLiteral("%1 left out: larger than the %2 MiB a receiving station takes of one file")
        .arg(large.join(QStringLiteral(", ")))
        .arg(wellfile::kMaxPackageEntryBytes >> 20);
}

QString TooLargeTogether(const QStringList& files)
{
    std::vector<std::pair<qint64, QString>> sizes;
    qint64 total = 0;
    for (const QString& path : files) {
        const qint64 size = QFileInfo(path).size();
        sizes.emplace_back(size, QFileInfo(path).fileName());
        total += size;
    }
    if (total <= qint64(wellfile::kMaxPackageBytes))
        return {};
    std::stable_sort(sizes.begin(), sizes.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList large;
    for (const auto& [size, name] : sizes) {
        if (total <= qint64(wellfile::kMaxPackageBytes))
            break;
        large << QStringLiteral("%1 (%2 MiB)").arg(name).arg(size >> 20);
        total -= size;
    }
    return QStringLiteral("Nothing was sent: %1 %2 the package larger than the %3 MiB a receiving station takes of "
                          "one package")
        .arg(large.join(QStringLiteral(", ")), large.size() == 1 ? QStringLiteral("makes") : QStringLiteral("make"))
        .arg(wellfile::kMaxPackageBytes >> 20);
}

QStringList SendHeldOut(const SendOptions& o)
{
    QStringList held;
    if (!o.config)
        held << QStringLiteral("cfg");
    if (!o.horz)
        held << QStringLiteral("hor");
    if (!o.tops)
        held << QStringLiteral("top");
    if (!o.colour)
        held << QStringLiteral("clr");
    held << QStringLiteral("wfg");
    return held;
}

SendLists SendFileLists(const SendPlaces& p, const SendOptions& options, const QDate& today, const QStringList& horzFiles)
{
    const QStringList well = StemFilesIn(p.currentFolder, p.wellName, SendHeldOut(options));
    const QStringList pictures = FilesMatching(SendFolderOf(p.dataFolder), QStringLiteral("*.jpg"));
    QStringList chart;
    const QString chartCopy = DatedSendCopy(p.dataFolder, p.wellName, today, QStringLiteral(".cht"));
    if (QFileInfo(chartCopy).isFile())
        chart << chartCopy;
    // The TVD twin: the well name with its first character replaced by "~".
    const QStringList twin = p.wellName.isEmpty() ? QStringList()
                                                  : StemFilesIn(p.currentFolder, u'~' + p.wellName.mid(1));
    SendLists lists;
    lists.full = well + twin + pictures + chart + horzFiles;
    lists.retry = well + pictures + chart;
    return lists;
}

int ReadHorzSetup(const QString& dataFolder, const QString& wellName, wellfile::HorzSetupRecord& r)
{
    const QString path = dataFolder + wellName + QStringLiteral(".hor");
    wellfile::SetNormalAttributes(path);
    QFile f(path);
    if (f.size() != qint64(sizeof r) || !f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = f.readAll();
    if (bytes.size() != qsizetype(sizeof r))
        return 0;
    std::memcpy(&r, bytes.constData(), sizeof r);
    return 1;
}

QStringList HorzGammaFiles(const wellfile::HorzSetupRecord& r, const QString& currentFolder, const QString& wellName)
{
    const QString anchor = wellfile::RebasedPath(platform::FieldString(r.anchorGammaFile), currentFolder);
    const QString target = wellfile::RebasedPath(platform::FieldString(r.targetGammaFile), currentFolder);
    const QString ownCurves = currentFolder + wellName + QStringLiteral(".svc");
    if (anchor.isEmpty() || anchor.compare(ownCurves, Qt::CaseInsensitive) == 0)
        return {};
    QStringList files;
    if (QFileInfo(anchor).isFile())
        files << anchor;
    if (!target.isEmpty() && target.compare(anchor, Qt::CaseInsensitive) != 0 && QFileInfo(target).isFile())
        files << target;
    return files;
}

wellfile::PackageWriteResult WriteFreshPackage(const QString& zipPath, const QStringList& files)
{
    wellfile::SetNormalAttributes(zipPath);
    QFile::remove(zipPath);
    return wellfile::WritePackage(zipPath, files, wellfile::kPackageLevel, wellfile::PackageWrite::Replace);
}

}  // namespace exchange
