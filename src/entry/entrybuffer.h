#pragma once
// The entry buffer of manual data entry by depth: a window of depth records read from the data file,
// typed into by one entry dialog and put back on "Done". Buffer record 0 is the record ten steps above
// the start depth, so with a depth step of 1 the start depth's record is record 10; the record after the
// last one read has depth 0, which every dialog takes as the end of the buffer.
//
// Putting back is a merge: the drilling tick, the gas monitor and the WITS links go on booking into the
// data file under the modal dialog, so "Done" reads the records again and writes into them only the
// fields the dialog changed against what it read.
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace entry {

// The four entry commands.
enum class EntryKind { Rates, Shows, Gas, Lithology };

constexpr int kRowsAboveStart = 10;          // the start depth stands ten rows below the view top
constexpr int kEntryBufferRecords = 110;     // rates, shows and gas: 100 read and 10 spare
constexpr int kEntryReadRecords = 100;
constexpr int kLithologyBufferRecords = 210; // lithology: 200 read and 10 spare
constexpr int kLithologyReadRecords = 200;

int BufferRecords(EntryKind kind);
int ReadCount(EntryKind kind);

// The bytes of a depth-record field an entry dialog writes.
struct RecordField {
    int offset;
    int size;
};
// The fields the dialog of `kind` writes; each is merged whole.
std::span<const RecordField> FieldsOf(EntryKind kind);

// The record at `index` of an entry buffer; null past either end.
wellfile::RECORD* BufferRecord(std::vector<wellfile::RECORD>& buffer, int index);
const wellfile::RECORD* BufferRecord(const std::vector<wellfile::RECORD>& buffer, int index);
// The record at `index` to read: past either end a blank record, whose depth 0 reads as the buffer's end.
const wellfile::RECORD& RecordAt(const std::vector<wellfile::RECORD>& buffer, int index);

// The record index of buffer record 0 for an entry starting at `start`.
int EntryRecordIndex(std::int32_t start, std::int32_t firstDepth, std::int32_t depthStep);

// Makes `buffer` `size` zeroed records and reads up to `count` records from `index` of the data file.
// Returns the number read; 0 when the file could not be read, and the buffer is then empty (its first
// record has depth 0).
int ReadEntryRecords(wellfile::OpenWell& well, std::vector<wellfile::RECORD>& buffer, int size, int index, int count);

// Puts into `onDisk` every field of `fields` in which `typed` differs from `asRead`.
void MergeTypedFields(wellfile::RECORD& onDisk, const wellfile::RECORD& asRead, const wellfile::RECORD& typed,
                      std::span<const RecordField> fields);

// The number of fields of `fields` in which `typed` differs from `asRead`: the values typed.
int TypedFieldCount(const wellfile::RECORD& asRead, const wellfile::RECORD& typed, std::span<const RecordField> fields);

// "Done": reads the `count` records from `index` again, merges into each the fields the dialog changed
// and writes them. A record whose depth is no longer the one read (or that is gone) is left as it is on
// disk, and the values typed into it are counted in "%d values were not saved: their depths changed
// while the entry was open." Returns the number written; 0 for a count of 0, and 0 after the message of
// the write routine when the file cannot be opened.
int WriteBackEntry(wellfile::OpenWell& well, const QString& path, int index, int count,
                   std::span<const wellfile::RECORD> asRead, std::span<const wellfile::RECORD> typed,
                   std::span<const RecordField> fields);

}  // namespace entry
