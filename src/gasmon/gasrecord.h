#pragma once
// The gas record of a booked depth step: 512 bytes, one appended to the well's gas file
// ("gas/" + well name + ".gas") per booking, in the order booked, no header. The gas monitor and both
// WITS links append records of this layout.
//
// Packed little-endian byte image; fields the gas monitor does not write are kept as bytes. Packed
// members: read and assign them by value, never bind a reference or pointer to one.
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
    std::int32_t modbusResult = 0;       //   8 the last MODBUS answer: 0 good, else its error number
    std::int32_t ratioMode = 0;          //  12 1: depth records get total gas x fraction
    std::uint8_t bytes16[32] = {};       //  16 not written by the gas monitor
    float totalGas = 0;                  //  48 the step's largest total gas
    float components[6] = {};            //  52 C1, C2, C3, iC4, nC4, iC5
    float sampleTotalGas = 0;            //  76 total gas at the sample time (the standard WITS link: 1.0)
    float co2 = 0;                       //  80 CO2 percent written by the WITS dispatcher
    std::uint8_t bytes84[32] = {};       //  84 not written by the gas monitor
    float fractions[7] = {};             // 116 component / total gas, components 1 to 7
    float hotWireAttenuator = 0;         // 144
    float chromatAttenuator = 0;         // 148
    float hotWireSpan = 0;               // 152 (type 7: kept in (0, 1])
    float chromatSpan = 0;               // 156 (type 7: kept in (0, 1])
    float lastRawTotalGas = 0;           // 160 the last raw total-gas count
    std::uint8_t bytes164[132] = {};     // 164 not written by the gas monitor
    std::int32_t errorCount = 0;         // 296 MODBUS errors since the last booking
    std::uint8_t bytes300[4] = {};       // 300
    float cleared304 = 0;                // 304 cleared at booking
    std::uint8_t bytes308[4] = {};       // 308
    float maxTemperature = 0;            // 312 the step's largest temperature
    float channel3Attenuator = 0;        // 316
    float channel4Attenuator = 0;        // 320
    float channel3Span = 0;              // 324 also correction factor A of the total gas
    float channel4Span = 0;              // 328 also correction factor B
    std::uint8_t bytes332[4] = {};       // 332
    float cleared336 = 0;                // 336 cleared at booking
    float nc5 = 0;                       // 340 nC5 written by the WITS dispatcher
    float maxChannel4 = 0;               // 344 the step's largest channel 4
    std::uint8_t bytes348[164] = {};     // 348 not written by the gas monitor
};
#pragma pack(pop)

static_assert(sizeof(GASRECORD) == kGasRecordSize);
static_assert(std::is_trivially_copyable_v<GASRECORD> && std::is_standard_layout_v<GASRECORD>);
static_assert(offsetof(GASRECORD, lagDepth) == 0);
static_assert(offsetof(GASRECORD, bottomDepth) == 4);
static_assert(offsetof(GASRECORD, modbusResult) == 8);
static_assert(offsetof(GASRECORD, ratioMode) == 12);
static_assert(offsetof(GASRECORD, bytes16) == 16);
static_assert(offsetof(GASRECORD, totalGas) == 48);
static_assert(offsetof(GASRECORD, components) == 52);
static_assert(offsetof(GASRECORD, sampleTotalGas) == 76);
static_assert(offsetof(GASRECORD, co2) == 80);
static_assert(offsetof(GASRECORD, bytes84) == 84);
static_assert(offsetof(GASRECORD, fractions) == 116);
static_assert(offsetof(GASRECORD, hotWireAttenuator) == 144);
static_assert(offsetof(GASRECORD, chromatAttenuator) == 148);
static_assert(offsetof(GASRECORD, hotWireSpan) == 152);
static_assert(offsetof(GASRECORD, chromatSpan) == 156);
static_assert(offsetof(GASRECORD, lastRawTotalGas) == 160);
static_assert(offsetof(GASRECORD, bytes164) == 164);
static_assert(offsetof(GASRECORD, errorCount) == 296);
static_assert(offsetof(GASRECORD, cleared304) == 304);
static_assert(offsetof(GASRECORD, maxTemperature) == 312);
static_assert(offsetof(GASRECORD, channel3Attenuator) == 316);
static_assert(offsetof(GASRECORD, channel4Attenuator) == 320);
static_assert(offsetof(GASRECORD, channel3Span) == 324);
static_assert(offsetof(GASRECORD, channel4Span) == 328);
static_assert(offsetof(GASRECORD, cleared336) == 336);
static_assert(offsetof(GASRECORD, nc5) == 340);
static_assert(offsetof(GASRECORD, maxChannel4) == 344);
static_assert(offsetof(GASRECORD, bytes348) == 348);

}  // namespace gasmon
