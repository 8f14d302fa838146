#include "reports/shortreportslots.h"

#include <algorithm>

namespace reports {

std::int32_t RemapReportSlot(std::int32_t slot, std::uint16_t loggerId, std::int32_t columnMultiplier)
{
    constexpr std::uint16_t kUnchangedLayouts[] = {17, 88, 4, 11, 116, 115, 20};
    if (std::find(std::begin(kUnchangedLayouts), std::end(kUnchangedLayouts), loggerId) != std::end(kUnchangedLayouts))
        return slot;
    if (slot >= 0 && slot <= 5)
        return slot;
    if (slot >= 6 && slot <= 8)
        return columnMultiplier == 1 ? slot : slot == 6 ? 5 : slot + 1;
    if (slot >= 9 && slot <= 10)
        return slot + 1;
    if (slot >= 11 && slot <= 26)
        return slot + 3;
    return 1;
}

bool ConvertShortReportSlots(std::span<wellfile::QREPORT> reports, std::uint16_t loggerId, std::int32_t columnMultiplier)
{
    if (reports.empty() || reports.front().slotsConverted != 0)
        return false;
    for (wellfile::QREPORT& r : reports) {
        if (r.slotsConverted == 0) {
            r.mechanicalSlot = RemapReportSlot(r.mechanicalSlot, loggerId, columnMultiplier);
            r.mudSlot = RemapReportSlot(r.mudSlot, loggerId, columnMultiplier);
        }
        r.slotsConverted = 1;
    }
    return true;
}

}  // namespace reports
