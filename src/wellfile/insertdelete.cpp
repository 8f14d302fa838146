#include "wellfile/insertdelete.h"

#include "platform/text.h"
#include "wellfile/customdata.h"
#include "wellfile/depthcorrection.h"
#include "wellfile/memorecords.h"
#include "wellfile/reportrecords.h"
#include "wellfile/wholefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include <cstring>
#include <vector>

namespace wellfile {

namespace {

const QString kRangeError = QStringLiteral("Range Error");

template <class R>
QByteArray BytesOf(const std::vector<R>& rows)
{
    return QByteArray(reinterpret_cast<const char*>(rows.data()), qsizetype(rows.size() * sizeof(R)));
}

bool IsFile(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// Finds the index of `depth` in a per-depth side file; nothing when it holds no such depth.
template <class R>
std::optional<std::size_t> DepthIndex(const std::vector<R>& rows, std::int32_t depth)
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

template <class R>
void NumberFrom(std::vector<R>& rows, std::size_t from, float depth)
{
    for (std::size_t i = from; i < rows.size(); ++i, depth += 1.0f)
        rows[i].depth = depth;
}

// A per-depth side file (one record a depth unit, its depth a float) with `m` blank records put in
// (m above 0) or taken out (below 0) at `depth`. `blank` is the record put in, but for its depth.
template <class R>
struct SideShift {
    std::vector<R> rows;
    bool changed = false;
};

template <class R>
bool ShiftSide(const QString& path, std::int32_t depth, std::int64_t m, const R& blank, SideShift<R>& out)
{
    if (!IsFile(path))
        return true;
    std::optional<std::vector<R>> rows = ReadWholeRecords<R>(path);
    if (!rows)
        return false;
    out.rows = std::move(*rows);
    const auto j = DepthIndex(out.rows, depth);
    if (!j)
        return true;
    if (m > 0) {
        out.rows.insert(out.rows.begin() + std::ptrdiff_t(*j), std::size_t(m), blank);
    } else {
        const std::size_t n = std::size_t(-m);
        if (*j == 0 || *j + n > out.rows.size())
            return true;
        out.rows.erase(out.rows.begin() + std::ptrdiff_t(*j), out.rows.begin() + std::ptrdiff_t(*j + n));
    }
    NumberFrom(out.rows, *j, float(depth));
    out.changed = true;
    return true;
}

// The side files of an insert (m above 0) or delete (m below 0) of m depth units at `depth`, read and
// shifted in memory. On a file that cannot be read, its path.
struct SideFiles {
    SideShift<wellfile::CUSTDATAREC> custom;
    SideShift<wellfile::EXTRECORD> fit;
    std::optional<QByteArray> memos;
    std::optional<QByteArray> notes;
    std::optional<QByteArray> shortReports;
};

std::optional<QString> ShiftSideFiles(const RecordFiles& files, std::int32_t depth, std::int64_t m, SideFiles& out)
{
    wellfile::EXTRECORD blankFit{};
    blankFit.recordLength = wellfile::kExtRecordSize;
    if (!ShiftSide(files.customFile, depth, m, wellfile::CUSTDATAREC{}, out.custom))
        return files.customFile;
    if (!ShiftSide(files.fitFile, depth, m, blankFit, out.fit))
        return files.fitFile;
    const auto move = [depth, m](std::int32_t d) { return MovedDepth(d, depth, std::int32_t(m)); };
    if (!MoveRecordDepths<wellfile::SVMEMO>(files.memoFile, move, out.memos))
        return files.memoFile;
    if (!MoveRecordDepths<wellfile::HTEXTEX>(files.noteFile, move, out.notes))
        return files.noteFile;
    if (!MoveRecordDepths<wellfile::QREPORT>(files.shortReportFile, move, out.shortReports))
        return files.shortReportFile;
    return std::nullopt;
}

// Writes the shifted files together, the data file last, and fills the outcome.
RecordShift Replace(const RecordFiles& files, const std::vector<RECORD>& records, const SideFiles& side)
{
    RecordShift out;
    std::vector<FileImage> images;
    if (side.custom.changed)
        images.push_back({files.customFile, BytesOf(side.custom.rows)});
    if (side.fit.changed)
        images.push_back({files.fitFile, BytesOf(side.fit.rows)});
    if (side.memos)
        images.push_back({files.memoFile, *side.memos});
    if (side.notes)
        images.push_back({files.noteFile, *side.notes});
    if (side.shortReports)
        images.push_back({files.shortReportFile, *side.shortReports});
    images.push_back({files.dataFile, BytesOf(records)});
    out.path = ReplaceFilesTogether(images);
    if (!out.path.isEmpty()) {
        out.status = RecordShift::WriteFailed;
        return out;
    }
    out.status = RecordShift::Done;
    out.lastDepth = records.back().depth;
    if (side.custom.changed && !side.custom.rows.empty()) {
        out.customChanged = true;
        out.customFirst = std::int32_t(side.custom.rows.front().depth);
        out.customLast = std::int32_t(side.custom.rows.back().depth);
    }
    if (side.fit.changed && !side.fit.rows.empty()) {
        out.fitChanged = true;
        out.fitFirst = std::int32_t(side.fit.rows.front().depth);
        out.fitLast = std::int32_t(side.fit.rows.back().depth);
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

std::int32_t MovedDepth(std::int32_t depth, std::int32_t point, std::int32_t delta)
{
    if (depth == 0 || depth < point)
        return depth;
    if (delta < 0 && std::int64_t(depth) < std::int64_t(point) - delta)
        return point;
    return depth + delta;
}

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
    std::optional<std::vector<RECORD>> read = ReadWholeRecords<RECORD>(files.dataFile);
    if (!read)
        return Failed(RecordShift::ReadFailed, files.dataFile);
    std::vector<RECORD>& records = *read;
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

    SideFiles side;
    if (const auto unread = ShiftSideFiles(files, depth, std::int64_t(count) * step, side))
        return Failed(RecordShift::ReadFailed, *unread);
    return Replace(files, records, side);
}

RecordShift DeleteRecords(const RecordFiles& files, std::int32_t depth, int count)
{
    std::optional<std::vector<RECORD>> read = ReadWholeRecords<RECORD>(files.dataFile);
    if (!read)
        return Failed(RecordShift::ReadFailed, files.dataFile);
    std::vector<RECORD>& records = *read;
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

    SideFiles side;
    if (const auto unread = ShiftSideFiles(files, depth, -std::int64_t(count) * step, side))
        return Failed(RecordShift::ReadFailed, *unread);
    return Replace(files, records, side);
}

DepthCheck CheckDepths(const QString& dataFile, std::int32_t step, const std::function<void(std::int32_t)>& checked)
{
    DepthCheck out;
    const std::optional<std::vector<RECORD>> read = ReadWholeRecords<RECORD>(dataFile);
    if (!read)
        return out;
    const std::vector<RECORD>& records = *read;
    out.readable = true;
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].depth != records[i - 1].depth + step) {
            out.gapAfter = records[i - 1].depth;
            break;
        }
        if (checked)
            checked(records[i].depth);
    }
    return out;
}

}  // namespace wellfile
