#pragma once
// CurveRecord: one row of a well's e-log curve file (".svc"), 96 bytes, one row per whole depth unit.
// Slot 0 is the depth, slots 1-21 are curve values and Archie parameters (floats), slots 22 and 23 hold
// the porosity and resistivity slot numbers of the water-saturation calculation as 32-bit integers.
// Packed little-endian byte image, read and written whole.
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <type_traits>

namespace elog {

static_assert(std::endian::native == std::endian::little, "curve files are little-endian byte images");

enum CurveSlot : int {
    SLOT_DEPTH = 0, SLOT_GAMMA = 1, SLOT_DENSITY_POR = 2, SLOT_NEUTRON_POR = 3, SLOT_CROSSPLOT_POR = 4,
    SLOT_SONIC = 5, SLOT_SP = 6,
    SLOT_PE = 7,  // in row 0: the KB elevation when at least 1.0
    SLOT_RES10 = 8, SLOT_RES120 = 13, SLOT_SW = 14, SLOT_BVW = 15, SLOT_CALIPER = 16, SLOT_BIT_SIZE = 17,
    SLOT_RW = 18, SLOT_SWA = 19, SLOT_SWM = 20, SLOT_SWN = 21,
    SLOT_POR_CHOICE = 22, SLOT_RES_CHOICE = 23,
};

// The curve names of slots 1 to 16, in slot order.
inline constexpr std::array<const char*, 16> kCurveNames = {
    "GAMMA", "DENSITY POR", "NEUTRON POR", "CROSSPLOT POR", "Sonic", "SP",     "PE",  "RES10",
    "RES20", "RES30",       "RES60",       "RES90",         "RES120", "SW",    "BVW", "CALIPER",
};
constexpr const char* CurveName(int slot) { return slot >= 1 && slot <= 16 ? kCurveNames[std::size_t(slot - 1)] : ""; }

struct CurveRecord {
    // The same type as the track painters' row (tracks::ElogRow), so the curve set hands its rows over
    // without a copy.
    std::array<float, 24> values{};

    // Slots 22 and 23 are integers stored in the same four bytes.
    std::int32_t IntAt(int slot) const { return std::bit_cast<std::int32_t>(values[std::size_t(slot)]); }
    // The porosity and resistivity slots the water saturation reads; 0 (none) when the stored number
    // names no porosity (2-5) or resistivity (8-13) slot, so a damaged row never indexes outside.
    int PorositySlot() const
    {
        const std::int32_t s = IntAt(SLOT_POR_CHOICE);
        return s >= SLOT_DENSITY_POR && s <= SLOT_SONIC ? int(s) : 0;
    }
    int ResistivitySlot() const
    {
        const std::int32_t s = IntAt(SLOT_RES_CHOICE);
        return s >= SLOT_RES10 && s <= SLOT_RES120 ? int(s) : 0;
    }
};
static_assert(sizeof(CurveRecord) == 96 && alignof(CurveRecord) == 4);
static_assert(std::is_trivially_copyable_v<CurveRecord> && std::is_standard_layout_v<CurveRecord>);

// The curve set's rows as the window's commands read them: row i holds depth firstDepth + i; the data
// ends at lastDepth. Empty while no curve set is loaded.
struct CurveRows {
    std::span<const CurveRecord> rows;
    std::int32_t firstDepth = 0;
    std::int32_t lastDepth = 0;
};

}  // namespace elog
