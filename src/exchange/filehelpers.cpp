#include "exchange/filehelpers.h"

#include "platform/services.h"
#include "platform/text.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <array>

namespace exchange {

namespace {

bool HasWildcard(const QString& text) { return text.contains(u'*') || text.contains(u'?'); }

// The folder part of `pattern` (with its '/') and the name part.
std::pair<QString, QString> SplitPattern(const QString& pattern)
{
    const qsizetype slash = pattern.lastIndexOf(u'/');
    return {pattern.left(slash + 1), pattern.mid(slash + 1)};
}

}  // namespace

QStringList MatchingNames(const QString& pattern)
{
    const auto [folder, name] = SplitPattern(pattern);
    // Never the process's current folder: a pattern without its folder matches nothing.
    if (name.isEmpty() || HasWildcard(folder) || !QDir::isAbsolutePath(folder))
        return {};
    const QDir dir(folder);
    // Windows matches "*.*" against every name, with a dot or without.
    const QString filter = name == QLatin1String("*.*") ? QStringLiteral("*") : name;
    QDir::Filters filters = QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System;
    if (!HasWildcard(name)) {
        // One name: the file as it is spelt on disk, whatever its letter case.
        const QStringList all = dir.entryList(filters);
        for (const QString& n : all)
            if (n.compare(name, Qt::CaseInsensitive) == 0)
                return {n};
        return {};
    }
    return dir.entryList({filter}, filters, QDir::Name | QDir::IgnoreCase);
}

int FileExists(const QString& pattern, bool show)
{
    if (show)
        platform::MessageBox(pattern, QStringLiteral("FIND"), platform::MB_OK);
    return MatchingNames(pattern).isEmpty() ? 0 : 1;
}

std::optional<FindSearch> FindFirst(const QString& pattern, FindRecord& record, QString* name)
{
    FindSearch search{SplitPattern(pattern).first, MatchingNames(pattern), 0};
    if (!FindNext(search, record))
        return std::nullopt;
    if (name)
        *name = record.name;
    return search;
}

int FindNext(FindSearch& search, FindRecord& record)
{
    if (search.next >= search.names.size())
        return 0;
    record.name = search.names[search.next++];
    record.lastWrite = QFileInfo(search.folder + record.name).lastModified();
    return 1;
}

int FindFirstName(QString& name, const QString& pattern)
{
    FindRecord record;
    return FindFirst(pattern, record, &name) ? 1 : 0;
}

int CountFiles(const QString& pattern) { return int(MatchingNames(pattern).size()); }

int ListFiles(QStringList& names, int capacity, const QString& pattern)
{
    std::vector<QDateTime> times;
    return ListFilesWithTimes(names, capacity, pattern, times);
}

int ListFilesWithTimes(QStringList& names, int capacity, const QString& pattern, std::vector<QDateTime>& times)
{
    names.clear();
    times.clear();
    FindRecord record;
    std::optional<FindSearch> search = FindFirst(pattern, record);
    if (!search)
        return 0;
    do {
        names << record.name;
        times.push_back(record.lastWrite);
    } while (names.size() < capacity && FindNext(*search, record));
    return int(names.size()) - 1;
}

int SwapNames(QStringList& names, int i)
{
    names.swapItemsAt(i, i + 1);
    return 1;
}

namespace {

// n - 1 passes over the first `count` names, each exchanging neighbours where `greater` says so.
template <typename Greater>
void BubbleSort(QStringList& names, int count, Greater greater)
{
    count = std::min(count, int(names.size()));
    for (int pass = 0; pass < count - 1; ++pass)
        for (int i = 0; i < count - 1; ++i)
            if (greater(names[i], names[i + 1]))
                SwapNames(names, i);
}

}  // namespace

int SortNames(QStringList& names, int count)
{
    BubbleSort(names, count, [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) > 0; });
    return 1;
}

int DatedNameKey(const QString& name, int firstDepth)
{
    const qsizetype at = name.indexOf(u'@');
    if (at < 0)
        return firstDepth;
    const QString rest = name.mid(at + 1);
    const QString number = rest.left(rest.indexOf(u'-'));
    if (number.isEmpty())
        return firstDepth;
    // As atoi reads it: the leading digits, 0 when there are none.
    qsizetype end = 0;
    while (end < number.size() && number[end].isDigit())
        ++end;
    return number.left(end).toInt();
}

int SortFileNames(QStringList& names, int count, int firstDepth)
{
    BubbleSort(names, count, [firstDepth](const QString& a, const QString& b) {
        return DatedNameKey(a, firstDepth) > DatedNameKey(b, firstDepth);
    });
    return 1;
}

int ParseDate(const QString& name, int& month, int& day, int& year)
{
    const qsizetype at = name.indexOf(u'@');
    if (at < 0)
        return 0;
    const QString rest = name.mid(at + 1);
    const QStringList parts = rest.left(rest.indexOf(u'.')).split(u'-');
    std::array<int*, 3> out{&month, &day, &year};
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const int value = i < parts.size() ? parts[i].toInt(&ok) : 0;
        if (!ok)
            return 0;
        *out[std::size_t(i)] = value;
    }
    return 1;
}

QString FormatTimeText(const QString& text, int hourOffset)
{
    static const std::array<const char*, 12> kMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    // Weekday, month, day, time, year, split at blanks, CR and LF.
    const QStringList tokens = text.split(QRegularExpression(QStringLiteral("[ \r\n]+")), Qt::SkipEmptyParts);
    if (tokens.size() < 5)
        return {};
    int month = 0;
    for (std::size_t m = 0; m < kMonths.size(); ++m)
        if (tokens[1].compare(QLatin1String(kMonths[m]), Qt::CaseInsensitive) == 0)
            month = int(m) + 1;
    const QStringList clock = tokens[3].split(u':');
    bool dayOk = false, hourOk = false, minuteOk = false, yearOk = false;
    const int day = tokens[2].toInt(&dayOk);
    const int hour24 = clock.value(0).toInt(&hourOk);
    const int minute = clock.value(1).toInt(&minuteOk);
    const int year = tokens[4].toInt(&yearOk);
    const QDate date(year, month, dayOk ? day : 1);
    if (month == 0 || !hourOk || !minuteOk || !yearOk || !date.isValid())
        return {};
    // The display offset may carry the time past midnight: the date moves with it. The hours are added
    // on the clock face (no time zone), so the days the clocks change keep the hour the text gives.
    const QDateTime shifted = QDateTime(date, QTime(0, 0), Qt::UTC).addSecs((qint64(hour24) + hourOffset) * 3600);
    const int hour = shifted.time().hour();
    const int twelve = hour == 0 ? 12 : hour > 12 ? hour - 12 : hour;
    const char* half = hour >= 12 ? "PM" : "AM";
    // The day as the text wrote it while the date stays; a moved day keeps its leading zero if it had one.
    const QDate d = shifted.date();
    const QString dayText = d == date ? tokens[2]
                            : tokens[2].startsWith(u'0') ? QString::asprintf("%02d", d.day())
                                                         : QString::number(d.day());
    return QString::fromStdString(platform::CFormat("%d-%s-%d %2d:%02d %s", d.month(), dayText.toStdString().c_str(),
                                                    d.year() - 2000, twelve, minute, half));
}

}  // namespace exchange
