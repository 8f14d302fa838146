#include "wellfile/fileattrs.h"

#include <QFile>
#include <QFileInfo>

namespace wellfile {

void SetNormalAttributes(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    const QFile::Permissions perms = info.permissions();
    if (!(perms & QFile::WriteOwner))
        QFile::setPermissions(path, perms | QFile::WriteOwner);
}

}  // namespace wellfile
