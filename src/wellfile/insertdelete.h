#pragma once
// Inserting blank records into the data file at a depth, deleting records at a depth, and checking that
// the depths run without gaps. The per-depth side files (".svx", ".fit"), when there are, are shifted the
// same way, and the memos, depth notes and short reports at or below the point move with the records.
// All files are changed in memory and replaced together through temporary files, so a failed write
// leaves every one as it was; a torn record at the end of the data file is dropped.
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace wellfile {

// The dialog's operations, as its radio buttons give them.
enum class RecordOperation { Check = 1, Delete = 2, Insert = 3 };

// A refusal of the typed depth or count, with the message box's text and caption.
struct EntryRefusal {
    QString text;
    QString caption;
};

// Checks the typed depth and count of an insert or delete against the file's depth range (`first` to
// `last`, `step` units a record): the depth from first + 10 to last - 10 (a delete from first + 20, as
// nothing above that is ever deleted), at least one record, and a delete of no more records than lie at
// and below the depth. No value: the entry is accepted.
std::optional<EntryRefusal> RefuseRecordEntry(RecordOperation op, std::int32_t first, std::int32_t last,
                                              std::int32_t step, std::optional<int> depth, std::optional<int> count);

// The files an insert or delete works on; every one but the data file may be empty or missing.
struct RecordFiles {
    QString dataFile;
    QString customFile;
    std::int32_t step = 1;  // depth units per record
    QString fitFile;        // one record per depth unit, like the ".svx"
    QString memoFile;       // ".mem", ".hxt" and ".qpt": records whose depth moves when it lies at or below the point
    QString noteFile;
    QString shortReportFile;
};

// Where a depth goes when `delta` units are inserted (above 0) or deleted (below 0) at `point`: depths
// above the point stay, those at or below it move by delta; a depth inside a deleted span goes to the
// point, so nothing placed there is lost. 0 (an unused slot) stays 0.
std::int32_t MovedDepth(std::int32_t depth, std::int32_t point, std::int32_t delta);

struct RecordShift {
    enum Status { Done, Refused, ReadFailed, WriteFailed } status = Refused;
    QString path;                 // the file that could not be read or written
    std::int32_t lastDepth = 0;   // the data file's last depth afterwards
    bool customChanged = false;   // the ".svx" was shifted too
    std::int32_t customFirst = 0;  // its depth range afterwards
    std::int32_t customLast = 0;
    bool fitChanged = false;      // the ".fit" was shifted too
    std::int32_t fitFirst = 0;    // its depth range afterwards
    std::int32_t fitLast = 0;
};

// The record an insert repeats, made from the file's last record: rates 0.1, lithology "100bl", no
// interpreted lithology or flare text, outline, show, slide, hardness and trip fields, gas, index word,
// survey, marker depth, mud weight out and weight on bit cleared; test gas, scale codes, colours and
// the rest kept.
RECORD InsertTemplate(const RECORD& last);

// Inserts `count` records at `depth`: they take the depths from `depth` on, the records from `depth`
// down move `count` steps deeper. The ".svx" and ".fit" get count x step blank records at the same
// depth; memos, depth notes and short reports at or below it move count x step deeper. A side file that
// exists but cannot be read fails the whole insert (ReadFailed, its path). Refused when the depth does
// not lie within the file.
RecordShift InsertRecords(const RecordFiles& files, std::int32_t depth, int count);

// Deletes `count` records from `depth` on; the records below move up, and the side files with them as
// for an insert. Refused when the depth is the first one or not within the file, or when fewer than
// `count` records lie at and below it.
RecordShift DeleteRecords(const RecordFiles& files, std::int32_t depth, int count);

// The data file's depths checked record by record: `gapAfter` is the depth of the last record before
// the first one that is not `step` below it.
// `checked` is told the depth of each record found in its place, in file order.
struct DepthCheck {
    bool readable = false;
    std::optional<std::int32_t> gapAfter;
};
DepthCheck CheckDepths(const QString& dataFile, std::int32_t step,
                       const std::function<void(std::int32_t)>& checked = {});

}  // namespace wellfile
