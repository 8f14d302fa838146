#include "wellfile/settingsblock.h"

#include "platform/folders.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace wellfile {

QString UserFilePath(const QString& userName)
{
    if (userName.isEmpty())
        return {};
    return platform::JoinPath(platform::DocumentsFolder(), userName + QStringLiteral(".usr"));
}

QString DbcFilePath(const WellPlace& place)
{
    if (place.wellName.isEmpty())
        return {};
    return platform::JoinPath(place.dataFolder, place.wellName + QStringLiteral(".dbc"));
}

namespace {
int Load(SettingsBlock& block, const QString& folder, const QString& name)
{
    std::memset(&block, 0, sizeof block);
    if (name.isEmpty())
        return 0;
    return ReadExactFile(platform::FindFileNoCase(folder, name), &block, sizeof block) ? 1 : 0;
}
}  // namespace

int LoadUserFile(SettingsBlock& block, const QString& userName)
{
    return Load(block, platform::DocumentsFolder(), userName.isEmpty() ? QString() : userName + QStringLiteral(".usr"));
}

int SaveUserFile(const SettingsBlock& block, const QString& userName)
{
    const QString path = UserFilePath(userName);
    return !path.isEmpty() && WriteWholeFile(path, &block, sizeof block) ? 1 : 0;
}

int LoadUserFileAt(SettingsBlock& block, const QString& path)
{
    const QFileInfo info(path);
    return Load(block, info.absolutePath(), path.isEmpty() ? QString() : info.fileName());
}

int SaveUserFileAt(const SettingsBlock& block, const QString& path)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return 0;
    SetNormalAttributes(path);
    return WriteWholeFile(path, &block, sizeof block) ? 1 : 0;
}

int LoadDbc(SettingsBlock& block, const WellPlace& place)
{
    return Load(block, place.dataFolder, place.wellName.isEmpty() ? QString() : place.wellName + QStringLiteral(".dbc"));
}

int SaveDbc(const SettingsBlock& block, const WellPlace& place)
{
    const QString path = DbcFilePath(place);
    return !path.isEmpty() && WriteWholeFile(path, &block, sizeof block) ? 1 : 0;
}

}  // namespace wellfile
