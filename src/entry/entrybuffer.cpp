#include "entry/entrybuffer.h"

#include "platform/services.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace entry {

namespace {

using wellfile::RECORD;

constexpr RecordField kRateFields[] = {{4, 4}, {8, 4}, {12, 4}};
// Shows: porosity, fluorescence quality and percent, cut, calcimeter and the three colours.
constexpr RecordField kShowFields[] = {{20, 2}, {22, 2}, {24, 2}, {26, 2}, {324, 4}, {356, 2}, {360, 4}, {405, 4}};
constexpr RecordField kLithologyFields[] = {{108, 30}, {138, 30}};

// Gas: each component of both half steps on its own, so a component booked meanwhile survives a
// total gas typed in; then custom data 1 and 2, mud weights in and out, CO2 as typed and as drawn.
constexpr std::array<RecordField, 22> GasFields()
{
    std::array<RecordField, 22> f{};
    int n = 0;
    for (int i = 0; i < 8; ++i)
        f[std::size_t(n++)] = {28 + 4 * i, 4};
    for (int i = 0; i < 8; ++i)
        f[std::size_t(n++)] = {416 + 4 * i, 4};
    for (int offset : {328, 332, 344, 348, 352, 60})
        f[std::size_t(n++)] = {offset, 4};
    return f;
}
constexpr std::array<RecordField, 22> kGasFields = GasFields();

const unsigned char* Bytes(const RECORD& r) { return reinterpret_cast<const unsigned char*>(&r); }

}  // namespace

int BufferRecords(EntryKind kind) { return kind == EntryKind::Lithology ? kLithologyBufferRecords : kEntryBufferRecords; }
int ReadCount(EntryKind kind) { return kind == EntryKind::Lithology ? kLithologyReadRecords : kEntryReadRecords; }

std::span<const RecordField> FieldsOf(EntryKind kind)
{
    switch (kind) {
    case EntryKind::Rates: return kRateFields;
    case EntryKind::Shows: return kShowFields;
    case EntryKind::Gas: return kGasFields;
    case EntryKind::Lithology: return kLithologyFields;
    }
    return {};
}

wellfile::RECORD* BufferRecord(std::vector<wellfile::RECORD>& buffer, int index)
{
    return index >= 0 && std::size_t(index) < buffer.size() ? &buffer[std::size_t(index)] : nullptr;
}

const wellfile::RECORD* BufferRecord(const std::vector<wellfile::RECORD>& buffer, int index)
{
    return index >= 0 && std::size_t(index) < buffer.size() ? &buffer[std::size_t(index)] : nullptr;
}

const wellfile::RECORD& RecordAt(const std::vector<wellfile::RECORD>& buffer, int index)
{
    static const wellfile::RECORD blank{};
    const wellfile::RECORD* r = BufferRecord(buffer, index);
    return r ? *r : blank;
}

int EntryRecordIndex(std::int32_t start, std::int32_t firstDepth, std::int32_t depthStep)
{
    return int(((long long)start - kRowsAboveStart - firstDepth) / std::max(depthStep, 1));
}

int ReadEntryRecords(wellfile::OpenWell& well, std::vector<RECORD>& buffer, int size, int index, int count)
{
    buffer.assign(std::size_t(std::max(size, 1)), RECORD{});
    return wellfile::ReadRecords(well, buffer, well.dataFileName, index, count);
}

void MergeTypedFields(RECORD& onDisk, const RECORD& asRead, const RECORD& typed, std::span<const RecordField> fields)
{
    auto* out = reinterpret_cast<unsigned char*>(&onDisk);
    for (const RecordField& f : fields) {
        if (f.offset < 0 || f.size <= 0 || f.offset + f.size > wellfile::kRecordSize)
            continue;
        if (std::memcmp(Bytes(asRead) + f.offset, Bytes(typed) + f.offset, std::size_t(f.size)) != 0)
            std::memcpy(out + f.offset, Bytes(typed) + f.offset, std::size_t(f.size));
    }
}

int TypedFieldCount(const RECORD& asRead, const RECORD& typed, std::span<const RecordField> fields)
{
    int n = 0;
    for (const RecordField& f : fields)
        if (f.offset >= 0 && f.size > 0 && f.offset + f.size <= wellfile::kRecordSize &&
            std::memcmp(Bytes(asRead) + f.offset, Bytes(typed) + f.offset, std::size_t(f.size)) != 0)
            ++n;
    return n;
}

int WriteBackEntry(wellfile::OpenWell& well, const QString& path, int index, int count, std::span<const RECORD> asRead,
                   std::span<const RECORD> typed, std::span<const RecordField> fields)
{
    count = int(std::min<std::size_t>(std::size_t(std::max(count, 0)), std::min(asRead.size(), typed.size())));
    if (count == 0)
        return 0;
    std::vector<RECORD> disk(std::size_t(count) + 1);
    const int got = wellfile::ReadRecords(well, disk, path, index, count);
    if (got == 0) {
        platform::MessageBox(QStringLiteral("File Open Failed In Save Records"), path);
        return 0;
    }
    int dropped = 0;
    for (int k = 0; k < count; ++k) {
        const std::size_t i = std::size_t(k);
        if (k < got && disk[i].depth == asRead[i].depth)
            MergeTypedFields(disk[i], asRead[i], typed[i], fields);
        else
            dropped += TypedFieldCount(asRead[i], typed[i], fields);
    }
    const int written = wellfile::SaveRecords(well, disk, path, index, got);
    // The skip keeps another writer's record whole; the user hears what did not go in.
    if (dropped > 0)
        platform::MessageBox(
            QStringLiteral("%1 values were not saved: their depths changed while the entry was open.").arg(dropped),
            QStringLiteral("Report info"));
    return written;
}

}  // namespace entry
