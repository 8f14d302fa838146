#include "wellfile/customdata.h"

#include "platform/numbers.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wellfile/depths.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <vector>

namespace wellfile {

namespace {

const QString kSvxOpenFailed = QStringLiteral("SaveEx File Open Failed ");
const QString kFitOpenFailed = QStringLiteral("File Open Failed");

void ReportWriteFailure(const QString& text) { platform::MessageBox(text, QStringLiteral("ERROR"), platform::MB_OK); }

// Reads a run of records into a zeroed buffer. `rangeCount` is the number of depths of the file's
// range; the count is limited to it and to the buffer less the end mark. Returns {limited count, whole
// records read}, or {0, 0} when the file does not open.
template <class R>
std::pair<int, int> ReadRun(std::span<R> buffer, const QString& path, int index, int count, std::int64_t rangeCount)
{
    QFile f(path);
    if (index < 0 || buffer.size() < 2 || !f.open(QIODevice::ReadOnly))
        return {0, 0};
    if (rangeCount < 1) {
        rangeCount = 1;
        count = 1;
    }
    count = int(std::min<std::int64_t>({std::int64_t(count), rangeCount, std::int64_t(buffer.size()) - 1}));
    if (count < 1)
        return {0, 0};
    std::memset(static_cast<void*>(buffer.data()), 0, std::size_t(count) * sizeof(R));
    qint64 got = 0;
    if (f.seek(qint64(index) * qint64(sizeof(R)))) {
        got = f.read(reinterpret_cast<char*>(buffer.data()), qint64(count) * qint64(sizeof(R)));
        if (got < 0)
            got = 0;
    }
    const int whole = int(got / qint64(sizeof(R)));
    // A torn record at the end reads as zero rather than half filled.
    if (whole < count)
        std::memset(static_cast<void*>(&buffer[std::size_t(whole)]), 0, std::size_t(count - whole) * sizeof(R));
    return {count, whole};
}

// Writes a run of records at `index` of an existing file; `span` is the file range's last minus first
// depth. Returns the number written, 0 after `failText` when nothing could be written.
template <class R>
int WriteRun(std::span<const R> buffer, const QString& path, int index, int count, std::int64_t span,
             const QString& failText)
{
    if (span == 0) {
        span = 1;
        count = 1;
    }
    const std::int64_t limit = std::min({std::int64_t(count), span + 1, span - index + 1, std::int64_t(buffer.size())});
    if (index < 0 || limit < 1)
        return 0;
    count = int(limit);
    wellfile::SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        ReportWriteFailure(failText);
        return 0;
    }
    const qint64 bytes = qint64(count) * qint64(sizeof(R));
    if (!f.seek(qint64(index) * qint64(sizeof(R))) ||
        f.write(reinterpret_cast<const char*>(buffer.data()), bytes) != bytes || !f.flush()) {
        ReportWriteFailure(failText);
        return 0;
    }
    return count;
}

// The most records a custom-data or ext-record file is made with, or has added at once: as many as the
// data file holds. Depths read from damaged files must not make either file grow without bound.
std::int64_t RecordLimit(const wellfile::OpenWell& well) { return wellfile::RecordsInDataFile(well.dataFileName); }

// Records start, start + 1 ... for a new file, at least one and at most `limit`; each from `blank` with
// its depth set.
template <class R>
bool WriteNewFile(const QString& path, std::int32_t start, std::int32_t to, std::int64_t limit, const R& blank,
                  const QString& failText, std::int32_t& lastWritten)
{
    // The records up to `to` - 1: the step that reaches `to` appends its own record.
    const std::int64_t n = std::max<std::int64_t>(std::min(std::int64_t(to) - start, limit), 1);
    std::vector<R> records;
    try {
        records.assign(std::size_t(n), blank);
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("extRecord alloc failed"), QStringLiteral("File error"), platform::MB_OK);
        return false;
    }
    for (std::int64_t i = 0; i < n; ++i)
        records[std::size_t(i)].depth = float(start + i);
    wellfile::SetNormalAttributes(path);
    if (!wellfile::WriteWholeFile(path, records.data(), records.size() * sizeof(R))) {
        ReportWriteFailure(failText);
        return false;
    }
    lastWritten = std::int32_t(start + n - 1);
    return true;
}

struct Extended {
    std::int32_t first = 0;
    std::int32_t last = 0;
};

// Cuts the file after `newLast` or appends records up to it, each made by `next` from the one before,
// at most `limit` of them. Returns the file's new depth range, or nullopt when the file is missing,
// holds no record, has no sound first and last depth (the repair pass renumbers such a file) or fails.
template <class R, class Next>
std::optional<Extended> ExtendFile(const QString& path, std::int32_t newLast, std::int64_t limit,
                                   const QString& failText, Next next)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    wellfile::SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        ReportWriteFailure(failText);
        return std::nullopt;
    }
    const qint64 whole = f.size() / qint64(sizeof(R));
    if (whole < 1)
        return std::nullopt;
    R first{};
    R lastRecord{};
    if (f.read(reinterpret_cast<char*>(&first), sizeof(R)) != qint64(sizeof(R)) ||
        !f.seek((whole - 1) * qint64(sizeof(R))) ||
        f.read(reinterpret_cast<char*>(&lastRecord), sizeof(R)) != qint64(sizeof(R))) {
        ReportWriteFailure(failText);
        return std::nullopt;
    }
    const std::optional<std::int32_t> storedFirst = platform::WholeOf(first.depth);
    const std::optional<std::int32_t> storedLast = platform::WholeOf(lastRecord.depth);
    if (!storedFirst || !storedLast)
        return std::nullopt;
    const std::int32_t firstDepth = *storedFirst;
    const std::int32_t last = *storedLast;

    if (newLast < last) {
        // Cut after newLast, counted from the file's own first depth; the first record always stays.
        const qint64 keep = std::clamp<qint64>(qint64(newLast) - firstDepth + 1, 1, whole);
        if (!f.resize(keep * qint64(sizeof(R)))) {
            ReportWriteFailure(failText);
            return std::nullopt;
        }
        return Extended{firstDepth, wellfile::ClampDepth(firstDepth + keep - 1)};
    }

    // A torn record at the end goes before anything is appended after the last whole one.
    const qint64 wholeBytes = whole * qint64(sizeof(R));
    if (f.size() != wholeBytes && !f.resize(wholeBytes)) {
        ReportWriteFailure(failText);
        return std::nullopt;
    }
    const std::int64_t count = std::min<std::int64_t>(std::int64_t(newLast) - last, limit);
    std::vector<R> added;
    R previous = lastRecord;
    if (count > 0) {
        added.reserve(std::size_t(count));
        for (std::int64_t i = 0; i < count; ++i) {
            previous = next(previous);
            added.push_back(previous);
        }
    }
    const qint64 bytes = qint64(added.size()) * qint64(sizeof(R));
    if (!f.seek(wholeBytes) || f.write(reinterpret_cast<const char*>(added.data()), bytes) != bytes || !f.flush()) {
        f.resize(wholeBytes);  // no half-appended run is left behind
        ReportWriteFailure(failText);
        return std::nullopt;
    }
    return Extended{firstDepth, added.empty() ? last : platform::Whole(previous.depth)};
}

template <class R>
std::unique_ptr<R> ReadLastRecordOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 whole = f.size() / qint64(sizeof(R));
    if (whole < 1 || !f.seek((whole - 1) * qint64(sizeof(R))))
        return nullptr;
    auto record = std::make_unique<R>();
    if (f.read(reinterpret_cast<char*>(record.get()), sizeof(R)) != qint64(sizeof(R)))
        return nullptr;
    return record;
}

}  // namespace

int ReadCustomRecords(const wellfile::OpenWell& well, std::span<CUSTDATAREC> buffer, const QString& path, int index,
                      int count)
{
    const auto [limited, whole] =
        ReadRun(buffer, path, index, count, std::int64_t(well.customBottomDepth) - well.customTopDepth + 1);
    if (limited > 0)
        buffer[std::size_t(limited)].depth = 0;
    return limited;
}

int WriteCustomRecords(const wellfile::OpenWell& well, std::span<const CUSTDATAREC> buffer, const QString& path,
                       int index, int count)
{
    return WriteRun(buffer, path, index, count, std::int64_t(well.customBottomDepth) - well.customTopDepth,
                    kSvxOpenFailed);
}

int ReadExtRecords(const FitFile& fit, std::span<EXTRECORD> buffer, const QString& path, int index, int count)
{
    const auto [limited, whole] =
        ReadRun(buffer, path, index, count, std::int64_t(fit.bottomDepth) - fit.topDepth + 1);
    if (limited > 0)
        buffer[std::size_t(std::min(whole, limited))].depth = 0;
    return std::min(whole, limited);
}

int WriteExtRecords(const FitFile& fit, std::span<const EXTRECORD> buffer, const QString& path, int index, int count)
{
    // The ".fit" range alone limits its writes.
    return WriteRun(buffer, path, index, count, std::int64_t(fit.bottomDepth) - fit.topDepth, kFitOpenFailed);
}

int CreateCustomDataFile(wellfile::OpenWell& well, FitFile& fit, std::int32_t from, std::int32_t to)
{
    const std::int32_t start = std::min(from, well.fileTopDepth);
    std::int32_t last = 0;
    if (!WriteNewFile(well.customDataFileName, start, to, RecordLimit(well), CUSTDATAREC{}, kSvxOpenFailed, last))
        return 0;
    well.customTopDepth = start;
    well.customBottomDepth = last;
    // Said once it is there, with what it holds.
    platform::MessageBox(QStringLiteral("Custom data file created for the depths %1 to %2:\n%3")
                             .arg(start)
                             .arg(last)
                             .arg(QDir::toNativeSeparators(well.customDataFileName)),
                         QStringLiteral("Custom Data"), platform::MB_OK);
    if (fit.dataEnabled)
        CreateExtRecords(well, fit, start, to);
    return 1;
}

int CreateExtRecords(const wellfile::OpenWell& well, FitFile& fit, std::int32_t from, std::int32_t to)
{
    if (!fit.dataEnabled || fit.path.isEmpty())
        return 0;
    const std::int32_t start = std::min(from, well.fileTopDepth);
    EXTRECORD blank{};
    blank.recordLength = kExtRecordSize;
    std::int32_t last = 0;
    if (!WriteNewFile(fit.path, start, to, RecordLimit(well), blank, kFitOpenFailed, last))
        return 0;
    // The range runs to `to`, one past the last record written: the FIT values of that depth are
    // written (appended) at its index as soon as they come.
    fit.topDepth = start;
    fit.bottomDepth = std::max(to, last);
    return 1;
}

int ExtendCustomDataFile(wellfile::OpenWell& well, std::int32_t newLast)
{
    const auto range = ExtendFile<CUSTDATAREC>(well.customDataFileName, newLast, RecordLimit(well), kSvxOpenFailed,
                                               [](CUSTDATAREC r) {
                                                   r.depth = r.depth + 1.0f;
                                                   return r;
                                               });
    if (!range)
        return 0;
    well.customTopDepth = range->first;
    well.customBottomDepth = range->last;
    if (well.secondFolderOption && well.drilling && well.copyOut && well.hooks.copyWellFileOut)
        well.hooks.copyWellFileOut(QStringLiteral(".svx"));
    return 1;
}

int CorrectExtDepth(const wellfile::OpenWell& well, FitFile& fit, std::int32_t newLast)
{
    if (!fit.extRecordOption)
        return 0;
    const auto range = ExtendFile<EXTRECORD>(fit.path, newLast, RecordLimit(well), kFitOpenFailed,
                                             [](const EXTRECORD& previous) {
        EXTRECORD blank{};
        blank.depth = previous.depth + 1.0f;
        blank.recordLength = kExtRecordSize;
        return blank;
    });
    if (!range)
        return 0;
    fit.topDepth = range->first;
    fit.bottomDepth = range->last;
    return 1;
}

bool ReadExtDepthRange(FitFile& fit)
{
    EXTRECORD first{};
    {
        QFile f(fit.path);
        if (fit.path.isEmpty() || !f.open(QIODevice::ReadOnly) ||
            f.read(reinterpret_cast<char*>(&first), sizeof first) != qint64(sizeof first))
            return false;
    }
    const std::unique_ptr<EXTRECORD> last = ReadLastRecordOf<EXTRECORD>(fit.path);
    const std::optional<std::int32_t> top = platform::WholeOf(first.depth);
    const std::optional<std::int32_t> bottom = last ? platform::WholeOf(last->depth) : std::nullopt;
    if (!top || !bottom || *bottom < *top)
        return false;
    fit.topDepth = *top;
    fit.bottomDepth = *bottom;
    return true;
}

std::unique_ptr<CUSTDATAREC> ReadLastCustomRecord(const QString& path) { return ReadLastRecordOf<CUSTDATAREC>(path); }
std::unique_ptr<EXTRECORD> ReadLastExtRecord(const QString& path) { return ReadLastRecordOf<EXTRECORD>(path); }

}  // namespace wellfile
