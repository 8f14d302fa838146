#include "exchange/filesets.h"

#include "exchange/backups.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "print/printgeometry.h"
#include "wellfile/deletefiles.h"
#include "wellfile/downloadlog.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace exchange {

namespace {

QStringList Extensions(std::initializer_list<const char*> list)
{
    QStringList out;
    for (const char* e : list)
        out << QString::fromLatin1(e);
    return out;
}

// The folder part of `path` (with its separator) and the name after it.
void SplitPath(const QString& path, QString& folder, QString& name)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1;
    folder = path.left(cut);
    name = path.mid(cut);
}

int CopySet(const QString& basePath, const QStringList& extensions, const QString& targetFolder, bool move,
            const QString& logFolder)
{
    QString folder, base;
    SplitPath(basePath, folder, base);
    int result = 0;
    for (const QString& extension : extensions) {
        const QString source = platform::FindFileNoCase(folder, base + extension);
        if (!QFileInfo::exists(source))
            continue;
        const QString target = platform::JoinPath(targetFolder, QFileInfo(source).fileName());
        int error = 0;
        if (!wellfile::CopyFileReplacing(source, target, &error)) {
            wellfile::WriteDownloadLog(logFolder, QStringLiteral("Error=%1  Source=%2 to").arg(error).arg(source),
                                       target, wellfile::kDownloadNoWord);
            if (extension.compare(QLatin1String(".svm"), Qt::CaseInsensitive) == 0)
                return 0;  // without the data file the rest is no well
            continue;
        }
        if (extension.compare(QLatin1String(".svm"), Qt::CaseInsensitive) == 0 ||
            extension.compare(QLatin1String(".top"), Qt::CaseInsensitive) == 0)
            result = 1;
        if (move)
            wellfile::DeleteFiles(source);
    }
    wellfile::WriteDownloadLog(logFolder, base, targetFolder,
                               result ? wellfile::kDownloadCopied : wellfile::kDownloadCopyFailed);
    return result;
}

// Deletes the files of `folder` matching any of `patterns`: all of them, or with `wellName` given only
// the well's own.
void DeletePatterns(const QString& folder, const QStringList& patterns, const QString& wellName = {})
{
    if (folder.isEmpty())
        return;
    const QDir dir(folder);
    for (const QString& pattern : patterns) {
        if (wellName.isEmpty()) {
            wellfile::DeleteFiles(folder, pattern);
            continue;
        }
        for (const QString& name : dir.entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System))
            if (NameStem(name).compare(wellName, Qt::CaseInsensitive) == 0)
                wellfile::DeleteFiles(dir.filePath(name));
    }
}

}  // namespace

QString NameStem(const QString& name)
{
    qsizetype cut = name.size();
    for (const QChar c : {u'@', u'.'}) {
        const qsizetype at = name.indexOf(c);
        if (at >= 0)
            cut = std::min(cut, at);
    }
    return name.left(cut);
}

const QStringList& CopySetExtensions()
{
    static const QStringList set =
        Extensions({".SVM", ".top", ".hdr", ".rpt", ".dst", ".sho", ".jpg", ".las", ".svc", ".trg", ".hor", ".qpt",
                    ".lfg", ".lag", ".cfg", ".sch", ".svx", ".clr", ".mem", ".hxt"});
    return set;
}

const QStringList& LoggedCopySetExtensions()
{
    static const QStringList set = [] {
        QStringList s = CopySetExtensions();
        s.removeAll(QStringLiteral(".lag"));
        s.removeAll(QStringLiteral(".mem"));
        s.removeAll(QStringLiteral(".hxt"));
        return s;
    }();
    return set;
}

const QStringList& DeleteSetExtensions()
{
    static const QStringList set = Extensions(
        {".svm", ".hdr", ".rpt", ".sho", ".dst", ".svx", ".svc", ".cfg", ".lfg", ".grdx", ".lag", ".top", ".sch"});
    return set;
}

QString FileBaseName(const QString& path)
{
    QString folder, name;
    SplitPath(path, folder, name);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot >= 0 ? name.left(dot) : name;
}

int CopyWellFiles(const QString& basePath, const QString& targetFolder, bool move, const QString& logFolder)
{
    return CopySet(basePath, CopySetExtensions(), targetFolder, move, logFolder);
}

int CopyWellFilesLogged(const QString& sourceFolder, const QString& wellName, const QString& targetFolder,
                        bool move)
{
    QDir().mkpath(targetFolder);
    return CopySet(platform::JoinPath(sourceFolder, wellName), LoggedCopySetExtensions(), targetFolder, move,
                   sourceFolder);
}

void DeleteWellFileSet(const QString& basePath)
{
    QString folder, base;
    SplitPath(basePath, folder, base);
    for (const QString& extension : DeleteSetExtensions()) {
        const QString path = platform::FindFileNoCase(folder, base + extension);
        if (QFileInfo(path).isFile())
            wellfile::DeleteFiles(path);
    }
}

void DeleteLogTexts(const QString& dataFolder)
{
    const QDir dir(dataFolder);
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files))
        if (name.contains(QLatin1String("WITSDATA"), Qt::CaseInsensitive) ||
            name.contains(QLatin1String("ERROR"), Qt::CaseInsensitive))
            wellfile::DeleteFiles(dir.filePath(name));
}

namespace {

// `name` in `folder`, or, when a file of that name is there, the first free "<name>_2.pdf", "_3", ...:
// a print kept earlier is never replaced by a later one of the same end depth.
QString FreePrintPath(const QString& folder, const QString& name)
{
    QString path = platform::JoinPath(folder, name);
    const QString stem = name.chopped(4);  // without ".pdf"
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = platform::JoinPath(folder, stem + QStringLiteral("_%1.pdf").arg(n));
    return path;
}

// The prints in `sendFolder` moved into `dataFolder`; their new paths.
QStringList KeepPrints(const QString& sendFolder, const QString& dataFolder)
{
    QStringList kept;
    const QDir send(sendFolder);
    for (const QString& name : send.entryList({QStringLiteral("*.pdf")}, QDir::Files | QDir::Hidden)) {
        if (!print::IsPrintPdfName(name))
            continue;
        const QString to = FreePrintPath(dataFolder, name);
        // Only a print safely copied leaves the send folder; one that cannot be copied stays there.
        if (wellfile::CopyFileReplacing(send.filePath(name), to)) {
            wellfile::DeleteFiles(send.filePath(name));
            kept << to;
        }
    }
    return kept;
}

}  // namespace

QString KeptPrintsText(const QStringList& keptPrints)
{
    if (keptPrints.isEmpty())
        return {};
    QStringList names;
    for (const QString& path : keptPrints)
        names << QDir::toNativeSeparators(path);
    return QStringLiteral("The log prints of the send folder were kept, moved to the data folder:\n") +
           names.join(u'\n');
}

void SayPrintsKept(const QStringList& keptPrints)
{
    if (!keptPrints.isEmpty())
        platform::MessageBox(KeptPrintsText(keptPrints), QStringLiteral("Prints Kept"));
}

int ClearWellFiles(const ClearPlaces& places, bool full, QStringList* keptPrints)
{
    const QString& data = places.dataFolder;
    const QString sendFolder = platform::FindFileNoCase(data, QStringLiteral("sendfile"));
    const QString& well = places.wellName;
    const int profile = places.profile;
    if (full) {
        DeletePatterns(data, {QStringLiteral("*.mdm")});
        if (profile != 37) {
            DeletePatterns(platform::FindFileNoCase(data, QStringLiteral("remote")),
                           Extensions({"*.svm", "*.cfg", "*.hdr", "*.rpt", "*.sho", "*.dst", "*.svc", "*.top", "*.wit",
                                       "*.zl9", "*.sv_", "*.cht", "*.ch_", "*.td_", "*.svx", "*.grdx", "*.qpt",
                                       "*.lfg", "*.lag", "*.pdf", "*.hor", "*.las"}),
                           well);
            DeletePatterns(places.sharedFolder,
                           Extensions({"*.svm", "*.cfg", "*.hdr", "*.rpt", "*.sho", "*.dst", "*.svc", "*.top", "*.wit",
                                       "*.hor", "*.zl9", "*.sv_", "*.cht", "*.ch_", "*.td_", "*.svx", "*.grdx",
                                       "*.qpt", "*.lfg", "*.lag", "*.pdf", "*.jpg", "*.sch", "*.las"}),
                           well);
        }
    }
    if (!QFileInfo(sendFolder).isDir())
        return 0;
    const QStringList kept = KeepPrints(sendFolder, data);
    if (keptPrints)
        *keptPrints << kept;
    if (full) {
        DeletePatterns(sendFolder, Extensions({"*.sv_", "*.sl_", "*.dl_", "*.cl_", "*.cr_", "*.td_", "*.zip", "*.bt_",
                                               "*.rpt", "*.0??", "*.1??", "*.2??", "*.hdr", "*.las"}));
        // Only the dated copies the backup made: a set Save As put aside there is the only copy of a well.
        const QDir backup(platform::FindFileNoCase(data, QStringLiteral("backup")));
        for (const QString& name : backup.entryList(Extensions({"*.svm", "*.svx"}), QDir::Files | QDir::Hidden))
            if (IsDatedCopyOf(name, well))
                wellfile::DeleteFiles(backup.filePath(name));
    }
    QStringList always;
    if (profile != 2 && !places.keepReports)
        always << QStringLiteral("*.rpt");
    always << QStringLiteral("*.log") << QStringLiteral("*.svm");
    if (profile != 2) {
        if (!places.keepReports)
            always << QStringLiteral("*.rpt");
        always << Extensions({"*.0??", "*.1??", "*.2??"});
    }
    if (!places.keepReports)
        always << QStringLiteral("*.sho") << QStringLiteral("*.dst");
    always << Extensions({"*.5??", "*.jpg", "*.svc", "*.top", "*.wit", "*.cht", "*.svx", "*.grdx", "*.qpt", "*.lag",
                          "*.sch", "*.hor", "*.cfg", "*.pdf"});
    DeletePatterns(sendFolder, always);
    return 1;
}

}  // namespace exchange
