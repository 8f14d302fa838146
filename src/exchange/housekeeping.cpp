#include "exchange/housekeeping.h"

#include "exchange/filesets.h"
#include "gasmon/chartview.h"
#include "platform/folders.h"
#include "wellfile/deletefiles.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdio>

namespace exchange {

namespace {

// The well file set of a published folder; the stations' list has two empty entries, which name nothing.
constexpr std::array<const char*, 28> kWellFolderSet = {
    ".svm", ".svx", ".hdr", ".rpt", ".sho", ".dst", ".cfg", ".hor", ".grdx", ".lfg", ".sch", ".las", ".svc", ".top",
    ".wit", ".cht", ".wfg", ".qpt", ".lag", ".pdf", ".wit", ".jpg", ".pek", ".sv_", ".td_", ".fit", ".clr", ".dbc"};

constexpr std::array<const char*, 9> kFieldSettings = {".cfg", ".hor", ".sch", ".top", ".grdx",
                                                       ".clr", ".wfg", ".lfg", ".hdr"};

using platform::SameFolder;

// `folder` is `root` or lies under it (any letter case, as SameFolder).
bool Within(const QString& folder, const QString& root)
{
    if (folder.isEmpty() || root.isEmpty())
        return false;
    const QString f = platform::WithSlash(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()));
    const QString r = platform::WithSlash(QDir::cleanPath(QFileInfo(root).absoluteFilePath()));
    return f.startsWith(r, Qt::CaseInsensitive);
}

// Other wells' files are taken away only from a shared folder, never from the install or data folder.
bool MayClear(const HousekeepingPlaces& places, const QString& folder)
{
    if (places.wellName.isEmpty() || SameFolder(folder, places.installFolder) || SameFolder(folder, places.dataFolder))
        return false;
    return std::any_of(places.sharedFolders.begin(), places.sharedFolders.end(),
                       [&folder](const QString& root) { return Within(folder, root); });
}

QStringList Matches(const QString& folder, const QString& pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

bool OtherWell(const QString& name, const QString& wellName)
{
    return NameStem(name).compare(wellName, Qt::CaseInsensitive) != 0;
}

// Moves the file into "removed/" of its folder, replacing an older one of that name there.
void MoveAside(const QString& path)
{
    const QFileInfo info(path);
    const QString aside = platform::JoinPath(info.absolutePath(), QStringLiteral("removed"));
    if (!QDir().mkpath(aside))
        return;
    const QString target = platform::JoinPath(aside, info.fileName());
    wellfile::SetNormalAttributes(target);
    QFile::remove(target);
    if (!QFile::rename(path, target))
        std::fprintf(stderr, "Could not move %s aside\n", qPrintable(path));
}

void Remove(const QString& path, Removal removal)
{
    if (!QFileInfo(path).isFile())
        return;
    if (removal == Removal::Delete)
        wellfile::DeleteFiles(path);
    else
        MoveAside(path);
}

void RemoveSet(const QString& folder, const QString& base, Removal removal)
{
    for (const char* extension : kWellFolderSet)
        Remove(platform::FindFileNoCase(folder, base + QLatin1String(extension)), removal);
}

}  // namespace

int DeleteWellFromFolder(const HousekeepingPlaces& places, const QString& path, bool backup, Removal removal)
{
    const QFileInfo info(path);
    const QString folder = platform::WithSlash(info.absolutePath());
    const QString base = FileBaseName(path);
    RemoveSet(folder, base, removal);
    if (backup)
        RemoveSet(platform::FindFileNoCase(folder, QStringLiteral("backup")), base, removal);
    DeleteOtherWitsFiles(places, folder, removal);
    return 1;
}

int DeleteOtherWitsFiles(const HousekeepingPlaces& places, const QString& folder, Removal removal)
{
    if (places.wellName.isEmpty() || SameFolder(folder, places.installFolder))
        return 0;
    const QStringList names = Matches(folder, QStringLiteral("*.wit"));
    if (names.size() < 2)
        return 0;
    int removed = 0;
    for (const QString& name : names) {
        if (OtherWell(name, places.wellName)) {
            Remove(platform::JoinPath(folder, name), removal);
            ++removed;
        }
    }
    return removed;
}

int RemoveOtherWellCharts(const HousekeepingPlaces& places, const QString& folder)
{
    if (!MayClear(places, folder))
        return 0;
    const QStringList names = Matches(folder, QStringLiteral("*.cht"));
    if (names.size() < 2)
        return 1;
    for (const QString& name : names) {
        const QString path = platform::JoinPath(folder, name);
        if (name.toUpper().contains(QLatin1String("CONFLICTED")))
            Remove(path, Removal::MoveAside);
        else if (OtherWell(name, places.wellName))
            DeleteWellFromFolder(places, path, false, Removal::MoveAside);
    }
    return 1;
}

int RemoveOtherWellPictures(const HousekeepingPlaces& places, const QString& folder)
{
    if (!MayClear(places, folder))
        return 0;
    const QString pictures = platform::FindFileNoCase(folder, QStringLiteral("bitmaps"));
    const QStringList names = Matches(pictures, QStringLiteral("*.jpg"));
    if (names.size() < 2)
        return 1;
    for (const QString& name : names)
        if (OtherWell(name, places.wellName))
            Remove(platform::JoinPath(pictures, name), Removal::MoveAside);
    return 1;
}

int RemoveOtherWells(const HousekeepingPlaces& places, const QString& folder, const QString& chartFolder)
{
    if (!MayClear(places, folder) || places.profile == 66)
        return 0;
    const QStringList names = Matches(folder, QStringLiteral("*.svm"));
    if (names.size() > 1) {
        for (const QString& name : names)
            if (!name.startsWith(u'~') && OtherWell(name, places.wellName))
                DeleteWellFromFolder(places, platform::JoinPath(folder, name), true, Removal::MoveAside);
    }
    RemoveOtherWellCharts(places, chartFolder);
    RemoveOtherWellPictures(places, folder);
    return 1;
}

int KeepNewestDataFile(const HousekeepingPlaces& places, const QString& path, QString& result)
{
    const QString folder = platform::WithSlash(QFileInfo(path).absolutePath());
    const QStringList names = Matches(folder, QStringLiteral("*.svm"));
    if (names.isEmpty())
        return 0;
    QString newest;
    QDateTime newestTime;
    for (const QString& name : names) {
        const QDateTime time = QFileInfo(platform::JoinPath(folder, name)).lastModified();
        if (newest.isEmpty() || time > newestTime) {
            newest = name;
            newestTime = time;
        }
    }
    result = platform::JoinPath(folder, newest);
    if (!MayClear(places, folder))
        return 1;
    for (const QString& name : names)
        if (name != newest)
            DeleteWellFromFolder(places, platform::JoinPath(folder, name), false, Removal::MoveAside);
    return 1;
}

int DeleteMatching(const HousekeepingPlaces& places, const QString& folder)
{
    if (!MayClear(places, folder))
        return 0;
    const QStringList names = Matches(folder, QStringLiteral("*"));
    for (const QString& name : names)
        if (name.toUpper().contains(QLatin1String("CONFLICTED")))
            Remove(platform::JoinPath(folder, name), Removal::MoveAside);
    return names.isEmpty() ? 0 : 1;
}

QString SetChartFolder(const QString& dataFolder, const QString& currentFolder)
{
    return gasmon::ChartFolderFor(dataFolder, currentFolder);
}

int CopyFromFieldFolder(const QString& dataFolder, const QString& currentFolder, const QString& wellName,
                        int entry)
{
    if (SameFolder(dataFolder, currentFolder) || entry < 0 || entry > 9)
        return 0;
    const int first = entry == 0 ? 1 : entry;
    const int last = entry == 0 ? 8 : entry;
    for (int i = first; i <= last; ++i) {
        const QString name = wellName + QLatin1String(kFieldSettings[i - 1]);
        const QString from = platform::FindFileNoCase(currentFolder, name);
        if (!QFileInfo(from).isFile())
            continue;
        const QString existing = platform::FindFileNoCase(dataFolder, name);
        if (QFileInfo(existing).isFile() && i != 8)
            continue;
        // The data folder's copy keeps the name it has there; a failed copy leaves it as it was.
        const QString to = QFileInfo(existing).isFile() ? existing : platform::JoinPath(dataFolder, name);
        if (wellfile::CopyFileReplacing(from, to))
            wellfile::SetNormalAttributes(to);
    }
    return 1;
}

}  // namespace exchange
