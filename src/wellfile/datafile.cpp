#include "wellfile/datafile.h"

#include "platform/filesizesignal.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "wellfile/depths.h"
#include "wellfile/fileattrs.h"
#include "wellfile/wholefile.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace wellfile {

namespace {

constexpr int kCustomRecordSize = 222;  // one record of the custom-data file, its depth a float at 0

// A step of 0 or less would divide by zero; such a file is read as one record per depth unit.
std::int32_t Step(const OpenWell& well) { return well.depthStep > 0 ? well.depthStep : 1; }

// Record index of the last depth of a range: (last - first) / step, in 64 bits so that damaged depths
// near the ends of the int32 range cannot overflow.
std::int64_t IndexSpan(std::int64_t first, std::int64_t last, std::int32_t step) { return (last - first) / step; }

char* Bytes(RECORD* r) { return reinterpret_cast<char*>(r); }
const char* Bytes(const RECORD* r) { return reinterpret_cast<const char*>(r); }

// Reads one record at byte `pos`; false unless all 616 bytes came.
bool ReadRecordAt(QFile& f, qint64 pos, RECORD& out)
{
    out = RECORD{};
    if (!f.seek(pos))
        return false;
    if (f.read(Bytes(&out), kRecordSize) == kRecordSize)
        return true;
    out = RECORD{};
    return false;
}

// Byte position of the last whole record; a file whose length is not a multiple of the record size
// has a torn tail, which is never taken for a record. -1 when the file holds no whole record.
qint64 LastWholeRecordPos(qint64 size, int recordSize)
{
    const qint64 whole = size / recordSize;
    return whole > 0 ? (whole - 1) * recordSize : -1;
}

// The first and last depth of a data file; both 0 when it does not open or holds no record.
// `lastRecord` receives the last record when given.
void ReadDepthRange(const QString& path, std::int32_t& first, std::int32_t& last, RECORD* lastRecord)
{
    first = 0;
    last = 0;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    RECORD r;
    if (!ReadRecordAt(f, 0, r))
        return;
    first = r.depth;
    if (!ReadRecordAt(f, LastWholeRecordPos(f.size(), kRecordSize), r))
        return;
    last = r.depth;
    if (lastRecord)
        *lastRecord = r;
}

bool ReadCustomDepths(const QString& path, std::int32_t& first, std::int32_t& last)
{
    first = 0;
    last = 0;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    float depth = 0;
    if (f.read(reinterpret_cast<char*>(&depth), sizeof depth) != sizeof depth)
        return false;
    first = platform::Whole(depth);
    const qint64 pos = LastWholeRecordPos(f.size(), kCustomRecordSize);
    depth = 0;
    if (pos < 0 || !f.seek(pos) || f.read(reinterpret_cast<char*>(&depth), sizeof depth) != sizeof depth)
        return false;
    last = platform::Whole(depth);
    return true;
}

void MessageFileError(const QString& path) { platform::MessageBox(path, QStringLiteral("File Error In Read Records")); }

// Writes one record at `pos` of an open file; false unless all of it was written.
bool WriteRecordAt(QFile& f, qint64 pos, const RECORD& record)
{
    return f.seek(pos) && f.write(Bytes(&record), kRecordSize) == kRecordSize && f.flush();
}

QString CaptionWithModifiedTime(const OpenWell& well, const QString& path)
{
    const QDateTime modified = QFileInfo(path).lastModified();
    const QString time = modified.time().toString(QStringLiteral("hh:mm:ss"));
    const std::string when = platform::CFormat("%s,  %2d/%d/%2d  ", time.toLatin1().constData(),
                                               modified.date().month(), modified.date().day(),
                                               modified.date().year());
    return QStringLiteral("Strativ    ") + well.dataFileName + QStringLiteral("  Last Modified at ") +
           QString::fromStdString(when);
}

}  // namespace

int SaveRecords(OpenWell& well, std::span<const RECORD> buffer, const QString& path, int index, int count)
{
    std::int64_t span = IndexSpan(well.fileTopDepth, well.fileBottomDepth, Step(well));
    if (span == 0) {
        span = 1;
        count = 1;
    }
    if (span < count)
        count = int(span + 1);
    if (span - index < count)
        count = int(span - index + 1);
    count = int(std::min<std::size_t>(std::size_t(std::max(count, 0)), buffer.size()));
    if (index < 0 || count <= 0)
        return 0;

    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
        platform::MessageBox(QStringLiteral("File Open Failed In Save Records"), path);
        return 0;
    }
    const qint64 pos = qint64(index) * kRecordSize;
    const qint64 bytes = qint64(count) * kRecordSize;
    const qint64 oldSize = f.size();
    // Keep what the write overlays, so that a failed write can be undone rather than leave a mix.
    QByteArray previous;
    if (pos < oldSize && f.seek(pos))
        previous = f.read(std::min(bytes, oldSize - pos));
    const bool written = f.seek(pos) && f.write(Bytes(buffer.data()), bytes) == bytes;
    if (!written) {
        if (!previous.isEmpty() && f.seek(pos))
            f.write(previous);
        if (f.size() > oldSize)
            f.resize(oldSize);
        f.close();
        platform::MessageBox(QStringLiteral("File Write Failed In Save Records"), path);
        return 0;
    }
    f.close();

    // While drilling every save of the records goes out: to the second data folder with its copy-out
    // option, else to the shared folder as a saved side file does with live update on.
    if (well.secondFolderOption && well.drilling && well.copyOut && well.hooks.copyWellFileOut)
        well.hooks.copyWellFileOut(QStringLiteral(".svm"));
    else if (well.drilling)
        TellSavedFile(path);
    return count;
}

bool WriteRecordAt(const QString& path, std::int64_t index, const void* bytes, int size, QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (index < 0 || size <= 0)
        return fail(QStringLiteral("no place for the record"));
    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return fail(f.errorString());
    const qint64 oldSize = f.size();
    const qint64 pos = index * size;
    if (pos > oldSize / size * size)
        return fail(QStringLiteral("the file ends before the record's place"));
    if (!f.seek(pos))
        return fail(f.errorString());
    const char* data = static_cast<const char*>(bytes);
    if (platform::WriteOrReason(f, data, size) == size)
        return true;
    const QString why = f.errorString();
    // Never leave part of a record behind the whole ones.
    if (f.size() > std::max(oldSize, pos))
        f.resize(std::max(oldSize, pos));
    return fail(why);
}

bool WriteRecordAtDepth(const OpenWell& well, const RECORD& record, const QString& path, QString* reason)
{
    const std::int64_t index = IndexSpan(well.fileTopDepth, record.depth, Step(well));
    return WriteRecordAt(path, index, &record, kRecordSize, reason);
}

int ReadRecords(OpenWell& well, std::span<RECORD> buffer, const QString& path, int index, int count,
                bool offsetRange)
{
    SetNormalAttributes(path);
    QFile f(path);
    if (buffer.empty() || !f.open(QIODevice::ReadOnly))
        return 0;

    if (well.captionFlag && !well.drilling && well.secondFolderOption && well.hooks.setCaption)
        well.hooks.setCaption(CaptionWithModifiedTime(well, path));

    const std::int32_t first = offsetRange ? well.offsetTopDepth : well.fileTopDepth;
    const std::int32_t last = offsetRange ? well.offsetBottomDepth : well.fileBottomDepth;
    std::int64_t n = IndexSpan(first, last, Step(well)) + 1;
    if (n <= 0) {
        n = 1;
        count = 1;
    }
    if (n < count)
        count = int(n);
    // The record after the last one read carries the end mark, so it must lie inside the buffer.
    count = int(std::min<std::size_t>(std::size_t(std::max(count, 0)), buffer.size() - 1));

    std::fill_n(buffer.begin(), count, RECORD{});
    int got = 0;
    if (count > 0 && index >= 0 && f.seek(qint64(index) * kRecordSize)) {
        const qint64 bytes = f.read(Bytes(buffer.data()), qint64(count) * kRecordSize);
        got = bytes > 0 ? int(bytes / kRecordSize) : 0;
        if (got < count)
            buffer[std::size_t(got)] = RECORD{};  // a torn record at the end of a short file is not data
    }
    buffer[std::size_t(got)].depth = 0;
    return got;
}

std::unique_ptr<RECORD> ReadFirstRecord(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    auto record = std::make_unique<RECORD>();
    if (!ReadRecordAt(f, 0, *record))
        return nullptr;
    return record;
}

int WriteFirstRecord(const RECORD& record, const QString& path)
{
    SetNormalAttributes(path);
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) || !WriteRecordAt(f, 0, record)) {
        MessageFileError(path);
        return 0;
    }
    return 1;
}

std::unique_ptr<RECORD> ReadLastRecord(const OpenWell& well, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    auto record = std::make_unique<RECORD>();
    ReadRecordAt(f, LastWholeRecordPos(f.size(), kRecordSize), *record);  // an empty file gives depth 0
    if (record->depth == 0 || record->depth < well.fileTopDepth) {
        platform::MessageBox(QString::fromStdString(platform::CFormat("%d %3.1f", int(record->depth),
                                                                      double(record->rate2Ft))),
                             QStringLiteral("0 end depth"));
        return nullptr;
    }
    return record;
}

int WriteLastRecord(const RECORD& record, const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
        MessageFileError(path);
        return 0;
    }
    // The last whole record: a torn tail must not make the write straddle two records.
    const qint64 pos = LastWholeRecordPos(f.size(), kRecordSize);
    if (pos < 0 || !WriteRecordAt(f, pos, record)) {
        MessageFileError(path);
        return 0;
    }
    return 1;
}

int ReadFileDepthRange(OpenWell& well, std::int32_t& first, std::int32_t& last, bool repair)
{
    if (repair && well.hooks.loadAndRepairRecords)
        well.hooks.loadAndRepairRecords();

    RECORD lastRecord;
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    ReadDepthRange(well.dataFileName, top, bottom, &lastRecord);
    first = top;
    last = bottom;
    well.lagTime = lastRecord.lagTime;

    if (well.viewTopDepth < top || well.viewTopDepth > bottom)
        well.viewTopDepth = DefaultViewTop(top, bottom, well.viewDepthSpan);

    if (well.customTopDepth == 0 || well.customBottomDepth < bottom)
        ReadCustomFileDepthRange(well, well.customTopDepth, well.customBottomDepth);

    if (well.autoStart && well.hooks.writeActivityLog)
        well.hooks.writeActivityLog(QStringLiteral("Auto Start"));
    return 1;
}

std::int32_t ReadDataFileDepthRange(const QString& name, std::int32_t& first, std::int32_t& last)
{
    // Only the file name decides: a dot in a folder name is no extension.
    const QString path = QFileInfo(name).fileName().contains(u'.') ? name : name + QStringLiteral(".svm");
    ReadDepthRange(path, first, last, nullptr);
    return last;
}

int ReadCustomFileDepthRange(OpenWell& well, std::int32_t& first, std::int32_t& last)
{
    std::int32_t top = 0;
    std::int32_t bottom = 0;
    if (ReadCustomDepths(well.customDataFileName, top, bottom) && bottom < top &&
        well.hooks.renumberCustomRecords) {
        well.hooks.renumberCustomRecords();
        ReadCustomDepths(well.customDataFileName, top, bottom);  // the range as renumbered
    }
    first = top;
    last = bottom;
    return 1;
}

std::int64_t RecordsInDataFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() ? info.size() / kRecordSize : 0;
}

std::int32_t DefaultViewTop(std::int32_t first, std::int32_t last, std::int32_t span)
{
    return ClampDepth(std::max<std::int64_t>(first, std::int64_t(last) - span));
}

std::int32_t DefaultViewTop(const OpenWell& well)
{
    return DefaultViewTop(well.fileTopDepth, well.fileBottomDepth, well.viewDepthSpan);
}

int ScanRecords(OpenWell& well)
{
    const std::int32_t floor = ClampDepth(std::int64_t(well.fileTopDepth) + 20);
    // The stored depths only bound the run: a damaged bottom depth must not size the buffer.
    const std::int64_t n = std::min(IndexSpan(floor, well.fileBottomDepth, Step(well)),
                                    RecordsInDataFile(well.dataFileName) - 25);
    // The scan starts afresh: a lag depth left from another well or from before a depth correction
    // must not survive it.
    well.lagDepth = floor;
    if (n > 0) {
        std::vector<RECORD> buffer(std::size_t(n) + 10);
        const int got = ReadRecords(well, buffer, well.dataFileName, 25, int(n));
        for (int i = 0; i < got; ++i)
            if (buffer[std::size_t(i)].gas[GAS_TG] > 1.0f)
                well.lagDepth = buffer[std::size_t(i)].depth;
    }
    well.lagDepth = std::max(well.lagDepth, floor);
    return 1;
}

int ReadAllRecords(OpenWell& well)
{
    const std::int64_t first = well.fileTopDepth;
    const std::int64_t last = well.fileBottomDepth;
    // All records but the last; no more than the file holds, whatever its stored depths say.
    const std::int64_t inFile = std::max<std::int64_t>(RecordsInDataFile(well.dataFileName) - 1, 0);
    const std::int64_t n = std::clamp<std::int64_t>(IndexSpan(first, last, Step(well)), 0, inFile);
    well.allRecords.assign(std::size_t(n) + 1, RECORD{});
    const int got = n > 0 ? ReadRecords(well, well.allRecords, well.dataFileName, 0, int(n)) : 0;
    well.allRecords.resize(std::size_t(got) + 1);  // the records read and their end mark

    well.directional = false;
    well.deviated = false;
    well.maxTvd = 0;
    well.firstTvdOffset = 0;
    bool tvdSeen = false;  // a survey at the very first depth has offset 0 and still counts as found
    int inclined = 0;
    for (int i = 0; i < got; ++i) {
        const RECORD& r = well.allRecords[std::size_t(i)];
        const std::int64_t depth = r.depth;
        const float mudOut = r.mudWeightOut;
        if (mudOut > 0 && depth > last - 1000) {
            well.lastMudWeightOut = mudOut;
            well.lastMudWeightOutDepth = std::int32_t(depth);
        }
        const float tvd = r.tvd;
        if (!(tvd > 0))
            continue;
        if (!tvdSeen) {
            well.firstTvdOffset = ClampDepth(depth - first);
            tvdSeen = true;
        }
        if (tvd > well.maxTvd && tvd <= float(last))
            well.maxTvd = tvd;
        if (r.inclination >= 10.0f)
            ++inclined;
        if (tvd < float(depth - 6) && tvd > float(first + 50))
            well.deviated = true;
    }
    well.directional = inclined >= 5;
    return 1;
}

}  // namespace wellfile
