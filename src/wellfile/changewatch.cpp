#include "wellfile/changewatch.h"

#include <QFileInfo>

namespace wellfile {

void Watch(ChangeWatch& watch, const QString& path)
{
    if (watch.path.compare(path, Qt::CaseInsensitive) != 0)
        watch.kept = QDateTime();
    watch.path = path;
}

bool WatchedFileChanged(ChangeWatch& watch, const QString& path)
{
    if (path.isEmpty() || watch.path.isEmpty() || path.compare(watch.path, Qt::CaseInsensitive) != 0)
        return false;
    // The watched file as the window named it: the path asked about may differ in letter case.
    const QFileInfo info(watch.path);
    if (!info.exists())
        return false;
    const QDateTime written = info.lastModified();
    const bool onlyKeep = !watch.kept.isValid() || watch.reset;
    watch.reset = false;
    const bool changed = !onlyKeep && written != watch.kept;
    watch.kept = written;
    return changed;
}

}  // namespace wellfile
