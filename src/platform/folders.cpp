#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <mutex>

namespace platform {

namespace {
// Worker threads read the folders too: the roots are set and read under one lock.
std::mutex g_rootsMutex;
FolderRoots g_roots;
bool g_rootsSet = false;

FolderRoots Roots()
{
    const std::lock_guard lock(g_rootsMutex);
    if (!g_rootsSet) {
        g_roots.home = QDir::homePath();
        g_roots.documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (g_roots.documents.isEmpty())
            g_roots.documents = g_roots.home + QStringLiteral("/Documents");
        g_roots.config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/StrativM");
        g_rootsSet = true;
    }
    return g_roots;
}
}  // namespace

void SetFolderRoots(const FolderRoots& roots)
{
    const std::lock_guard lock(g_rootsMutex);
    g_roots = roots;
    g_rootsSet = true;
}

FolderRoots CurrentFolderRoots() { return Roots(); }

QString WithSlash(QString folder)
{
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString DocumentsFolder()
{
    const QString folder = WithSlash(Roots().documents) + QStringLiteral("StrativM/");
    QDir().mkpath(folder);
    return folder;
}

QString DefaultInstallFolder() { return WithSlash(Roots().home) + QStringLiteral("StrativM/"); }

QString SettingsFile() { return WithSlash(Roots().config) + QStringLiteral("strativm.ini"); }

QString ReadSetting(const QString& key, const QString& fallback)
{
    QSettings s(SettingsFile(), QSettings::IniFormat);
    return s.value(key, fallback).toString();
}

void WriteSetting(const QString& key, const QString& value)
{
    QSettings s(SettingsFile(), QSettings::IniFormat);
    s.setValue(key, value);
    s.sync();
}

QString InstallFolder()
{
    const QString v = ReadSetting(QStringLiteral("INSTDIR/INSTALL DIR"));
    return v.isEmpty() ? DefaultInstallFolder() : WithSlash(v);
}

void SetInstallFolder(const QString& folder) { WriteSetting(QStringLiteral("INSTDIR/INSTALL DIR"), folder); }

QString SecondDataFolder()
{
    const QString folder = ReadSetting(QStringLiteral("SecondDataFolder")).trimmed();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return {};
    return folder.endsWith('/') ? folder : folder + '/';
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty())
        return name;
    QString n = name;
    while (n.startsWith(u'/'))
        n.remove(0, 1);
    return WithSlash(folder) + n;
}

QString FindFileNoCase(const QString& folder, const QString& name)
{
    const QString exact = JoinPath(folder, name);
    if (QFileInfo::exists(exact))
        return exact;
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return JoinPath(folder, e);
    return exact;
}

QString SubFolder(const QString& parent, const QString& name) { return WithSlash(FindFileNoCase(parent, name)); }

QString MadeSubFolder(const QString& parent, const QString& name)
{
    const QString folder = SubFolder(parent, name);
    QDir().mkpath(folder);
    return folder;
}

bool SameFolder(const QString& a, const QString& b)
{
    const auto key = [](const QString& f) {
        return f.isEmpty() ? f : QDir::cleanPath(QFileInfo(f).absoluteFilePath());
    };
    return key(a).compare(key(b), Qt::CaseInsensitive) == 0;
}

}  // namespace platform
