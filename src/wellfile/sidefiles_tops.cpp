#include "wellfile/sidefiles_tops.h"

#include "platform/folders.h"
#include "wellfile/backupdrive.h"
#include "wellfile/copyout.h"
#include "wellfile/fileattrs.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <memory>

namespace wellfile {

using wellfile::TOPSEX;

namespace {

bool UsesFieldFolder(const WellPlace& place, const TopsPlace& tops)
{
    return place.sharedFolderWell && tops.topsInFieldFolder;
}

}  // namespace

QString TopsFilePath(const WellPlace& place, const TopsPlace& tops)
{
    const QString& folder = UsesFieldFolder(place, tops) ? place.dataFolder : place.currentFolder;
    return platform::FindFileNoCase(folder, place.wellName + QStringLiteral(".top"));
}

QString TopsxFilePath(const WellPlace& place, const TopsPlace& tops)
{
    const QString& folder = UsesFieldFolder(place, tops) ? place.dataFolder : place.currentFolder;
    return platform::FindFileNoCase(folder, place.wellName + QStringLiteral(".topx"));
}

int LoadTops(const WellPlace& place, const TopsPlace& tops, std::vector<TOPSEX>& out)
{
    out.clear();
    const QString path = TopsFilePath(place, tops);
    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const qint64 count = f.size() / wellfile::kTopSize;
    if (count < 1)
        return 0;
    std::vector<TOPSEX> read(static_cast<std::size_t>(count));
    const qint64 bytes = count * wellfile::kTopSize;
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
    const bool none = records.empty();
    const QString topsx = TopsxFilePath(place, tops);
    SetNormalAttributes(topsx);
    if (none ? QFile::exists(topsx) && !QFile::remove(topsx)
             : !WriteWholeFile(topsx, records.data(), records.size() * sizeof(TOPSEX)))
        return 0;
    const TOPSEX empty{};
    if (!WriteWholeFile(path, none ? &empty : records.data(), none ? sizeof(TOPSEX) : records.size() * sizeof(TOPSEX)))
        return 0;

    if (place.drilling) {
        CopyToBackupDrive(QFileInfo(path).path(), place.wellName, QStringLiteral(".top"), tops.backupFolder);
        if (tops.copyOut)
            wellfile::CopyWellFileOut(place.dataFolder, place.wellName, QStringLiteral(".top"));
    }
    return 1;
}

}  // namespace wellfile
