#pragma once
// The gas record of a booked depth step: 512 bytes, one appended to the well's gas file
// ("gas/" + well name + ".gas") per booking, in the order booked, no header. The gas monitor and both
// WITS links append records of this layout.
//
// Packed little-endian byte image; the fields named here are those the WITS links write, the others
// are kept as bytes. Packed members: read and assign them by value, never bind a reference or pointer
// to one.
#include "platform/winapi.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace gasmon {

constexpr int kGasRecordSize = 512;

#pragma pack(push, 1)
struct GASRECORD {
    // offset | meaning
    std::int32_t lagDepth = 0;           //   0 lag depth of the booking, whole units (truncated)
    std::int32_t bottomDepth = 0;        //   4 the well's bottom depth when written
    std::uint8_t bytes8[40] = {};        //   8 gas monitor fields
    float totalGas = 0;                  //  48 the step's largest total gas
    float components[6] = {};            //  52 C1, C2, C3, iC4, nC4, iC5
    float sampleTotalGas = 0;            //  76 total gas at the sample time (the standard WITS link: 1.0)
    float co2 = 0;                       //  80 CO2 percent written by the WITS dispatcher
    std::uint8_t bytes84[32] = {};       //  84
    float fractions[7] = {};             // 116 component / total gas, components 1 to 7
    std::uint8_t bytes144[152] = {};     // 144 gas monitor fields
    std::int32_t errorCount = 0;         // 296 MODBUS errors since the last booking
    std::uint8_t bytes300[40] = {};      // 300 gas monitor fields
    float nc5 = 0;                       // 340 nC5 written by the WITS dispatcher
    std::uint8_t bytes344[168] = {};     // 344 gas monitor fields
};
#pragma pack(pop)

static_assert(sizeof(GASRECORD) == kGasRecordSize);
static_assert(std::is_trivially_copyable_v<GASRECORD> && std::is_standard_layout_v<GASRECORD>);
static_assert(offsetof(GASRECORD, lagDepth) == 0);
static_assert(offsetof(GASRECORD, bottomDepth) == 4);
static_assert(offsetof(GASRECORD, totalGas) == 48);
static_assert(offsetof(GASRECORD, components) == 52);
static_assert(offsetof(GASRECORD, sampleTotalGas) == 76);
static_assert(offsetof(GASRECORD, co2) == 80);
static_assert(offsetof(GASRECORD, fractions) == 116);
static_assert(offsetof(GASRECORD, errorCount) == 296);
static_assert(offsetof(GASRECORD, nc5) == 340);

}  // namespace gasmon
