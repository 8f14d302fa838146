#include "logview/depthdrags.h"

#include "wellfile/datafile.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace logview {

std::int32_t SlideDepthOf(std::int32_t d)
{
    const std::int32_t depth = d + 2;
    return (depth & 1) != 0 ? depth + 1 : depth;
}

SlideInterval SlideDropInterval(std::int32_t start, std::int32_t d, std::int32_t lastDepth)
{
    SlideInterval i{start, std::min({SlideDepthOf(d), lastDepth, start + kMaxSlideInterval})};
    if (i.end < i.start)
        std::swap(i.start, i.end);
    return i;
}

std::optional<SlideToggle> ToggleSlideInterval(wellfile::OpenWell& well, std::int32_t start, std::int32_t end)
{
    const std::int32_t step = well.depthStep > 0 ? well.depthStep : 1;
    const std::int32_t last = well.fileBottomDepth;
    end = std::min(end, last - last % step);
    const long long first = ((long long)start - well.fileTopDepth) / step;
    long long count = ((long long)end - start) / step;
    const long long viewTopIndex = ((long long)well.viewTopDepth - well.fileTopDepth) / step;
    if (count < 1 || first < viewTopIndex || first < 0 || first > 0x7FFFFFFF || well.dataFileName.isEmpty())
        return std::nullopt;
    count = std::min<long long>(count, kMaxSlideInterval);
    // One record more for the end mark the read writes after the last one read.
    std::vector<wellfile::RECORD> records(std::size_t(count) + 1);
    const int read = wellfile::ReadRecords(well, records, well.dataFileName, int(first), int(count));
    if (read <= 0)
        return std::nullopt;
    SlideToggle t;
    t.first = int(first);
    t.value = records[0].slide != 1 ? 1 : 0;
    for (int i = 0; i < read; ++i)
        records[std::size_t(i)].slide = t.value;
    t.count = wellfile::SaveRecords(well, std::span<const wellfile::RECORD>(records.data(), std::size_t(read)),
                                    well.dataFileName, t.first, read);
    if (t.count <= 0)
        return std::nullopt;
    return t;
}

std::optional<int> TopAtRow(std::span<const wellfile::TOPSEX> tops, std::int32_t d)
{
    for (std::size_t i = 0; i < tops.size(); ++i) {
        const std::int32_t depth = tops[i].depth;
        if ((long long)depth >= (long long)d - 2 && (long long)depth <= (long long)d + 1)
            return int(i);
    }
    return std::nullopt;
}

MovedTop MoveTop(std::int32_t depth, int startY, int y, int rowHeight, std::int32_t depthStep, std::int32_t firstDepth,
                 std::int32_t lastDepth)
{
    MovedTop m{depth, 0};
    if (rowHeight <= 0)
        return m;
    const long long up = (long long)startY - y;  // pixels moved up
    m.rows = std::int32_t(up / rowHeight);
    long long moved = (long long)depth - (long long)m.rows * std::max(depthStep, 1);
    if (std::llabs(up) % rowHeight > rowHeight / 3)
        moved += up > 0 ? -1 : 1;
    m.depth = std::int32_t(std::clamp<long long>(moved, firstDepth, std::max(firstDepth, lastDepth)));
    return m;
}

int RowBoundary(int y, int topMargin, int rowHeight)
{
    if (rowHeight <= 0)
        return y;
    const long long from = (long long)y - topMargin;
    long long rest = from % rowHeight;
    if (rest < 0)
        rest += rowHeight;
    long long boundary = from - rest;
    if (2 * rest > rowHeight)
        boundary += rowHeight;
    return int(topMargin + boundary);
}

}  // namespace logview
