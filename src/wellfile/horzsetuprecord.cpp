#include "wellfile/horzsetuprecord.h"

#include <algorithm>

namespace wellfile {

QString RebasedPath(const QString& stored, const QString& currentFolder)
{
    if (stored.isEmpty() || stored.compare(QStringLiteral("NOT SELECTED"), Qt::CaseInsensitive) == 0)
        return {};
    if (!stored.contains(QStringLiteral("strativ"), Qt::CaseInsensitive) &&
        !stored.contains(QStringLiteral("dropbox"), Qt::CaseInsensitive))
        return stored;
    // Either separator; a drive letter goes with the folder.
    const qsizetype cut = std::max(stored.lastIndexOf(QLatin1Char('\\')), stored.lastIndexOf(QLatin1Char('/')));
    QString name = stored.mid(cut + 1);
    if (cut < 0 && name.size() >= 2 && name.at(1) == QLatin1Char(':'))
        name = name.mid(2);
    return currentFolder + name;
}

}  // namespace wellfile
