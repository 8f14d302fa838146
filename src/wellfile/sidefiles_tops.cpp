#include "wellfile/sidefiles_tops.h"

#include "exchange/copyout.h"
#include "platform/folders.h"
#include "wellfile/fileattrs.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cstring>
#include <memory>

namespace wellfile {

using entry::TOPSEX;

namespace {

// "C:\" on the stations meant "no backup folder"; the root of this machine stands for it here.
bool IsDriveRoot(const QString& folder)
{
    static const QRegularExpression drive(QStringLiteral("^[A-Za-z]:[\\\\/]?$"));
    return folder.isEmpty() || QDir::cleanPath(folder) == QStringLiteral("/") || drive.match(folder).hasMatch();
}

// Copies through a temporary file so an old backup copy is replaced only by a complete new one.
bool CopyReplacing(const QString& from, const QString& to)
{
    const QString temp = to + QStringLiteral(".tmp");
    QFile::remove(temp);
    if (!QFile::copy(from, temp))
        return false;
    SetNormalAttributes(to);
    QFile::remove(to);
    return QFile::rename(temp, to);
}

bool UsesFieldFolder(const WellPlace& place, const TopsPlace& tops)
{
    return place.sharedFolderWell && tops.topsInFieldFolder;
}

}  // namespace

QString TopsFilePath(const WellPlace& place, const TopsPlace& tops)
{
    const QString& folder = UsesFieldFolder(place, tops) ? place.dataFolder : place.currentFolder;
    return platform::JoinPath(folder, place.wellName + QStringLiteral(".top"));
}

int LoadTops(const WellPlace& place, const TopsPlace& tops, std::vector<TOPSEX>& out)
{
    out.clear();
    const QString path = TopsFilePath(place, tops);
    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const qint64 count = f.size() / entry::kTopSize;
    if (count < 1)
        return 0;
    std::vector<TOPSEX> read(static_cast<std::size_t>(count));
    const qint64 bytes = count * entry::kTopSize;
    if (f.read(reinterpret_cast<char*>(read.data()), bytes) != bytes)
        return 0;
    out = std::move(read);
    return 1;
}

int SaveTops(const WellPlace& place, TopsPlace& tops, const std::vector<TOPSEX>& records)
{
    if (place.sharedFolderWell) {
        tops.topsInFieldFolder = true;
        auto block = std::make_unique<SettingsBlock>();
        LoadDbc(*block, place);
        block->fieldTopsAndPens = 1;
        SaveDbc(*block, place);
    }
    const QString path = TopsFilePath(place, tops);
    SetNormalAttributes(path);
    const TOPSEX empty{};
    const bool none = records.empty();
    if (!WriteWholeFile(path, none ? &empty : records.data(), none ? sizeof(TOPSEX) : records.size() * sizeof(TOPSEX)))
        return 0;

    if (place.drilling) {
        if (!IsDriveRoot(tops.backupFolder)) {
            const QString folder = platform::JoinPath(tops.backupFolder, place.wellName);
            QDir().mkpath(folder);
            CopyReplacing(path, platform::JoinPath(folder, place.wellName + QStringLiteral(".top")));
        }
        if (tops.copyOut)
            exchange::CopyWellFileOut(place.dataFolder, place.wellName, QStringLiteral(".top"));
    }
    return 1;
}

}  // namespace wellfile
