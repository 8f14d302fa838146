#include "layout/layoutfiles.h"

#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

namespace layout {

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

bool CopyFileOver(const QString& from, const QString& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.readAll();
    if (in.error() != QFileDevice::NoError)
        return false;
    wellfile::SetNormalAttributes(to);
    return wellfile::WriteWholeFile(to, bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace layout
