#pragma once
// Record I/O of the data file (".svm"): runs of records by record index, the first and the last record,
// the depth ranges of the open file, of a named file and of the custom-data file, the two scans that
// derive window values from the records, and the list of drives.
//
// Every routine opens and closes its file within the call; callers keep their own buffers and read
// whole runs. The record index of a depth is (depth - fileTopDepth) / depthStep.
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <span>

namespace wellfile {

// The whole records the data file `path` holds; 0 when there is none. Every run or file sized from
// stored depths is bounded by it: a damaged file may hold any depths, and depths with no data file
// behind them bound nothing.
std::int64_t RecordsInDataFile(const QString& path);

// Writes `count` records from `buffer` at record `index` of the existing file `path`. The count is
// limited to the open file's depth range and to the buffer. Returns the number written; 0 (after the
// message "File Open Failed In Save Records") when the file does not open, 0 after a message when the
// write fails. Copies the ".svm" out when drilling with the copy-out options on.
int SaveRecords(OpenWell& well, std::span<const RECORD> buffer, const QString& path, int index, int count);

// The new bottom record of drilling: writes `record` at its own place, record (depth - first depth) /
// depth step of the open well, in one write. For a sound file that is its end; a tail torn by a crash
// is overwritten. False, with nothing written, when the file does not open, when that place lies past
// the file's whole records (it would leave a gap), or when the write fails (a short write is cut off
// again). No message: the caller says it, with the system's reason put into `reason` when one is given.
bool WriteRecordAtDepth(const OpenWell& well, const RECORD& record, const QString& path, QString* reason = nullptr);
// The same for any file of fixed-size records: `size` bytes at record `index` (0-based); false as above.
bool WriteRecordAt(const QString& path, std::int64_t index, const void* bytes, int size, QString* reason = nullptr);

// Reads up to `count` records from record `index` into `buffer` and writes depth 0 into the record
// after the last one read. The count is limited to the depth range of the open file (of the offset well
// when `offsetRange`) and to buffer.size() - 1, so the end mark always fits. Returns the number read;
// 0 without a message (buffer untouched) when the file does not open.
int ReadRecords(OpenWell& well, std::span<RECORD> buffer, const QString& path, int index, int count,
                bool offsetRange = false);

// The first record of a file; null when the file does not open or is shorter than one record.
std::unique_ptr<RECORD> ReadFirstRecord(const QString& path);
// Rewrites the first record; 1, or 0 after the message (path, "File Error In Read Records").
int WriteFirstRecord(const RECORD& record, const QString& path);

// The last whole record of a file. Null when the file does not open; null after the message "%d %3.1f"
// (depth, 2-unit rate) captioned "0 end depth" when its depth is 0 or above the open file's first depth.
std::unique_ptr<RECORD> ReadLastRecord(const OpenWell& well, const QString& path);
// Rewrites the last whole record; 1, or 0 after the message (path, "File Error In Read Records").
int WriteLastRecord(const RECORD& record, const QString& path);

// First and last depth of the open data file; sets the lag time from the last record, brings a view top
// outside the range back (DefaultViewTop) and refreshes the custom-data range when it lags. Runs the
// repair pass first when `repair`. Returns 1.
int ReadFileDepthRange(OpenWell& well, std::int32_t& first, std::int32_t& last, bool repair);
// First and last depth of any data file (".svm" added to a name without a dot); returns the last.
std::int32_t ReadDataFileDepthRange(const QString& name, std::int32_t& first, std::int32_t& last);
// First and last depth of the custom-data file; renumbers it when they are out of order. Returns 1.
int ReadCustomFileDepthRange(OpenWell& well, std::int32_t& first, std::int32_t& last);

// The view top depth that shows the last `span` units of a file: last - span, but never above the
// file's first depth (a view starting above the file shows nothing of it).
std::int32_t DefaultViewTop(std::int32_t first, std::int32_t last, std::int32_t span);
// The same for the open file: fileTopDepth, fileBottomDepth and viewDepthSpan of `well`.
std::int32_t DefaultViewTop(const OpenWell& well);

// Sets the lag depth: the deepest record from first + 25 on with total gas above 1.0, at least first + 20.
// The stored depths bound the scan, but never beyond the records the file really holds.
int ScanRecords(OpenWell& well);
// Reads the whole file (less its last record) into well.allRecords and derives the last mud weight out,
// the TVD values and the directional and deviation flags. As many records as the depths span, but no
// more than the file holds. Returns 1.
int ReadAllRecords(OpenWell& well);

// Fills well.drives with the mounted volumes (at most kMaxDrives) and returns their number.
int ListDrives(OpenWell& well);

}  // namespace wellfile
