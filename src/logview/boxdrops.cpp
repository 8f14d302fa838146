#include "logview/boxdrops.h"

namespace logview {

bool MemoDropAllowed(std::int32_t d, const DropRange& r)
{
    return r.viewTop + 2 < d && d < r.last - 2 && d > r.first + 10;
}

bool MechanicalDropAllowed(std::int32_t d, const DropRange& r)
{
    return d >= r.viewTop + 2 && d < r.last - 2 && d > r.first + 20;
}

bool MudDropAllowed(std::int32_t d, const DropRange& r)
{
    return r.viewTop + 2 < d && d < r.last - 2 && d > r.first + 20;
}

std::optional<int> ReportOfBox(std::span<const wellfile::QREPORT> reports, std::int32_t boxTop)
{
    const std::int32_t even = boxTop % 2 != 0 ? boxTop + 1 : boxTop;
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const std::int32_t depth = reports[i].depth;  // packed: read by value
        if (depth >= even)
            return int(i);
    }
    return std::nullopt;
}

}  // namespace logview
