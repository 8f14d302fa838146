#include "exchange/wellcopy.h"

#include "app/logstate.h"
#include "elog/elog_services.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/wellnames.h"
#include "wellfile/wholefile.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <utility>
#include <vector>

namespace exchange {

namespace {

struct WellPath {
    QString folder;  // ends with the separator, or empty
    QString name;    // without extension
};

WellPath Split(const QString& path)
{
    WellPath p;
    const QString file = wellfile::FileNameOf(path);
    p.folder = path.left(path.size() - file.size());
    const qsizetype dot = file.lastIndexOf(u'.');
    p.name = dot >= 0 ? file.left(dot) : file;
    return p;
}

// A well file of `p` with `extension`, as it is on disk when it exists in another letter case.
QString WellFile(const WellPath& p, const QString& extension)
{
    return platform::FindFileNoCase(p.folder.isEmpty() ? QStringLiteral("./") : p.folder, p.name + extension);
}

}  // namespace

QString MoveWellSetAside(const QString& path, const QString& dataFolder, const QDate& date)
{
    const WellPath p = Split(path);
    std::vector<QString> found;
    for (const QString& ext : wellfile::WellSetExtensions()) {
        const QString file = WellFile(p, ext);
        if (QFileInfo(file).isFile())
            found.push_back(file);
    }
    if (found.empty())
        return {};
    const QString backup = platform::JoinPath(dataFolder, QStringLiteral("backup"));
    if (!QDir().mkpath(backup))
        return backup;
    // One free stem for the whole set, so its files stay together: name@date, then name@date-2 ...
    const QString dated = p.name + u'@' + date.toString(QStringLiteral("yyyy-MM-dd"));
    QString stem = dated;
    // The name of `file` in the backup folder under `candidate`, its extension kept as it is on disk.
    const auto backupName = [&](const QString& candidate, const QString& file) {
        return platform::JoinPath(backup, candidate + wellfile::FileNameOf(file).mid(p.name.size()));
    };
    const auto taken = [&](const QString& candidate) {
        for (const QString& file : found)
            if (QFileInfo::exists(backupName(candidate, file)))
                return true;
        return false;
    };
    for (int n = 2; taken(stem); ++n)
        stem = dated + QStringLiteral("-%1").arg(n);
    std::vector<std::pair<QString, QString>> moved;
    for (const QString& file : found) {
        const QString to = backupName(stem, file);
        if (!QFile::rename(file, to)) {
            for (const auto& [from, at] : moved)
                QFile::rename(at, from);
            return file;
        }
        moved.emplace_back(file, to);
    }
    return {};
}

bool SameDataFile(const QString& openFile, const QString& path)
{
    const QString open = QFileInfo(openFile).canonicalFilePath();
    if (open.isEmpty())
        return false;
    const QString found = WellFile(Split(path), QStringLiteral(".SVM"));
    return QFileInfo(path).canonicalFilePath() == open || QFileInfo(found).canonicalFilePath() == open;
}

int CopyFileChecked(app::LogState& s, elog::ElogServices& elog, QString& fromPath, QString& toPath)
{
    const WellPath from = Split(fromPath);
    const WellPath to = Split(toPath);
    fromPath = from.folder + from.name + QStringLiteral(".SVM");
    toPath = to.folder + to.name + QStringLiteral(".SVM");

    int error = 0;
    if (!wellfile::CopyFileReplacing(WellFile(from, QStringLiteral(".SVM")), WellFile(to, QStringLiteral(".SVM")),
                                     &error)) {
        platform::MessageBox(QStringLiteral("Copy Failed,\n\rAccess Denied \n\rError %1 \n\r %2 to %3")
                                 .arg(error)
                                 .arg(fromPath, toPath),
                             QStringLiteral("File Copy Error "), platform::MB_OK);
        return 0;
    }

    QStringList failed;
    auto copy = [&failed](const QString& source, const QString& target) {
        if (QFileInfo(source).isFile() && !wellfile::CopyFileReplacing(source, target))
            failed << target;
    };
    for (const char* extension : kWellSideFiles) {
        const QString ext = QString::fromLatin1(extension);
        copy(WellFile(from, ext), WellFile(to, ext));
    }
    // The gas monitor's settings go with a drilling well, beside the copy.
    const wellfile::OpenWell& f = s.well.file;
    if (f.drilling)
        copy(platform::FindFileNoCase(f.currentFolder, QStringLiteral("gasmon.cfg")),
             platform::FindFileNoCase(to.folder, QStringLiteral("gasmon.cfg")));
    elog.ImportImagesFromFolder(s, from.folder + QStringLiteral("bitmaps/"), to.name);

    if (!failed.isEmpty())
        platform::MessageBox(QStringLiteral("These files of the well could not be copied:\n") + failed.join(u'\n'),
                             QStringLiteral("File Copy Error "), platform::MB_OK);
    return 1;
}

}  // namespace exchange
