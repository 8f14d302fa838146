#include "entry/memoslot.h"

#include <algorithm>

namespace entry {

std::int32_t MemoSlotLayout::GasCell() const { return gasCells > 0 ? (gasRight - gasLeft) / gasCells : 0; }

MemoSlotLayout ScreenMemoSlots(const logview::ViewGeometry& g)
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

MemoSlotLayout PaperMemoSlots(const logview::PrinterGeometry& p)
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

MemoSlotLayout MemoSlotsOf(const logview::ViewGeometry& g, const logview::Device& device)
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
    std::int32_t left = l.rightLeft, width = l.unitCell, perSlot = 4, first = 19;
    if (x <= l.gasLeft) {
        left = l.rateLeft, width = l.rateCell, perSlot = 5, first = 0;
    } else if (x <= l.rightLeft) {
        left = l.gasLeft, width = l.GasCell(), perSlot = 5, first = 11;
    }
    const std::int32_t cell = width > 0 ? std::max((x - left) / width, 0) : 0;
    return {std::min(first + cell / perSlot, 24), cell % perSlot * width};
}

}  // namespace entry
