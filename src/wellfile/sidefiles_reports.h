#pragma once
// The report side files of a well in its local (current) folder: daily reports ".rpt", show reports
// ".sho" and drill-stem tests ".dst". Records are moved whole; their fields belong to the reports.
// The files are found in any letter case, and saved over the file as it is spelt on disk.
#include "wellfile/reportrecords.h"
#include "wellfile/wellplace.h"

#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace wellfile {

// The old layouts' conversions are in wellfile/reportconversion.h: every reader that may meet an
// old file is handed the one that fits.

// Records read from a report file with the byte size their callers count by: for ".rpt" and ".sho"
// it includes one spare cleared record at the end, so a new report can be added in place.
template <class Record>
struct LoadedRecords {
    std::vector<Record> records;
    qint64 size = 0;
};

// The last record of local folder + name + extension. 1 when a whole record was read; 0 (record
// cleared) when the file does not open or holds less than one record.
int LoadReport(wellfile::REPORT& record, const WellPlace& place, const QString& name);
int LoadDst(wellfile::DSTREPORT& record, const WellPlace& place, const QString& name);
int LoadShow(wellfile::SHOWREPORT& record, const WellPlace& place, const QString& name);

using ConvertReportsFn =
    std::function<std::optional<std::vector<wellfile::REPORTEX>>(const QString&, std::span<const wellfile::REPORT>)>;
using ConvertShowsFn = std::function<bool(const QString&, const QByteArray&, int)>;
using ConvertDstsFn = std::function<bool(const QString&, const QByteArray&, int)>;

// Whether a ".dst" of `length` bytes holds old 1,446-byte tests: only a whole number of them can, and a
// length that is also a whole number of current tests is taken as current. Any other length is a
// current file, perhaps with a torn last test, which converting would scramble.
bool IsOldDstLength(qint64 length);

// Every drill-stem test of the well (local folder + well + ".dst"), followed by one zeroed record whose
// empty from-depth ends the list; a torn last record is kept, zero-padded. size = the file length.
// An old file is converted (and rewritten) by `convert` first. nullopt when the file is missing or the
// conversion fails; no records when it is empty.
std::optional<LoadedRecords<wellfile::DSTREPORT>> LoadDsts(const WellPlace& place,
                                                          const ConvertDstsFn& convert);

// Replaces the ".dst" with `records`. 1, or 0 after the message ("Can not open dst file", caption
// "ERROR") with the old file left as it was.
int SaveDsts(const WellPlace& place, std::span<const wellfile::DSTREPORT> records);

// Whether the bytes of a ".rpt" file are old 1,264-byte reports: only a whole number of 1,264-byte
// records can be; any other file is current, a torn last record included. A multiple of 1,264 is old
// unless its whole 1,600-byte records are current reports numbered 1, 2, 3... with sane depths (a torn
// current file; their texts may hold anything typed). At a length that fits both layouts the same holds,
// and otherwise it is old only when its texts make sense in the old layout (one odd record allowed) and
// not in the current one.
bool IsOldReportFile(const QByteArray& bytes);

// The last daily report of local folder + name + ".rpt", as LoadReport reads; an old file is converted
// (and rewritten) by `convert` first, and 0 when that fails.
int LoadReport1600(wellfile::REPORTEX& record, const WellPlace& place, const QString& name,
                   const ConvertReportsFn& convert);

// All reports of the well (local folder + well + ".rpt"), in the current layout; old files are
// converted (and rewritten) by `convert`. A torn last record of a current file is left out (the file
// itself is not touched). nullopt when the file does not open, the conversion fails or
// memory runs out ("REPORTEX ALLOCATION FAILED", caption "Report info"). size = records x 1,600,
// counting the spare record.
std::optional<LoadedRecords<wellfile::REPORTEX>> LoadReportsEx(const WellPlace& place,
                                                              const ConvertReportsFn& convert);

// All records of an old-layout report file: `name` + ".rpt" when given, else local folder + well +
// ".rpt". nullopt for a missing file or one shorter than one record. size = the file length.
std::optional<LoadedRecords<wellfile::REPORT>> LoadReports(const WellPlace& place, const QString& name = {});

// All show reports (local folder + well + ".sho"); an old 1,049-byte file is converted by `convert`
// first. A missing file gives one cleared record; nullopt when the conversion fails. A trailing partial
// record is kept, zero-padded. size = records x 1,320, counting the spare record.
std::optional<LoadedRecords<wellfile::SHOWREPORT>> LoadShows(const WellPlace& place,
                                                            const ConvertShowsFn& convert);

// Replaces the ".sho" with `records`. 1, or 0 after the message (path, "Save Show failed").
int SaveShows(const WellPlace& place, std::span<const wellfile::SHOWREPORT> records);

}  // namespace wellfile
