#include "gasmon/chartfile.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/datesuffix.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <vector>

namespace gasmon {

namespace {

// Makes the day file `path` whole, in one piece, with the presets of the day its name gives.
bool MakeDayFile(const QString& path)
{
    QDate date = DateOfChartFile(path);
    if (!date.isValid())
        date = platform::LocalTime().date();
    std::vector<CHARTRECORD> day(kChartSlotsPerDay);
    for (int slot = 0; slot < kChartSlotsPerDay; ++slot)
        day[std::size_t(slot)] = PresetChartRecord(date, slot);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return wellfile::WriteWholeFile(path, day.data(), std::size_t(kChartDayFileSize));
}

bool MakeReportedDayFile(const QString& path, FailureSpell* spell)
{
    if (MakeDayFile(path))
        return true;
    if (ReportFailure(spell))
        platform::MessageBox(QStringLiteral("Chart File Create Failed"), QStringLiteral("ERROR"));
    return false;
}

// Moves a day file of torn length aside: its name with ".old" for ".cht"; an older one of that name is
// kept under the first free numbered name.
void MoveAside(const QString& path)
{
    const QFileInfo info(path);
    const QString old = platform::JoinPath(info.absolutePath(), info.completeBaseName() + QStringLiteral(".old"));
    if (QFileInfo::exists(old)) {
        for (int n = 1; n < 10000; ++n) {
            const QString numbered = old + QLatin1Char('.') + QString::number(n);
            if (!QFileInfo::exists(numbered)) {
                QFile::rename(old, numbered);
                break;
            }
        }
    }
    QFile::rename(path, old);
}

// Reads `count` records from `first` of an open file of `records` whole records: bounded by both and by
// the destination, which is zeroed for them first.
int ReadRun(QFile& file, qint64 records, std::span<CHARTRECORD> destination, int first, int count)
{
    const qint64 wanted = std::min<qint64>({count, std::max<qint64>(records, 1), qint64(destination.size())});
    if (wanted <= 0 || first < 0)
        return 0;
    std::memset(static_cast<void*>(destination.data()), 0, std::size_t(wanted) * sizeof(CHARTRECORD));
    const qint64 present = std::min(wanted, records - first);
    if (present <= 0 || !file.seek(qint64(first) * kChartRecordSize))
        return 0;
    const qint64 read = file.read(reinterpret_cast<char*>(destination.data()), present * kChartRecordSize);
    return int(std::max<qint64>(read, 0) / kChartRecordSize);
}

}  // namespace

QString ChartFileName(const QString& chartFolder, const QString& wellName, const QDate& date)
{
    return platform::JoinPath(chartFolder, wellName + wellfile::DateSuffix(date) + QStringLiteral(".cht"));
}

QString TodaysChartFile(const ChartPlace& place)
{
    return ChartFileName(place.chartFolder, place.wellName, platform::LocalTime().date());
}

QDate DateOfChartFile(const QString& path)
{
    static const QRegularExpression suffix(QStringLiteral("@(\\d{1,2})-(\\d{1,2})-(\\d{2})\\.cht$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = suffix.match(QFileInfo(path).fileName());
    if (!m.hasMatch())
        return {};
    return QDate(2000 + m.captured(3).toInt(), m.captured(1).toInt(), m.captured(2).toInt());
}

CHARTRECORD PresetChartRecord(const QDate& date, int slot)
{
    CHARTRECORD r;
    r.month = std::uint16_t(date.month());
    r.day = std::uint16_t(date.day());
    r.hour = std::uint16_t(slot / 1800);
    r.minute = std::uint16_t(slot / 30 % 60);
    r.second = std::uint16_t(slot % 30 * 2);
    r.recordNumber = std::uint32_t(slot);
    return r;
}

int WriteChartRecords(const ChartPlace& place, const CHARTRECORD* records, int count, const QString& path,
                      FailureSpell* spell)
{
    const QString name = path.isEmpty() ? TodaysChartFile(place) : path;
    if (!QFileInfo::exists(name) && !MakeReportedDayFile(name, spell))
        return 0;
    wellfile::SetNormalAttributes(name);
    QFile file(name);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return 0;
    bool written = true;
    // Each sample goes to its own slot: a missed tick leaves its slot preset instead of shifting the
    // samples after it, and a run of consecutive slots is one write.
    for (int i = 0; i < count;) {
        const std::uint32_t slot = records[i].recordNumber;
        int run = 1;
        while (i + run < count && records[i + run].recordNumber == slot + std::uint32_t(run))
            ++run;
        const int inDay = slot >= std::uint32_t(kChartSlotsPerDay)
                              ? 0
                              : std::min<int>(run, kChartSlotsPerDay - int(slot));
        if (inDay > 0) {
            const qint64 bytes = qint64(inDay) * kChartRecordSize;
            written = written && file.seek(qint64(slot) * kChartRecordSize) &&
                      file.write(reinterpret_cast<const char*>(records + i), bytes) == bytes;
        }
        i += run;
    }
    file.close();
    // A full disk or a size limit: the samples are lost, which is said as a failure to make the file.
    if (!written) {
        if (ReportFailure(spell))
            platform::MessageBox(QStringLiteral("Chart File Create Failed"), QStringLiteral("ERROR"));
        return 0;
    }
    if (spell)
        spell->Succeeded();
    if (place.copyOn && !place.copyFolder.isEmpty())
        wellfile::CopyFileLeavingReadOnly(name, platform::JoinPath(place.copyFolder, QFileInfo(name).fileName()));
    return 1;
}

int ReadChartFile(const ChartPlace& place, std::span<CHARTRECORD> destination, int first, int count,
                  const QString& path)
{
    const QString name = path.isEmpty() ? TodaysChartFile(place) : path;
    wellfile::SetNormalAttributes(name);
    if (!QFileInfo::exists(name)) {
        if (place.remoteView || !MakeReportedDayFile(name, nullptr))
            return 0;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::MessageBox(name, QStringLiteral("Chart File Read Error In"));
        return 0;
    }
    const qint64 length = file.size();
    if (length % kChartRecordSize != 0) {
        file.close();
        MoveAside(name);
        return 0;
    }
    if (count == -1)
        return int(length / kChartRecordSize);
    return ReadRun(file, length / kChartRecordSize, destination, first, count);
}

int ReadTodayChart(const ChartPlace& place, std::span<CHARTRECORD> destination, int first, int count)
{
    const QString name = TodaysChartFile(place);
    wellfile::SetNormalAttributes(name);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        platform::MessageBox(name, QStringLiteral("Chart File Read Error "));
        return 0;
    }
    const qint64 records = file.size() / kChartRecordSize;
    if (count == -1)
        return int(records);
    return ReadRun(file, records, destination, first, count);
}

}  // namespace gasmon
