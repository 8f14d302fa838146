#include "app/dragshift.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace app {

namespace {

// Total gas, C1, C2, C3, iC4 and nC4: the values the drag moves (bytes 28-51).
constexpr int kMovedGases = 6;

struct Run {
    int start = 0;  // record index of the interval's first record
    int lo = 0;
    int hi = -1;
};

Run RunOf(const DragShift& d)
{
    Run r;
    const int step = std::max(d.depthStep, 1);
    const int off = std::abs(std::clamp(d.offset, -100, 100));
    if (d.startDepth < d.fileTopDepth || d.startDepth > d.fileBottomDepth - 10)
        return r;
    // Records, not depth units: one row of the drag is one record whatever the depth step.
    r.start = (d.startDepth - d.fileTopDepth) / step;
    const int lastIndex = (d.fileBottomDepth - 2 - d.fileTopDepth) / step;
    r.lo = std::max(1, r.start - off);
    r.hi = std::min(lastIndex, r.start + std::max(d.length, 0) - 1 + off);
    return r;
}

}  // namespace

bool MoveDragOffset(std::int32_t& offset, int step)
{
    const std::int32_t next = offset + step;
    if (next < -kMaxDragOffset || next > kMaxDragOffset)
        return false;
    offset = next;
    return true;
}

DragSpan DragSpanOf(const DragShift& d)
{
    const Run r = RunOf(d);
    return r.hi >= r.lo ? DragSpan{r.lo, r.hi - r.lo + 1} : DragSpan{};
}

void ShiftDraggedGas(const DragShift& d, int firstIndex, std::span<wellfile::RECORD> records)
{
    const Run r = RunOf(d);
    const int off = std::clamp(d.offset, -100, 100);
    const int lo = std::max(r.lo, firstIndex);
    const int hi = std::min(r.hi, firstIndex + int(records.size()) - 1);
    if (hi < lo || off == 0)
        return;
    const std::vector<wellfile::RECORD> before(records.begin(), records.end());
    std::vector<bool> written(records.size(), false);
    auto at = [&](int index) { return std::size_t(index - firstIndex); };

    for (int i = 0; i < d.length; ++i) {
        const int src = r.start + i, dst = src + off;
        if (src < lo || src > hi || dst < lo || dst > hi)
            continue;
        if (before[at(src)].depth == 0 || records[at(dst)].depth == 0)
            continue;
        for (int g = 0; g < kMovedGases; ++g)
            records[at(dst)].gas[g] = before[at(src)].gas[g];
        written[at(dst)] = true;
    }
    // The records the interval left behind.
    for (int i = 0; i < d.length; ++i) {
        const int index = r.start + i;
        if (index < lo || index > hi || written[at(index)] || records[at(index)].depth == 0)
            continue;
        for (int g = 0; g < kMovedGases; ++g)
            records[at(index)].gas[g] = 0;
    }
}

}  // namespace app
