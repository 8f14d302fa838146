#include "wellfile/deletefiles.h"

#include "wellfile/fileattrs.h"

#include <QDir>
#include <QFile>

namespace wellfile {

int DeleteFiles(const QString& path)
{
    wellfile::SetNormalAttributes(path);
    QFile::remove(path);
    return 1;
}

int DeleteFiles(const QString& folder, const QString& pattern)
{
    // A folder part would reach outside `folder`; "*" and ".*" would empty it.
    if (pattern == QLatin1String("*") || pattern == QLatin1String(".*") || pattern.contains(u'/') ||
        pattern.contains(u'\\') || pattern.isEmpty() || folder.isEmpty())
        return 0;
    const QDir dir(folder);
    const QStringList names = dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System);
    if (names.isEmpty())
        return 0;
    for (const QString& name : names)
        DeleteFiles(dir.filePath(name));
    return 1;
}

}  // namespace wellfile
