#include "horizontal/horzlogs.h"

#include "elog/curverecord.h"
#include "exchange/filehelpers.h"
#include "platform/services.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <cstring>
#include <new>

namespace horizontal {

namespace {

constexpr int kCurveRecordBytes = 96;
constexpr int kTargetRecordBytes = 24;
constexpr int kMaxCurves = 10;

// The whole file, or nothing when it cannot be opened as a file (`unopened` set) or is too large to hold.
std::optional<QByteArray> ReadWhole(const QString& path, bool* unopened = nullptr)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        if (unopened)
            *unopened = true;
        return std::nullopt;
    }
    try {
        QByteArray bytes = file.readAll();
        if (bytes.size() < file.size())
            throw std::bad_alloc();
        return bytes;
    } catch (const std::bad_alloc&) {
        platform::MessageBox(QStringLiteral("Memory Allocation Error"), QString(), platform::MB_OK);
        return std::nullopt;
    }
}

float FloatAt(const QByteArray& bytes, qsizetype offset)
{
    float v = 0;
    std::memcpy(&v, bytes.constData() + offset, sizeof v);
    return v;
}

GammaLog WalkRecords(const QByteArray& bytes, int start)
{
    const int records = int(bytes.size() / kCurveRecordBytes);
    const int m = records - start;
    GammaLog log;
    log.count = (m + 1) / 2;
    log.samples.resize(std::size_t(m + 101));
    for (int k = 0; k < log.count; ++k) {
        const qsizetype at = qsizetype(start + 2 * k) * kCurveRecordBytes;
        if (at + kCurveRecordBytes > bytes.size())
            break;
        const float depth = FloatAt(bytes, at);
        if (!std::isfinite(depth) || depth >= float(records))
            break;  // the rest of the samples stay zero; the count stays
        log.samples[std::size_t(k)] = {depth, FloatAt(bytes, at + 4)};
    }
    return log;
}

std::optional<GammaLog> LogOf(const QByteArray& bytes, int startRecord)
{
    const int start = std::max(0, startRecord);
    const int records = int(bytes.size() / kCurveRecordBytes);
    if (records - start + 1 < 10)
        return std::nullopt;
    return WalkRecords(bytes, start);
}

}  // namespace

int GammaStartRecord(std::int32_t leastTvd)
{
    return std::max(0, leastTvd / 10 * 10 - 1000);
}

std::optional<GammaLog> LoadGammaFile(const QString& path, int startRecord)
{
    const std::optional<QByteArray> bytes = ReadWhole(path);
    if (!bytes)
        return std::nullopt;
    return LogOf(*bytes, startRecord);
}

std::optional<CurveLog> LoadCurveFile(const QString& path, int startRecord)
{
    const std::optional<QByteArray> bytes = ReadWhole(path);
    if (!bytes)
        return std::nullopt;
    CurveLog curve;
    if (bytes->size() >= kCurveRecordBytes)
        curve.kb = FloatAt(*bytes, elog::SLOT_PE * 4);
    if (std::optional<GammaLog> log = LogOf(*bytes, startRecord))
        curve.log = std::move(*log);
    return curve;
}

CurveFiles ListCurveFiles(const QString& dataFolder, const QString& wellName, std::int32_t fileFirstDepth,
                          std::int32_t lastDrawnDepth, int startRecord)
{
    CurveFiles list;
    const QString pattern = dataFolder + QStringLiteral("*.svc");
    const int count = exchange::CountFiles(pattern);
    if (count == 0)
        return list;
    QStringList names;
    std::vector<QDateTime> times;
    exchange::ListFilesWithTimes(names, count, pattern, times);
    exchange::SortFileNames(names, int(names.size()), fileFirstDepth);
    const QString well = wellName.toUpper();
    for (qsizetype i = 0; i < names.size() && int(list.curves.size()) < kMaxCurves; ++i) {
        const QString upper = names[i].toUpper();
        const qsizetype at = upper.indexOf(u'@');
        if (!upper.contains(well) || at < 0)
            continue;
        const qsizetype dot = upper.indexOf(u'.', at + 1);
        bool whole = false;
        const int depth = upper.mid(at + 1, dot < 0 ? -1 : dot - at - 1).toInt(&whole);
        if (!whole)
            continue;
        if (depth > lastDrawnDepth)
            break;
        CurveLog curve;
        if (std::optional<CurveLog> loaded = LoadCurveFile(dataFolder + names[i], startRecord))
            curve = std::move(*loaded);
        curve.depth = depth;
        list.curves.push_back(std::move(curve));
    }
    return list;
}

std::optional<TargetPath> LoadTargetFile(const QString& path)
{
    bool unopened = false;
    const std::optional<QByteArray> bytes = ReadWhole(path, &unopened);
    if (!bytes) {
        if (unopened)
            platform::MessageBox(path, QStringLiteral("file error"), platform::MB_OK);
        return std::nullopt;
    }
    TargetPath target;
    const int n = int(bytes->size() / kTargetRecordBytes);
    target.count = n;
    target.points.resize(std::size_t(n + 1));
    for (int i = 0; i < n; ++i) {
        const qsizetype at = qsizetype(i) * kTargetRecordBytes;
        target.points[std::size_t(i)] = {platform::Trunc(FloatAt(*bytes, at)), platform::Trunc(FloatAt(*bytes, at + 4))};
    }
    return target;
}

}  // namespace horizontal
