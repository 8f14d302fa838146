#pragma once
// Changes of the data file's depth range: records appended below the last depth, the file cut at a
// depth, every depth shifted by a fixed amount, and the KB elevation read from a well's header.
#include "wellfile/record.h"
#include "wellfile/wellplace.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace wellfile {

// The record an append repeats, made from the file's last record: drilling values, gas, show and
// survey fields cleared, lithology "100bl", no index word, no colour, and each test-gas value of 0 or
// below set to 1.0 (so gas ratios stay defined).
RECORD AppendTemplate(const RECORD& last);

// Appends `count` records to the data file `path`, each one `step` deeper than the one before and
// with all three rates the last record's two-unit rate. When a write fails (a full disk) the file is
// cut back to its old length. False when the file does not open, holds no record or a write failed.
bool AppendDepthRecords(const QString& path, int count, int step);

// Cuts the data file `path` to its first `records` records. False when that fails.
bool CutDataFile(const QString& path, std::int64_t records);

// Shifts the depths of a whole file's records by `d`: the first record's depth moves by d (its slide
// flag cleared), every later one is one deeper than the one before with each test-gas value of 0 or
// below set to 1.0. Leading records whose depth fell below 1 are dropped; the first record's company
// text at 138 moves to the new first record. Gives the number of records dropped.
std::size_t ShiftRecordDepths(std::vector<RECORD>& records, std::int32_t d);

// One file's new contents.
struct FileImage {
    QString path;
    QByteArray bytes;
};
// Writes every image to a temporary file beside its file, keeps the old files aside and renames the new
// ones into place in the order given (the data file last); when one cannot be put in place, those
// already replaced get their old files back, so a failure changes none of them. Gives the path of the
// file that could not be written or replaced, or an empty text when all are in place.
QString ReplaceFilesTogether(const std::vector<FileImage>& files);

// The KB elevation of a header's KB text (`width` bytes, NUL-ended or full): its digits and points in
// order, with a minus sign standing right before the first digit kept; 0 when there is none.
float KbElevationFromText(const char* field, std::size_t width);

// The KB elevation of the well whose data file is `path` (its ".hdr" beside it); 0 without a header.
float GetKbElevation(const WellPlace& place, const QString& path);

}  // namespace wellfile
