#pragma once
// Where the memo and short-report boxes dragged over the log may be let go, and which short report a
// box on the log stands for. Depths are those of the rows under the box (DepthAtRow).
#include "wellfile/reportrecords.h"

#include <cstdint>
#include <optional>
#include <span>

namespace logview {

// The depths a drop is checked against: the view's top row and the open file's range.
struct DropRange {
    std::int32_t viewTop = 0;
    std::int32_t first = 0;
    std::int32_t last = 0;
};

// A memo lands deeper than the view top + 2 and the first depth + 10, shallower than the last depth - 2.
bool MemoDropAllowed(std::int32_t depth, const DropRange& r);
// A drilling-parameter box lands not above the view top + 2, deeper than the first depth + 20 and
// shallower than the last depth - 2.
bool MechanicalDropAllowed(std::int32_t depth, const DropRange& r);
// A mud box lands deeper than the view top + 2 and the first depth + 20, shallower than the last depth - 2.
bool MudDropAllowed(std::int32_t depth, const DropRange& r);

// The report a box whose top row has depth `boxTop` stands for: the first (in array order) whose depth
// is not less than `boxTop` made even; none when no report lies there.
std::optional<int> ReportOfBox(std::span<const wellfile::QREPORT> reports, std::int32_t boxTop);

}  // namespace logview
