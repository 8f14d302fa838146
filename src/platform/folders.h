#pragma once
// Folders and the settings store that stand in for the Windows registry and shell folders.
//  - documents folder: the XDG documents folder + "StrativM/" (made when missing)
//  - install folder: the settings value "INSTALL DIR", by default ~/StrativM/
//  - settings store: an INI file under the user's config folder
// Paths returned end with '/'. Tests point the roots at a temporary folder with SetFolderRoots.
#include <QString>

namespace platform {

struct FolderRoots {
    QString documents;  // the user's documents folder (StrativM/ is appended)
    QString config;     // where the settings store lives
    QString home;       // the home folder (default install folder is home + "StrativM/")
};

void SetFolderRoots(const FolderRoots& roots);
FolderRoots CurrentFolderRoots();

QString DocumentsFolder();  // "<documents>/StrativM/", created when missing
QString InstallFolder();    // from the settings store, else the default
QString DefaultInstallFolder();
void SetInstallFolder(const QString& folder);

// The settings store: string values by "group/key".
QString ReadSetting(const QString& key, const QString& fallback = {});
void WriteSetting(const QString& key, const QString& value);
QString SettingsFile();
// The second data folder: the settings value "SecondDataFolder" when it names an existing folder
// (ending with '/'), else empty (no second folder).
QString SecondDataFolder();

// The folder with one trailing '/' (an empty folder stays empty).
QString WithSlash(QString folder);
// Joins a folder and a name with exactly one '/' between them.
QString JoinPath(const QString& folder, const QString& name);
// Finds `name` in `folder` ignoring letter case (files from Windows stations); returns the path of the
// file as it is on disk, or folder + name when there is none.
QString FindFileNoCase(const QString& folder, const QString& name);
// The sub-folder `name` of `parent` as it is spelt on disk (any letter case), ending with '/'.
QString SubFolder(const QString& parent, const QString& name);
// The same, made when missing. The path comes back even when it could not be made: the caller's
// next file operation in it then fails.
QString MadeSubFolder(const QString& parent, const QString& name);
// Whether two paths name the same folder: absolute and cleaned (a trailing '/' or "./" makes no
// difference), compared without regard to letter case, as folders from Windows stations are named.
// An empty path is the same only as another empty one.
bool SameFolder(const QString& a, const QString& b);

}  // namespace platform
