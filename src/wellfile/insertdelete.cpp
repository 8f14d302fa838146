#include "wellfile/insertdelete.h"

#include "layout/customdata.h"
#include "platform/text.h"
#include "wellfile/depthcorrection.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cstring>
#include <vector>

namespace wellfile {

namespace {

const QString kRangeError = QStringLiteral("Range Error");

// The whole records of a file; false when it does not open or read.
template <class R>
bool ReadWholeRecords(const QString& path, std::vector<R>& rows)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return false;
    rows.resize(std::size_t(all.size()) / sizeof(R));
    if (!rows.empty())
        std::memcpy(static_cast<void*>(rows.data()), all.constData(), rows.size() * sizeof(R));
    return true;
}

template <class R>
QByteArray BytesOf(const std::vector<R>& rows)
{
    return QByteArray(reinterpret_cast<const char*>(rows.data()), qsizetype(rows.size() * sizeof(R)));
}

bool HasCustomFile(const RecordFiles& files)
{
    return !files.customFile.isEmpty() && QFileInfo(files.customFile).isFile();
}

// Reads the ".svx" and finds the index of `depth` in it; nothing when it holds no such depth.
std::optional<std::size_t> CustomIndex(const std::vector<layout::CUSTDATAREC>& rows, std::int32_t depth)
{
    if (rows.empty())
        return std::nullopt;
    const float firstDepth = rows.front().depth;
    if (!(firstDepth == firstDepth))  // NaN: the repair pass renumbers such a file
        return std::nullopt;
    const std::int64_t j = std::int64_t(depth) - std::int64_t(firstDepth);
    if (j < 0 || j >= std::int64_t(rows.size()))
        return std::nullopt;
    return std::size_t(j);
}

void NumberFrom(std::vector<layout::CUSTDATAREC>& rows, std::size_t from, float depth)
{
    for (std::size_t i = from; i < rows.size(); ++i, depth += 1.0f)
        rows[i].depth = depth;
}

// Writes the shifted files together, the ".svx" first, and fills the outcome.
RecordShift Replace(const RecordFiles& files, const std::vector<RECORD>& records,
                    const std::vector<layout::CUSTDATAREC>* custom)
{
    RecordShift out;
    std::vector<FileImage> images;
    if (custom)
        images.push_back({files.customFile, BytesOf(*custom)});
    images.push_back({files.dataFile, BytesOf(records)});
    out.path = ReplaceFilesTogether(images);
    if (!out.path.isEmpty()) {
        out.status = RecordShift::WriteFailed;
        return out;
    }
    out.status = RecordShift::Done;
    out.lastDepth = records.back().depth;
    if (custom && !custom->empty()) {
        out.customChanged = true;
        out.customFirst = std::int32_t(custom->front().depth);
        out.customLast = std::int32_t(custom->back().depth);
    }
    return out;
}

RecordShift Failed(RecordShift::Status status, const QString& path)
{
    RecordShift out;
    out.status = status;
    out.path = path;
    return out;
}

}  // namespace

std::optional<EntryRefusal> RefuseRecordEntry(RecordOperation op, std::int32_t first, std::int32_t last,
                                              std::int32_t step, std::optional<int> depth, std::optional<int> count)
{
    const EntryRefusal range{QStringLiteral("Depth out of Range"), kRangeError};
    if (!depth || *depth > last - 10 || *depth < first + 10)
        return range;
    if (op == RecordOperation::Delete && *depth < first + 20)
        return range;
    if (!count || *count < 1)
        return EntryRefusal{QStringLiteral("Number of records must be greater than 0"), QStringLiteral("Invalid Entry")};
    const std::int64_t below = (std::int64_t(last) - *depth) / std::max(step, 1) + 1;
    if (op == RecordOperation::Delete && *count > below)
        return EntryRefusal{QString::fromStdString(platform::CFormat("Only %d records lie at and below %d", int(below),
                                                                     *depth)),
                            QStringLiteral("Invalid Entry")};
    return std::nullopt;
}

RECORD InsertTemplate(const RECORD& last)
{
    RECORD r = last;
    r.rateOdd = r.rateOne = r.rate2Ft = 0.1f;
    platform::SetFieldText(r.lith, "100bl");
    std::memset(r.interpretedLith, 0, sizeof r.interpretedLith);
    r.shortText[0] = 0;
    r.outlineNarrow = r.outlineWide = r.fluorQuality = r.porosity = r.fluorPercent = r.cutRating = 0;
    r.slide = r.hardness = r.flareLength = r.tripCode = 0;
    for (int g = 0; g < 9; ++g)
        r.gas[g] = 0;
    r.indexWord = -1;
    r.azimuth = r.inclination = r.tvd = 0;
    r.bottomDepth = 0;
    r.mudWeightOut = 0;
    r.weightOnBit[0] = r.weightOnBit[1] = 0;
    return r;
}

RecordShift InsertRecords(const RecordFiles& files, std::int32_t depth, int count)
{
    std::vector<RECORD> records;
    if (!ReadWholeRecords(files.dataFile, records))
        return Failed(RecordShift::ReadFailed, files.dataFile);
    const std::int32_t step = std::max(files.step, 1);
    if (records.empty() || count < 1 || depth < records.front().depth)
        return {};
    const std::size_t i = std::size_t((depth - records.front().depth) / step);
    if (i >= records.size())
        return {};

    std::vector<RECORD> added(std::size_t(count), InsertTemplate(records.back()));
    for (std::size_t n = 0; n < added.size(); ++n)
        added[n].depth = depth + std::int32_t(n) * step;
    std::int32_t next = added.back().depth + step;
    for (std::size_t t = i; t < records.size(); ++t, next += step)
        records[t].depth = next;
    records.insert(records.begin() + std::ptrdiff_t(i), added.begin(), added.end());

    std::vector<layout::CUSTDATAREC> custom;
    bool shiftCustom = false;
    if (HasCustomFile(files)) {
        if (!ReadWholeRecords(files.customFile, custom))
            return Failed(RecordShift::ReadFailed, files.customFile);
        if (const auto j = CustomIndex(custom, depth)) {
            const std::size_t m = std::size_t(count) * std::size_t(step);
            custom.insert(custom.begin() + std::ptrdiff_t(*j), m, layout::CUSTDATAREC{});
            NumberFrom(custom, *j, float(depth));
            shiftCustom = true;
        }
    }
    return Replace(files, records, shiftCustom ? &custom : nullptr);
}

RecordShift DeleteRecords(const RecordFiles& files, std::int32_t depth, int count)
{
    std::vector<RECORD> records;
    if (!ReadWholeRecords(files.dataFile, records))
        return Failed(RecordShift::ReadFailed, files.dataFile);
    const std::int32_t step = std::max(files.step, 1);
    if (records.empty() || count < 1 || depth <= records.front().depth)
        return {};
    const std::size_t i = std::size_t((depth - records.front().depth) / step);
    if (i >= records.size() || std::size_t(count) > records.size() - i)
        return {};

    records.erase(records.begin() + std::ptrdiff_t(i), records.begin() + std::ptrdiff_t(i) + count);
    if (i < records.size()) {
        records[i].depth -= step * count;
        for (std::size_t t = i + 1; t < records.size(); ++t)
            records[t].depth = records[t - 1].depth + step;
    }

    std::vector<layout::CUSTDATAREC> custom;
    bool shiftCustom = false;
    if (HasCustomFile(files)) {
        if (!ReadWholeRecords(files.customFile, custom))
            return Failed(RecordShift::ReadFailed, files.customFile);
        const std::size_t m = std::size_t(count) * std::size_t(step);
        if (const auto j = CustomIndex(custom, depth); j && *j > 0 && *j + m <= custom.size()) {
            custom.erase(custom.begin() + std::ptrdiff_t(*j), custom.begin() + std::ptrdiff_t(*j + m));
            NumberFrom(custom, *j, float(depth));
            shiftCustom = true;
        }
    }
    return Replace(files, records, shiftCustom ? &custom : nullptr);
}

DepthCheck CheckDepths(const QString& dataFile, std::int32_t step)
{
    DepthCheck out;
    std::vector<RECORD> records;
    if (!ReadWholeRecords(dataFile, records))
        return out;
    out.readable = true;
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].depth != records[i - 1].depth + step) {
            out.gapAfter = records[i - 1].depth;
            break;
        }
    }
    return out;
}

}  // namespace wellfile
