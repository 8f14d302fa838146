#include "wits/dailyfile.h"

#include "platform/filesizesignal.h"
#include "platform/folders.h"
#include "platform/messagewindows.h"
#include "platform/services.h"
#include "wellfile/datesuffix.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryFile>

#include <algorithm>
#include <mutex>

#include <unistd.h>

namespace wits {

namespace {

constexpr int kWindowRecords = 100;   // the records of the live window
constexpr int kWindowBuffer = 110;    // its buffer has room for ten more

constexpr QFile::Permissions kNewFilePermissions =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther;

enum class Made { Made, AlreadyThere, Failed };

// Writes the preset day into a temporary file beside `path` and moves it into place only when whole;
// `reason` says why it failed.
Made MakeDailyFile(const QString& path, const QDate& date, QString& reason)
{
    std::vector<wellfile::WITSRECORD> day(wellfile::kSlotsPerDay);
    for (int r = 0; r < wellfile::kSlotsPerDay; ++r)
        day[std::size_t(r)] = PresetRecord(date, r);
    QTemporaryFile temp(path + QStringLiteral(".XXXXXX"));
    if (!temp.open()) {
        reason = temp.errorString();
        return Made::Failed;
    }
    const bool written =
        platform::WriteOrReason(temp, reinterpret_cast<const char*>(day.data()), wellfile::kDailyFileSize) == wellfile::kDailyFileSize &&
        temp.flush() && ::fsync(temp.handle()) == 0;
    if (!written) {
        reason = temp.errorString();
        return Made::Failed;
    }
    if (temp.rename(path)) {  // never over a file: one made meanwhile is kept
        temp.setAutoRemove(false);
        QFile::setPermissions(path, kNewFilePermissions);
        return Made::Made;
    }
    if (QFileInfo::exists(path))
        return Made::AlreadyThere;
    reason = temp.errorString();
    return Made::Failed;
}

// Whether the daily file at `path` could not be made, noted: true for the first failure of a spell,
// which ends once the file is made.
bool FirstFailure(const QString& path, bool failed)
{
    static std::mutex mutex;
    static QSet<QString> failing;
    const std::lock_guard lock(mutex);
    if (!failed) {
        failing.remove(path);
        return false;
    }
    if (failing.contains(path))
        return false;
    failing.insert(path);
    return true;
}

}  // namespace

void StampSample(wellfile::WITSRECORD& s, const QDateTime& now)
{
    const QDate date = now.date();
    const QTime clock = now.time();
    s.month = std::uint16_t(date.month());
    s.day = std::uint16_t(date.day());
    s.year = std::uint16_t(date.year() - 2000);
    s.hour = std::uint16_t(clock.hour());
    s.minute = std::uint16_t(clock.minute());
    s.second = std::uint16_t(clock.second() - clock.second() % 6);
    s.slot = std::uint16_t(wellfile::SlotOfDay(clock.hour(), clock.minute(), clock.second()));
}

QString DailyWitsFileName(const QString& witsFolder, const QString& wellName, const QDate& date)
{
    return platform::JoinPath(witsFolder, wellName + wellfile::DateSuffix(date) + QStringLiteral(".wit"));
}

wellfile::WITSRECORD PresetRecord(const QDate& date, int r)
{
    wellfile::WITSRECORD rec;
    rec.day = std::uint16_t(date.day());
    rec.month = std::uint16_t(date.month());
    rec.year = std::uint16_t(date.year() - 2000);
    rec.hour = std::uint16_t(r / 600);
    rec.minute = std::uint16_t(r / 10 % 60);
    rec.second = std::uint16_t(6 * (r % 10 + 1));
    return rec;
}

int RecordOfSlot(int slot) { return slot >= 0 && slot < wellfile::kSlotsPerDay ? slot : -1; }

QDate DateOfSample(const wellfile::WITSRECORD& s) { return QDate(2000 + s.year, s.month, s.day); }

void FillSingleGaps(wellfile::WITSRECORD* samples, int count, bool skipSlotZero)
{
    for (int i = 1; i < count - 1; ++i) {
        wellfile::WITSRECORD& s = samples[i];
        if (skipSlotZero && s.slot == 0)
            continue;
        if (s.holeDepth == 0 && samples[i - 1].holeDepth > 0 && samples[i + 1].holeDepth > 0) {
            s = samples[i - 1];
            s.slot = std::uint16_t(s.slot + 1);
        }
    }
}

bool WriteDailyRecords(const QString& path, const QDate& date, const wellfile::WITSRECORD* samples, int count)
{
    if (!QFileInfo::exists(path)) {
        QString reason;
        const bool failed = MakeDailyFile(path, date, reason) == Made::Failed;
        if (FirstFailure(path, failed))
            platform::PostMessageBox(QStringLiteral("Wits File Create Failed\n") + path + u'\n' + reason,
                                     QStringLiteral("ERROR"));
        if (failed)
            return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        platform::PostMessageBox(QStringLiteral("Wits File Open Failed (in Data)"), QStringLiteral("ERROR"));
        return false;
    }
    std::vector<wellfile::WITSRECORD> batch(samples, samples + std::max(count, 0));
    FillSingleGaps(batch.data(), int(batch.size()), true);
    // One write per whole record, each at its own slot: a write cut short by the end of the process
    // never leaves a record half old and half new.
    bool written = true;
    for (const wellfile::WITSRECORD& s : batch) {
        const int r = RecordOfSlot(s.slot);
        if (r < 0)
            continue;
        written = file.seek(qint64(r) * wellfile::kWitsRecordSize)
                  && file.write(reinterpret_cast<const char*>(&s), wellfile::kWitsRecordSize) == wellfile::kWitsRecordSize && written;
    }
    return written;
}

std::optional<std::vector<wellfile::WITSRECORD>> ReadDailyFile(const QString& path)
{
    wellfile::SetNormalAttributes(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 records = std::min<qint64>(file.size() / wellfile::kWitsRecordSize, wellfile::kSlotsPerDay);
    std::vector<wellfile::WITSRECORD> day(static_cast<std::size_t>(records));
    const qint64 read = file.read(reinterpret_cast<char*>(day.data()), records * wellfile::kWitsRecordSize);
    day.resize(std::size_t(std::max<qint64>(read, 0) / wellfile::kWitsRecordSize));
    return day;
}

bool CopyDailyFile(const QString& path, const QString& folder, const QString& fileName)
{
    return wellfile::CopyFileLeavingReadOnly(path, platform::JoinPath(folder, fileName));
}

QDate WitsWindowDay(const QDateTime& now, int hourOffset) { return now.addSecs(qint64(hourOffset) * 3600).date(); }

std::optional<std::vector<wellfile::WITSRECORD>> ReadRecentWitsRecords(const QString& path, const QTime& now,
                                                                   int hourOffset, int& bytes)
{
    bytes = 0;
    wellfile::SetNormalAttributes(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The offset may carry the hour past midnight: the slot is that of the moved time in its own day,
    // whose file the caller reads (WitsWindowDay).
    const int hour = ((now.hour() + hourOffset) % 24 + 24) % 24;
    const int slot = hour * 600 + now.minute() * 10 + now.second() / 6;
    const int first = std::max(0, slot - kWindowRecords);
    std::vector<wellfile::WITSRECORD> window(kWindowBuffer, wellfile::WITSRECORD{});
    if (file.seek(qint64(first) * wellfile::kWitsRecordSize)) {
        const qint64 read =
            file.read(reinterpret_cast<char*>(window.data()), qint64(kWindowRecords) * wellfile::kWitsRecordSize);
        bytes = int(std::max<qint64>(read, 0));
    }
    window.resize(std::size_t(bytes / wellfile::kWitsRecordSize));
    return window;
}

}  // namespace wits
