#include "wellfile/sidefiles_reports.h"

#include "platform/folders.h"
#include "platform/services.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <new>

namespace wellfile {

using wellfile::DSTREPORT;
using wellfile::REPORT;
using wellfile::REPORTEX;
using wellfile::SHOWREPORT;

namespace {

// The file as it is spelt on disk (files from Windows stations come in any letter case), so that loads
// find it and saves write over it.
QString LocalPath(const WellPlace& place, const QString& name, const char* extension)
{
    return platform::FindFileNoCase(place.currentFolder, name + QLatin1String(extension));
}

// The whole file; nullopt when it does not open or cannot be read to its end.

template <class Record>
int LoadLastRecord(Record& record, const QString& path)
{
    record = Record{};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const qint64 length = f.size();
    if (length < qint64(sizeof(Record)) || !f.seek(length - qint64(sizeof(Record))))
        return 0;
    Record scratch;
    if (f.read(reinterpret_cast<char*>(&scratch), qint64(sizeof(Record))) != qint64(sizeof(Record)))
        return 0;
    record = scratch;
    return 1;
}

// Copies whole records out of `bytes`; a trailing partial record is zero-padded when `keepPartial`.
template <class Record>
std::vector<Record> Records(const QByteArray& bytes, bool keepPartial, int spare)
{
    const qsizetype whole = bytes.size() / qsizetype(sizeof(Record));
    const bool partial = keepPartial && bytes.size() % qsizetype(sizeof(Record)) != 0;
    std::vector<Record> out(std::size_t(whole + (partial ? 1 : 0) + spare));
    const qsizetype used = partial ? bytes.size() : whole * qsizetype(sizeof(Record));
    if (used > 0)
        std::memcpy(static_cast<void*>(out.data()), bytes.constData(), std::size_t(used));
    return out;
}

// A text field as the program writes it: NUL-terminated within its width, no control characters.
template <std::size_t N>
bool PlausibleText(const char (&field)[N])
{
    const void* end = std::memchr(field, 0, N);
    if (!end)
        return false;
    for (const char* c = field; c != end; ++c) {
        const unsigned char u = static_cast<unsigned char>(*c);
        if ((u < 0x20 && u != '\t') || u == 0x7F)
            return false;
    }
    return true;
}

// The binary fields of a current report hold what the program writes there.
bool SaneNumbers(const REPORTEX& r)
{
    const std::int32_t number = r.number;
    const float depth = r.depth;
    return number >= 0 && number <= 100000 && std::isfinite(depth) && depth > -100000.f && depth < 1000000.f;
}

bool PlausibleCurrent(const REPORTEX& r)
{
    return SaneNumbers(r) && PlausibleText(r.date) && PlausibleText(r.time) && PlausibleText(r.presentOperations) &&
           PlausibleText(r.formation) && PlausibleText(r.survey);
}

bool PlausibleOld(const REPORT& r)
{
    return PlausibleText(r.date) && PlausibleText(r.time) && PlausibleText(r.presentOperations) &&
           PlausibleText(r.formation) && PlausibleText(r.nextTop) && PlausibleText(r.survey);
}

template <class Record, class Test>
bool AllRecords(const QByteArray& bytes, Test test)
{
    for (qsizetype at = 0; at + qsizetype(sizeof(Record)) <= bytes.size(); at += qsizetype(sizeof(Record))) {
        Record r;
        std::memcpy(static_cast<void*>(&r), bytes.constData() + at, sizeof(Record));
        if (!test(r))
            return false;
    }
    return true;
}

// Whether the whole current records carry the report numbers 1, 2, 3... as the reports write them.
bool NumberedInOrder(const QByteArray& bytes)
{
    std::int32_t expected = 1;
    bool any = false;
    return AllRecords<REPORTEX>(bytes, [&](const REPORTEX& r) {
               any = true;
               return r.number == expected++;
           }) &&
           any;
}

// Current reports numbered 1, 2, 3... in file order with sane depths. Their texts are not looked at:
// the user may have typed a line break into any of them.
bool NumberedCurrentReports(const QByteArray& bytes)
{
    return NumberedInOrder(bytes) && AllRecords<REPORTEX>(bytes, SaneNumbers);
}

// Old reports whose texts read as the old program wrote them, one odd record allowed.
bool MostlyPlausibleOld(const QByteArray& bytes)
{
    int odd = 0;
    AllRecords<REPORT>(bytes, [&](const REPORT& r) {
        odd += PlausibleOld(r) ? 0 : 1;
        return true;
    });
    return odd <= 1;
}

}  // namespace

int LoadReport(REPORT& record, const WellPlace& place, const QString& name)
{
    return LoadLastRecord(record, LocalPath(place, name, ".rpt"));
}

int LoadReport1600(REPORTEX& record, const WellPlace& place, const QString& name, const ConvertReportsFn& convert)
{
    const QString path = LocalPath(place, name, ".rpt");
    // An old file read as current records would give garbage: it is converted as every load does.
    const std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (bytes && IsOldReportFile(*bytes)) {
        record = REPORTEX{};
        SetNormalAttributes(path);
        const std::vector<REPORT> old = Records<REPORT>(*bytes, false, 0);
        const auto converted = convert ? convert(path, old) : std::nullopt;
        if (!converted || converted->size() < old.size())
            return 0;
        record = (*converted)[old.size() - 1];
        return 1;
    }
    return LoadLastRecord(record, path);
}

int LoadDst(DSTREPORT& record, const WellPlace& place, const QString& name)
{
    return LoadLastRecord(record, LocalPath(place, name, ".dst"));
}

int LoadShow(SHOWREPORT& record, const WellPlace& place, const QString& name)
{
    return LoadLastRecord(record, LocalPath(place, name, ".sho"));
}

bool IsOldDstLength(qint64 length)
{
    return length > 0 && length % wellfile::kOldDstSize == 0 && length % wellfile::kDstSize != 0;
}

std::optional<LoadedRecords<DSTREPORT>> LoadDsts(const WellPlace& place, const ConvertDstsFn& convert)
{
    const QString path = LocalPath(place, place.wellName, ".dst");
    std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        return std::nullopt;
    if (IsOldDstLength(bytes->size())) {
        SetNormalAttributes(path);
        // A failed conversion leaves the old file; its bytes read as current tests would be garbage.
        if (!convert || !convert(path, *bytes, int(bytes->size() / wellfile::kOldDstSize)))
            return std::nullopt;
        bytes = ReadWholeFile(path);
        if (!bytes)
            return std::nullopt;
    }
    LoadedRecords<DSTREPORT> out;
    out.size = bytes->size();
    if (!bytes->isEmpty())
        out.records = Records<DSTREPORT>(*bytes, true, 1);
    return out;
}

int SaveDsts(const WellPlace& place, std::span<const DSTREPORT> records)
{
    const QString path = LocalPath(place, place.wellName, ".dst");
    if (!WriteWholeFile(path, records.data(), records.size_bytes())) {
        platform::MessageBox(QStringLiteral("Can not open dst file"), QStringLiteral("ERROR"));
        return 0;
    }
    return 1;
}

bool IsOldReportFile(const QByteArray& bytes)
{
    const qsizetype length = bytes.size();
    // Old files hold whole 1,264-byte records only. Any other length is a current file, perhaps with a
    // torn last record from a save that was cut short: converting it would scramble every report.
    if (length == 0 || length % wellfile::kOldReportSize != 0)
        return false;
    // A torn current file can come at such a length too; its whole records give it away.
    if (NumberedCurrentReports(bytes))
        return false;
    if (length % wellfile::kReportSize != 0)
        return true;  // only old files come at such lengths otherwise
    // Multiples of 126,400 bytes fit both layouts: old reports read as current ones put text and binary
    // fields in each other's places, which the checks see. Bytes that make sense neither way stay as
    // they are: a current file is never rewritten.
    return MostlyPlausibleOld(bytes) && !AllRecords<REPORTEX>(bytes, PlausibleCurrent);
}

std::optional<LoadedRecords<REPORTEX>> LoadReportsEx(const WellPlace& place, const ConvertReportsFn& convert)
{
    const QString path = LocalPath(place, place.wellName, ".rpt");
    SetNormalAttributes(path);
    try {
        const std::optional<QByteArray> bytes = ReadWholeFile(path);
        if (!bytes)
            return std::nullopt;
        LoadedRecords<REPORTEX> loaded;
        if (IsOldReportFile(*bytes)) {
            const std::vector<REPORT> old = Records<REPORT>(*bytes, false, 0);
            std::optional<std::vector<REPORTEX>> converted = convert ? convert(path, old) : std::nullopt;
            // A failed conversion leaves the old file as it was; handing out an empty series would let
            // the next save overwrite those reports.
            if (!converted)
                return std::nullopt;
            loaded.records = std::move(*converted);
            if (loaded.records.size() < old.size() + 1)
                loaded.records.resize(old.size() + 1);
        } else {
            loaded.records = Records<REPORTEX>(*bytes, false, 1);
        }
        loaded.size = qint64(loaded.records.size()) * wellfile::kReportSize;
        return loaded;
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("REPORTEX ALLOCATION FAILED"), QStringLiteral("Report info"));
        return std::nullopt;
    }
}

std::optional<LoadedRecords<REPORT>> LoadReports(const WellPlace& place, const QString& name)
{
    const QFileInfo named(name + QStringLiteral(".rpt"));
    const QString path = name.isEmpty() ? LocalPath(place, place.wellName, ".rpt")
                                        : platform::FindFileNoCase(named.path(), named.fileName());
    SetNormalAttributes(path);
    try {
        const std::optional<QByteArray> bytes = ReadWholeFile(path);
        if (!bytes || bytes->size() < wellfile::kOldReportSize)
            return std::nullopt;
        LoadedRecords<REPORT> loaded;
        loaded.records = Records<REPORT>(*bytes, false, 1);
        loaded.size = bytes->size();
        return loaded;
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("REPORT ALLOCATION FAILED"), QStringLiteral("Report info"));
        return std::nullopt;
    }
}

std::optional<LoadedRecords<SHOWREPORT>> LoadShows(const WellPlace& place, const ConvertShowsFn& convert)
{
    const QString path = LocalPath(place, place.wellName, ".sho");
    SetNormalAttributes(path);
    std::optional<QByteArray> bytes = ReadWholeFile(path);
    if (!bytes)
        bytes = QByteArray();
    const qsizetype length = bytes->size();
    // An empty file holds no old records, and a length that is also a whole number of current records
    // is taken as current: converting a current file would rewrite it as garbage.
    if (length > 0 && length % wellfile::kOldShowSize == 0 && length % wellfile::kShowSize != 0) {
        if (!convert || !convert(path, *bytes, int(length / wellfile::kOldShowSize)))
            return std::nullopt;
        bytes = ReadWholeFile(path);
        if (!bytes)
            return std::nullopt;
    }
    LoadedRecords<SHOWREPORT> loaded;
    loaded.records = Records<SHOWREPORT>(*bytes, true, 1);
    loaded.size = qint64(loaded.records.size()) * wellfile::kShowSize;
    return loaded;
}

int SaveShows(const WellPlace& place, std::span<const SHOWREPORT> records)
{
    const QString path = LocalPath(place, place.wellName, ".sho");
    SetNormalAttributes(path);
    if (!WriteWholeFile(path, records.data(), records.size_bytes())) {
        platform::MessageBox(path, QStringLiteral("Save Show failed"));
        return 0;
    }
    return 1;
}

}  // namespace wellfile
