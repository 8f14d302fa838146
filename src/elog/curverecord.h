#pragma once
// CurveRecord: one row of a well's e-log curve file (".svc"), 96 bytes, one row per whole depth unit.
// Slot 0 is the depth, slots 1-21 are curve values and Archie parameters (floats), slots 22 and 23 hold
// the porosity and resistivity slot numbers of the water-saturation calculation as 32-bit integers.
// Packed little-endian byte image, read and written whole.
#include <bit>
#include <cstdint>
#include <span>
#include <type_traits>

namespace elog {

// Slots read by the text view of the curves.
enum CurveSlot : int {
    SLOT_DEPTH = 0, SLOT_GAMMA = 1, SLOT_DENSITY_POR = 2, SLOT_NEUTRON_POR = 3, SLOT_CROSSPLOT_POR = 4,
    SLOT_RES10 = 8, SLOT_RES120 = 13, SLOT_SW = 14, SLOT_BVW = 15, SLOT_RW = 18, SLOT_SWA = 19, SLOT_SWM = 20,
    SLOT_RES_CHOICE = 23,
};

struct CurveRecord {
    float values[24] = {};

    // Slots 22 and 23 are integers stored in the same four bytes.
    std::int32_t IntAt(int slot) const { return std::bit_cast<std::int32_t>(values[slot]); }
};
static_assert(sizeof(CurveRecord) == 96);
static_assert(std::is_trivially_copyable_v<CurveRecord> && std::is_standard_layout_v<CurveRecord>);

// The curve set's rows as the window's commands read them: row i holds depth firstDepth + i; the data
// ends at lastDepth. Empty while no curve set is loaded.
struct CurveRows {
    std::span<const CurveRecord> rows;
    std::int32_t firstDepth = 0;
    std::int32_t lastDepth = 0;
};

}  // namespace elog
