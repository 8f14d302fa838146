#pragma once
// The text-position slots of the notes: places across the log where memos, notes and the labels of
// formation tops stand. Slots 0 to 10 step through the rate-column region, 11 to 18 through the gas
// track, 19 to 24 through the right-hand region; 25 to 30 repeat slot 24 and any other slot counts as
// slot 1. The same slot gives the screen x or the paper x, from that output's layout.
#include "logview/device.h"
#include "logview/viewgeometry.h"

#include <cstdint>

namespace logview {

// What the slots are placed by, in the units of one output (screen pixels or printer units).
struct MemoSlotLayout {
    std::int32_t slot0 = 0;       // x of slot 0
    std::int32_t rateLeft = 0;    // the rate-column region: slots 1-10 step five rate cells
    std::int32_t rateCell = 0;
    std::int32_t gasLeft = 0;     // the gas-track region: slots 12-18 step five gas cells
    std::int32_t gasRight = 0;
    std::int32_t gasCells = 0;    // the cells of both gas tracks
    bool noGasAdjust = false;     // set: the gas slots are not moved left by the adjustment
    std::int32_t rightLeft = 0;   // the right-hand region: slots 20-24 step four unit cells
    std::int32_t unitCell = 0;

    // The gas cell: the gas track's width shared among its cells (0 without cells).
    std::int32_t GasCell() const;
};

// The screen's slots: the rate track, the gas track, the description column and the unit width.
MemoSlotLayout ScreenMemoSlots(const ViewGeometry& g);
// The paper's: the printed rate track (slot 0 at its left edge), gas tracks and description column.
MemoSlotLayout PaperMemoSlots(const PrinterGeometry& p);
// The layout of the output `device` draws on.
MemoSlotLayout MemoSlotsOf(const ViewGeometry& g, const Device& device);

// The slot a stored slot number stands for: 0 to 30 as they are, anything else 1.
int NormalMemoSlot(std::int32_t slot);
// The x of `slot` (any number; see NormalMemoSlot).
std::int32_t MemoSlotToX(const MemoSlotLayout& layout, std::int32_t slot);

// The slot under `x` (0-24) and the x offset of its cell within the slot: slot 0 with offset 10 at or
// left of the rate column; else five rate cells (slots 0-10), five gas cells (11-18) or four unit cells
// (19-24) a slot, in the region whose left edge x lies beyond last. Past a region's last slot the
// offset grows, so that the slot's x plus the offset is always the left edge of the cell under x.
struct SlotPlace {
    std::int32_t slot = 0;
    std::int32_t offset = 0;
};
SlotPlace XToMemoSlot(const MemoSlotLayout& layout, std::int32_t x);

}  // namespace logview
