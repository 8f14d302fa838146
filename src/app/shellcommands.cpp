#include "app/shellcommands.h"

#include "platform/text.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace app {

namespace {
const QString kNoteMark = QStringLiteral("-DT@");
}  // namespace

QString ParentPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

int Hour12(const QTime& time)
{
    const int h = time.hour() % 12;
    return h == 0 ? 12 : h;
}

QString DowntimeNoteName(const QString& wellName, std::int32_t depth)
{
    return wellName + kNoteMark + QString::number(depth) + QStringLiteral(".txt");
}

QString DowntimeLine(std::int32_t depth, const QDateTime& now)
{
    const QDate d = now.date();
    const QTime t = now.time();
    return QString::fromStdString(platform::CFormat("DOWNTIME REPORT at %d %d/%d/%d  %d:%02d %s\n", depth, d.month(),
                                                    d.day(), d.year(), Hour12(t), t.minute(),
                                                    t.hour() < 12 ? "AM" : "PM"));
}

std::optional<QString> WriteDowntimeNote(const QString& folder, const QString& wellName, std::int32_t depth,
                                         const QDateTime& now)
{
    const QString path = QDir(folder).filePath(DowntimeNoteName(wellName, depth));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))  // a short write is seen
        return std::nullopt;
    const QByteArray line = DowntimeLine(depth, now).toLatin1();
    if (file.write(line) != line.size() || !file.commit())
        return std::nullopt;
    return path;
}

std::optional<std::int32_t> DowntimeNoteDepth(const QString& fileName, const QString& wellName)
{
    const qsizetype mark = fileName.lastIndexOf(kNoteMark, -1, Qt::CaseInsensitive);
    if (mark < 0 || fileName.left(mark).compare(wellName, Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const qsizetype from = mark + kNoteMark.size();
    const qsizetype dot = fileName.indexOf(QLatin1Char('.'), from);
    bool ok = false;
    const int depth = fileName.mid(from, dot < 0 ? -1 : dot - from).toInt(&ok, 10);
    return ok ? std::optional<std::int32_t>(depth) : std::nullopt;
}

bool MoveDowntimeNotes(const QString& folder, const QString& wellName, std::int32_t d, MovedDowntimeNotes& out,
                       QString& unread)
{
    const QDir dir(folder);
    QStringList taken;
    for (const QString& name : dir.entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden)) {
        const std::optional<std::int32_t> depth = DowntimeNoteDepth(name, wellName);
        if (!depth)
            continue;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            unread = file.fileName();
            return false;
        }
        QByteArray text = file.readAll();
        // The depth the line names moves with the note; a line edited into something else stays.
        const QByteArray was = QByteArrayLiteral("DOWNTIME REPORT at ") + QByteArray::number(*depth) + ' ';
        if (text.startsWith(was))
            text.replace(0, was.size() - 1, QByteArrayLiteral("DOWNTIME REPORT at ") + QByteArray::number(*depth + d));
        // The name keeps its own letters around the depth.
        const qsizetype from = name.lastIndexOf(kNoteMark, -1, Qt::CaseInsensitive) + kNoteMark.size();
        const qsizetype dot = name.indexOf(QLatin1Char('.'), from);
        const QString to =
            dir.filePath(name.left(from) + QString::number(*depth + d) + (dot < 0 ? QString() : name.mid(dot)));
        out.moved.push_back({to, text});
        taken << to;
        out.left << file.fileName();
    }
    for (const QString& path : std::as_const(taken))
        out.left.removeAll(path);
    return true;
}

void RebuildDowntimeIndex(DowntimeIndex& index, const QString& folder, const QString& wellName)
{
    index.fill(0);
    const QStringList names =
        QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
    std::size_t n = 0;
    for (const QString& name : names) {
        if (n == index.size())
            break;
        if (const std::optional<std::int32_t> depth = DowntimeNoteDepth(name, wellName))
            index[n++] = *depth;
    }
}

std::optional<std::int32_t> DowntimeDepth(const QString& text, std::int32_t fileTopDepth, std::int32_t fileBottomDepth)
{
    bool ok = false;
    const int depth = text.trimmed().toInt(&ok, 10);
    if (!ok || std::int64_t(depth) < std::int64_t(fileTopDepth) + 10 || depth > fileBottomDepth)
        return std::nullopt;
    return depth;
}

QString AboutText(const AboutFacts& f)
{
    return QStringLiteral("%1\n\nInstalled to %2\n\n Documents Folder is  %3\n\n %4\n\n%5 ")
        .arg(f.versionText, f.installFolder, f.dataFolder, f.systemName,
             QStringLiteral("StrativM mud-logging program. All rights reserved by its authors."));
}

}  // namespace app
