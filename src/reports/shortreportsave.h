#pragma once
// What saving the short reports does beside writing the ".qpt": the mud weights written into the depth
// record at the report's depth, the backup copy of a well's short reports, and the cut of the file at
// the data file's last depth when a well's files are opened.
#include "wellfile/reportrecords.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace wellfile {
struct OpenWell;
}

namespace reports {

// A typed mud weight as the depth record takes it: the number of the leading run of digits and points
// ("12.5ppg" 12.5); nullopt when the text does not start with one ("<10", "") or the number lies
// outside 0..20.
std::optional<float> TypedMudWeight(const char* text, std::size_t width);

enum class MudWeightWrite {
    NotAsked,  // no weight typed, or the report lies within the first 26 records
    Unchanged, // nothing typed could be taken: the record was not written
    Written,
    Failed,    // the record could not be read or written
};
// Writes the report's WT OUT and WT IN into mud weight out and in of the depth record at the report's
// depth, record (depth - first depth) / step, when that index is above 25. A weight that cannot be
// taken leaves the record's value as it is.
MudWeightWrite WriteReportMudWeights(wellfile::OpenWell& well, const wellfile::QREPORT& report);

// Copies the well's ".qpt" in `folder` to `folder` + "backup/" + `wellName` + ".qpt" (the folder made
// when missing); false when it could not.
bool BackupShortReportFile(const QString& folder, const QString& wellName);

// Cuts the ".qpt" at `path` to its reports down to `lastDepth`, in depth order. The reports kept (all of
// them, in depth order, when the file could not be rewritten); nullopt when the file does not open.
std::optional<std::vector<wellfile::QREPORT>> TruncateShortReportFile(const QString& path, std::int32_t lastDepth);

}  // namespace reports
