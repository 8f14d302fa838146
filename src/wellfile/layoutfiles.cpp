#include "wellfile/layoutfiles.h"

#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

namespace wellfile {

QString KeepAside(const QString& path)
{
    for (int n = 1; n < 1000; ++n) {
        const QString aside = path + (n == 1 ? QStringLiteral(".bad") : QStringLiteral(".bad%1").arg(n));
        if (QFileInfo::exists(aside))
            continue;
        return QFile::rename(path, aside) ? aside : QString();
    }
    return {};
}

}  // namespace wellfile
