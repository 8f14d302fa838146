#pragma once
// The WITS sample: 128 bytes of drilling values taken over one 6-second slot of the day. The WITS link
// fills one per received frame, the drilling object keeps a live one of the same layout, and the daily
// WITS file is a bare array of 14,400 of them, record r standing for slot r of the day.
//
// Packed little-endian byte image shared with every station that ever wrote a daily file; every offset
// is asserted below. Packed members: read and assign them by value, never bind a reference or pointer
// to one.
#include "platform/winapi.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

constexpr int kWitsRecordSize = 128;
constexpr int kSlotsPerDay = 14400;  // one per 6 seconds
constexpr long long kDailyFileSize = static_cast<long long>(kWitsRecordSize) * kSlotsPerDay;

#pragma pack(push, 1)
struct WITSRECORD {
    // offset | meaning (item codes are the WITS items that feed a field)
    std::uint16_t day = 0;                  //   0 day of the month
    std::uint16_t month = 0;                //   2 1..12
    std::uint16_t year = 0;                 //   4 year - 2000
    std::uint16_t hour = 0;                 //   6
    std::uint16_t minute = 0;               //   8
    std::uint16_t second = 0;               //  10 preset record: 6..60, the end of its slot; sample: 0..54
    float totalGas = 0;                     //  12 the gas monitor's at frame end, else items 0140/0170
    float holeDepth = 0;                    //  16 item 0110
    float bitDepth = 0;                     //  20 item 0108
    std::uint8_t reserved24[4] = {};        //  24
    float rop = 0;                          //  28 item 0113; the driller's rate at frame end
    std::uint16_t wob = 0;                  //  32 items 0116/0117
    std::uint16_t rpm = 0;                  //  34 item 0120
    std::uint16_t pumpPressure = 0;         //  36 item 0121
    std::uint16_t spm1 = 0;                 //  38 item 0123
    std::uint16_t spm2 = 0;                 //  40 item 0124
    std::uint16_t spm3 = 0;                 //  42 item 0125
    std::uint16_t slot = 0;                 //  44 hour x 600 + minute x 10 + second / 6; 0 in preset records
    std::uint16_t torque = 0;               //  46 item 0118
    std::uint16_t flow = 0;                 //  48 item 0128
    float item0115 = 0;                     //  50 unaligned
    std::uint16_t blockHeight = 0;          //  54 item 0112
    std::uint8_t reserved56[16] = {};       //  56
    float pitVolume = 0;                    //  72 item 0126
    float casingPressure = 0;               //  76 item 0122 (the live record keeps the largest)
    std::uint8_t reserved80[4] = {};        //  80
    float co2 = 0;                          //  84 item 1222, a whole number
    float item0130 = 0;                     //  88
    std::uint8_t reserved92[8] = {};        //  92
    std::uint16_t gamma = 0;                // 100 item 0824
    std::uint16_t downholePressure = 0;     // 102 items 0835, 0913, 0936, 1818
    std::uint16_t downholeTemperature = 0;  // 104 item 1819
    std::uint16_t item0119 = 0;             // 106
    float witsPercent = 0;                  // 108 good frames / frames x 100 at frame end
    float item0137 = 0;                     // 112
    std::uint16_t gasMonitorValue = 0;      // 116 the gas monitor's second reading, truncated
    std::uint8_t reserved118[2] = {};       // 118
    float gainLoss = 0;                     // 120 item 0127
    std::int32_t lagDepth = 0;              // 124 item 0139; the driller's lag depth (low 16 bits) at frame end
};
#pragma pack(pop)

static_assert(sizeof(WITSRECORD) == kWitsRecordSize);
static_assert(std::is_trivially_copyable_v<WITSRECORD> && std::is_standard_layout_v<WITSRECORD>);
static_assert(offsetof(WITSRECORD, day) == 0);
static_assert(offsetof(WITSRECORD, month) == 2);
static_assert(offsetof(WITSRECORD, year) == 4);
static_assert(offsetof(WITSRECORD, hour) == 6);
static_assert(offsetof(WITSRECORD, minute) == 8);
static_assert(offsetof(WITSRECORD, second) == 10);
static_assert(offsetof(WITSRECORD, totalGas) == 12);
static_assert(offsetof(WITSRECORD, holeDepth) == 16);
static_assert(offsetof(WITSRECORD, bitDepth) == 20);
static_assert(offsetof(WITSRECORD, reserved24) == 24);
static_assert(offsetof(WITSRECORD, rop) == 28);
static_assert(offsetof(WITSRECORD, wob) == 32);
static_assert(offsetof(WITSRECORD, rpm) == 34);
static_assert(offsetof(WITSRECORD, pumpPressure) == 36);
static_assert(offsetof(WITSRECORD, spm1) == 38);
static_assert(offsetof(WITSRECORD, spm2) == 40);
static_assert(offsetof(WITSRECORD, spm3) == 42);
static_assert(offsetof(WITSRECORD, slot) == 44);
static_assert(offsetof(WITSRECORD, torque) == 46);
static_assert(offsetof(WITSRECORD, flow) == 48);
static_assert(offsetof(WITSRECORD, item0115) == 50);
static_assert(offsetof(WITSRECORD, blockHeight) == 54);
static_assert(offsetof(WITSRECORD, reserved56) == 56);
static_assert(offsetof(WITSRECORD, pitVolume) == 72);
static_assert(offsetof(WITSRECORD, casingPressure) == 76);
static_assert(offsetof(WITSRECORD, reserved80) == 80);
static_assert(offsetof(WITSRECORD, co2) == 84);
static_assert(offsetof(WITSRECORD, item0130) == 88);
static_assert(offsetof(WITSRECORD, reserved92) == 92);
static_assert(offsetof(WITSRECORD, gamma) == 100);
static_assert(offsetof(WITSRECORD, downholePressure) == 102);
static_assert(offsetof(WITSRECORD, downholeTemperature) == 104);
static_assert(offsetof(WITSRECORD, item0119) == 106);
static_assert(offsetof(WITSRECORD, witsPercent) == 108);
static_assert(offsetof(WITSRECORD, item0137) == 112);
static_assert(offsetof(WITSRECORD, gasMonitorValue) == 116);
static_assert(offsetof(WITSRECORD, reserved118) == 118);
static_assert(offsetof(WITSRECORD, gainLoss) == 120);
static_assert(offsetof(WITSRECORD, lagDepth) == 124);

// The 6-second slot of the day a time of day falls in (0..14,399).
constexpr int SlotOfDay(int hour, int minute, int second)
{
    return hour * 600 + minute * 10 + second / 6;
}

}  // namespace wellfile
