#include "wellfile/sidefiles_recent.h"

#include "platform/folders.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFile>

namespace wellfile {

namespace {

QString RecentPath(const QString& dataFolder) { return platform::JoinPath(dataFolder, QStringLiteral("recentM.lst")); }

bool TooLong(const QString& path) { return QFile::encodeName(path).size() > kMaxPathBytes; }

}  // namespace

int LoadRecent(const QString& dataFolder, RecentFiles& recent)
{
    const QString path = RecentPath(dataFolder);
    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    // Five full entries with their line ends fit easily; anything beyond is not a recent list.
    const QByteArray bytes = f.read(64 * 1024);
    int entry = 0;
    qsizetype start = 0;
    while (entry < kRecentCount && start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        const qsizetype length = end - start;
        // Empty pieces between line ends do not count as lines.
        if (length > 0 && length <= kMaxPathBytes)
            recent[std::size_t(entry++)] = QFile::decodeName(bytes.mid(start, length));
        start = end + 1;
    }
    return 1;
}

int SaveRecent(const QString& dataFolder, const RecentFiles& recent)
{
    QByteArray text;
    for (const QString& entry : recent)
        if (!entry.isEmpty())
            text += QFile::encodeName(entry) + '\n';
    const QString path = RecentPath(dataFolder);
    SetNormalAttributes(path);
    return WriteWholeFile(path, text.constData(), std::size_t(text.size())) ? 1 : 0;
}

int AddRecent(RecentFiles& recent, const QString& path)
{
    if (path.isEmpty() || TooLong(path))
        return 0;
    for (const QString& entry : recent)
        if (entry.compare(path, Qt::CaseInsensitive) == 0)
            return 0;
    for (int i = kRecentCount - 1; i > 0; --i)
        recent[std::size_t(i)] = recent[std::size_t(i - 1)];
    recent[0] = path;
    return 1;
}

}  // namespace wellfile
