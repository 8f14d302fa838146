#include "wellfile/fileattrs.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

void SetNewFileMode(const QString& path)
{
    // The process's umask: read from the kernel's status page, which (unlike umask()) changes nothing
    // another thread might be creating a file under.
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly))
        for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine())
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint read = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    mask = mode_t(read);
                break;
            }
    const mode_t mode = 0666 & ~mask;
    QFile::Permissions perms;
    const auto grant = [&](mode_t bit, QFile::Permissions p) {
        if (mode & bit)
            perms |= p;
    };
    grant(S_IRUSR, QFile::ReadOwner | QFile::ReadUser);
    grant(S_IWUSR, QFile::WriteOwner | QFile::WriteUser);
    grant(S_IRGRP, QFile::ReadGroup);
    grant(S_IWGRP, QFile::WriteGroup);
    grant(S_IROTH, QFile::ReadOther);
    grant(S_IWOTH, QFile::WriteOther);
    QFile::setPermissions(path, perms);
}

}  // namespace wellfile
