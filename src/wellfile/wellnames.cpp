#include "wellfile/wellnames.h"

#include "platform/folders.h"

#include <QFileInfo>

#include <algorithm>

namespace wellfile {

namespace {

qsizetype NameStart(const QString& path) { return std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\')) + 1; }

bool IsJoiner(QChar c) { return c == u'_' || c == u'-'; }

// The characters a typed name may not keep: '#' becomes '-', the others '_'.
void ReplaceUnsafe(QString& name)
{
    for (QChar& c : name) {
        if (c == u'#')
            c = u'-';
        else if (QStringLiteral(" \\/~,[(])\"&").contains(c))
            c = u'_';
    }
}

}  // namespace

QString FileNameOf(const QString& path) { return path.mid(NameStart(path)); }

QString CleanFileName(const QString& path)
{
    // The path comes from this machine's file dialog: only '/' separates; a '\' belongs to the name.
    const qsizetype start = path.lastIndexOf(u'/') + 1;
    const QString folder = path.left(start);
    QString name = path.mid(start);
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);  // the extension
    if (name.contains(QStringLiteral(".SVM"), Qt::CaseInsensitive))
        name.truncate(name.indexOf(u'.'));

    ReplaceUnsafe(name);
    QString cleaned;
    cleaned.reserve(name.size());
    for (qsizetype i = 0; i < name.size(); ++i) {
        cleaned += name[i];
        if (IsJoiner(name[i]) && i + 1 < name.size() && IsJoiner(name[i + 1]))
            ++i;
    }
    return folder + cleaned + QStringLiteral(".SVM");
}

QString NewWellFileName(const QString& dataFolder, const QString& typed)
{
    QString name = typed.left(50);
    ReplaceUnsafe(name);
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (name[i] != u'.')
            continue;
        if (name.size() == i + 4) {  // a three-character extension ends the name
            name.truncate(i);
            break;
        }
        name[i] = u'-';
    }
    name = FileNameOf(name).toUpper();
    if (name.isEmpty())
        return {};
    return dataFolder + name + QStringLiteral(".svm");
}

std::vector<QString> WellSetExtensions()
{
    std::vector<QString> out{QStringLiteral(".SVM")};
    for (const char* ext : kWellSideFiles)
        out.push_back(QString::fromLatin1(ext));
    out.push_back(QStringLiteral(".dbc"));
    return out;
}

QString ExistingWellFile(const QString& path)
{
    const QString file = FileNameOf(path);
    const QString folder = path.left(path.size() - file.size());
    const qsizetype dot = file.lastIndexOf(u'.');
    const QString name = dot >= 0 ? file.left(dot) : file;
    for (const QString& ext : WellSetExtensions()) {
        const QString found = platform::FindFileNoCase(folder.isEmpty() ? QStringLiteral("./") : folder, name + ext);
        if (QFileInfo::exists(found))
            return found;
    }
    return {};
}

}  // namespace wellfile
