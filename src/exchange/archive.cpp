#include "exchange/archive.h"

#include "exchange/filehelpers.h"
#include "exchange/filesets.h"
#include "exchange/sendpackage.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/deletefiles.h"
#include "wellfile/wellpackage.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace exchange {

namespace {

// The daily-file folder `base` of a folder whose name holds "REMOTE": the name from its first "1" on.
QString DailyFolderName(const QString& openFolder, const QString& base)
{
    const QString name = QDir(openFolder).dirName();
    if (!name.contains(QLatin1String("REMOTE"), Qt::CaseInsensitive))
        return base;
    const qsizetype one = name.indexOf(u'1');
    return one >= 0 ? base + name.mid(one) : base;
}

using platform::MadeSubFolder;

// Copies the files of `folder` matching `wildcard` whose name before the first "@" is the well's (any
// letter case) into `stage`; the copied sources are added to `taken`.
void CopyDailyFiles(const QString& folder, const QString& wildcard, const QString& well, const QString& stage,
                    QStringList& taken)
{
    for (const QString& name : MatchingNames(platform::JoinPath(folder, wildcard))) {
        const qsizetype at = name.indexOf(u'@');
        const QString from = platform::JoinPath(folder, name);
        if (name.left(at < 0 ? name.size() : at).compare(well, Qt::CaseInsensitive) == 0 &&
            QFileInfo(from).isFile() && wellfile::CopyFileReplacing(from, stage + name))
            taken << from;
    }
}

}  // namespace

QString ArchiveWitsFolderName(const QString& openFolder) { return DailyFolderName(openFolder, QStringLiteral("wits")); }
QString ArchiveChartFolderName(const QString& openFolder)
{
    return DailyFolderName(openFolder, QStringLiteral("chart"));
}

int ArchiveWell(const ArchivePlaces& places)
{
    const QString& well = places.wellName;
    if (places.openFolder.isEmpty() || !QFileInfo(places.openFolder).isDir() || well.isEmpty()) {
        platform::MessageBox(QStringLiteral("Archive Failed"), QStringLiteral("Archive"), platform::MB_OK);
        return 0;
    }
    // A fresh folder: whatever an earlier archive left behind never enters this one.
    QTemporaryDir staging(platform::JoinPath(places.openFolder, QStringLiteral("tmpArchive-XXXXXX")));
    if (!staging.isValid()) {
        platform::MessageBox(QStringLiteral("Archive Failed"), QStringLiteral("Archive"), platform::MB_OK);
        return 0;
    }
    const QString stage = staging.path() + u'/';

    // The daily and gas files leave their folders only once they are in the zip.
    QStringList taken;
    if (places.drilling) {
        CopyDailyFiles(platform::FindFileNoCase(places.openFolder, ArchiveWitsFolderName(places.openFolder)),
                       QStringLiteral("*.wit"), well, stage, taken);
        CopyDailyFiles(platform::FindFileNoCase(places.openFolder, ArchiveChartFolderName(places.openFolder)),
                       QStringLiteral("*.cht"), well, stage, taken);
    }

    const QString package = platform::FindFileNoCase(
        platform::FindFileNoCase(places.dataFolder, QStringLiteral("sendfile")), well + QStringLiteral(".td_"));
    const QString archiveFolder = MadeSubFolder(MadeSubFolder(places.dataFolder, QStringLiteral("archives")), well);
    if (QFileInfo(package).isFile()) {
        if (!wellfile::CopyFileReplacing(package, archiveFolder + well + QStringLiteral(".td_")))
            platform::MessageBox(package, QStringLiteral("copy failed"), platform::MB_OK);
        const QString remote = MadeSubFolder(places.dataFolder, QStringLiteral("remote"));
        wellfile::CopyFileReplacing(package, remote + well + QStringLiteral(".TD_"));
        wellfile::CopyFileReplacing(package, stage + well + QStringLiteral(".td_"));
    }

    if (places.drilling) {
        const QString gas = platform::FindFileNoCase(platform::FindFileNoCase(places.openFolder, QStringLiteral("gas")),
                                                     well + QStringLiteral(".gas"));
        if (QFileInfo(gas).isFile() && wellfile::CopyFileReplacing(gas, stage + well + QStringLiteral(".gas")))
            taken << gas;
    }

    CopyWellFiles(platform::JoinPath(places.openFolder, well), stage, false, places.openFolder);
    // Every other "<well>.<ext>" too (".fit", ".grdx", ".topx", ...): a New or a clear removes them, and
    // the zip alone must give the well back.
    const QStringList staged = QDir(stage).entryList(QDir::Files | QDir::Hidden);
    for (const QString& from : StemFilesIn(places.openFolder, well)) {
        const QString name = QFileInfo(from).fileName();
        if (!staged.contains(name, Qt::CaseInsensitive))
            wellfile::CopyFileReplacing(from, stage + name);
    }

    QStringList files;
    for (const QString& name : QDir(stage).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        files << stage + name;
    const wellfile::PackageWriteResult zipped = wellfile::WritePackage(
        archiveFolder + well + QStringLiteral(".zip"), files, wellfile::kArchiveLevel, wellfile::PackageWrite::Update);
    staging.remove();  // by its own path, whatever folder is current
    if (!zipped.ok) {
        platform::MessageBox(QStringLiteral("Error No. %1").arg(zipped.zipError),
                             QStringLiteral("Zip failed in archive"), platform::MB_OK);
        return 0;
    }
    for (const QString& path : taken)
        wellfile::DeleteFiles(path);
    return 1;
}

}  // namespace exchange
