#pragma once
// The well's daily reports as the report dialog holds them: every report of the ".rpt" (an old file
// converted first) and one cleared record after them, into which a new report is made.
#include "wellfile/reportrecords.h"
#include "wellfile/wellplace.h"

#include <optional>
#include <span>
#include <vector>

namespace reports {

// The reports followed by the spare record; a missing file gives the spare record alone. nullopt when
// the reports cannot be had (an old file that could not be converted, no memory): handing out none
// then would let a save write over them.
std::optional<std::vector<wellfile::REPORTEX>> LoadDailyReports(const wellfile::WellPlace& place);

// Replaces the ".rpt" with `reports` (the spare record left out by the caller). A file that cannot be
// written is said ("File Error", caption "Report") and left as it was; false then.
bool SaveDailyReports(const wellfile::WellPlace& place, std::span<const wellfile::REPORTEX> reports);

}  // namespace reports
