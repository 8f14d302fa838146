#include "logview/memoslot.h"

#include <algorithm>

namespace logview {

std::int32_t MemoSlotLayout::GasCell() const { return gasCells > 0 ? (gasRight - gasLeft) / gasCells : 0; }

MemoSlotLayout ScreenMemoSlots(const ViewGeometry& g)
{
    MemoSlotLayout l;
    l.slot0 = g.rate.left + 2;
    l.rateLeft = g.rate.left;
    l.rateCell = g.rate.cell;
    l.gasLeft = g.gas.left;
    l.gasRight = g.gasRight;
    l.gasCells = g.gas.count + g.gas2.count;
    l.rightLeft = g.description.left;
    l.unitCell = g.unitWidth;
    return l;
}

MemoSlotLayout PaperMemoSlots(const PrinterGeometry& p)
{
    MemoSlotLayout l;
    l.slot0 = p.rateLeft;
    l.rateLeft = p.rateLeft;
    l.rateCell = p.rateCellWidth;
    l.gasLeft = p.gasLeft;
    l.gasRight = p.gasRight;
    l.gasCells = p.gasUnits + p.gas2Units;
    l.rightLeft = p.descriptionLeft;
    l.unitCell = p.unitWidth;
    return l;
}

MemoSlotLayout MemoSlotsOf(const ViewGeometry& g, const Device& device)
{
    return device.printing ? PaperMemoSlots(device.printer) : ScreenMemoSlots(g);
}

int NormalMemoSlot(std::int32_t slot) { return slot < 0 || slot > 30 ? 1 : int(slot); }

std::int32_t MemoSlotToX(const MemoSlotLayout& l, std::int32_t slot)
{
    const int k = std::min(NormalMemoSlot(slot), 24);
    if (k == 0)
        return l.slot0;
    if (k <= 10)
        return l.rateLeft + k * 5 * l.rateCell;
    if (k == 11)
        return l.gasLeft;
    if (k <= 18) {
        const std::int32_t cell = l.GasCell();
        const std::int32_t adjust = l.noGasAdjust ? 0 : cell - 2;
        return l.gasLeft + (k - 11) * 5 * cell - adjust;
    }
    return l.rightLeft + (k - 19) * 4 * l.unitCell;
}

SlotPlace XToMemoSlot(const MemoSlotLayout& l, std::int32_t x)
{
    if (x <= l.rateLeft)
        return {0, 10};
    // The regions in the order the layout puts them: x belongs to the one whose left edge it is beyond
    // last (the gas track stands right of the description column in some layouts).
    struct Region {
        std::int32_t left, width, perSlot, first, last;
    };
    const Region regions[3] = {{l.rateLeft, l.rateCell, 5, 0, 10},
                               {l.gasLeft, l.GasCell(), 5, 11, 18},
                               {l.rightLeft, l.unitCell, 4, 19, 24}};
    const Region* r = &regions[0];
    for (const Region& candidate : regions)
        if (x > candidate.left && candidate.left >= r->left)
            r = &candidate;
    if (r->width <= 0)
        return {r->first, 0};
    const std::int32_t cell = std::max((x - r->left) / r->width, 0);
    // Past the region's last slot the offset keeps growing, so the place stays on the cell under x.
    const std::int32_t k = std::min(cell / r->perSlot, r->last - r->first);
    return {r->first + k, (cell - k * r->perSlot) * r->width};
}

}  // namespace logview
