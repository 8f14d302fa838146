#pragma once
// The depth indexes of a well's reports: one whole depth per show report (".sho"), drill-stem test
// (".dst") and daily report (".rpt"), in file order, 0 for entries without a record. The log view and
// the report commands find a report by depth through them.
#include "wellfile/reportrecords.h"
#include "wellfile/sidefiles_reports.h"
#include "wellfile/wellplace.h"

#include <array>
#include <cstdint>

namespace wellfile {

constexpr int kShowIndexSize = 100;
constexpr int kDstIndexSize = 50;
constexpr int kReportIndexSize = 300;

using ShowDepthIndex = std::array<std::int32_t, kShowIndexSize>;
using DstDepthIndex = std::array<std::int32_t, kDstIndexSize>;
using ReportDepthIndex = std::array<std::int32_t, kReportIndexSize>;

// The interval of a show record (" 1200 to 1212"): the first depth, the second into `second`. Two
// depths separated by a word between blanks or by " - " give both; a text of fewer than three parts
// ("1200-1212") gives 0.
std::int32_t ShowRecordDepth(const wellfile::SHOWREPORT& record, std::int32_t& second);

// Each fills its index from the well's side file in the local folder; records beyond the index size
// are ignored and a missing file leaves the index at zero. The ".rpt" and ".dst" are read in the
// layout they are in and never rewritten here; an old ".sho" is brought to today's by `convert` first.
void LoadShowDepthIndex(const WellPlace& place, ShowDepthIndex& index, const ConvertShowsFn& convert);
void LoadDstDepthIndex(const WellPlace& place, DstDepthIndex& index);
void LoadReportDepthIndex(const WellPlace& place, ReportDepthIndex& index);

}  // namespace wellfile
