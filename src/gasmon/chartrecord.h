#pragma once
// The gas chart sample: 56 bytes, one per 2-second slot of the day. A day file holds 43,200 of them,
// record n at byte n x 56; the gas monitor fills them as it polls and the real-time chart reads them.
//
// Packed little-endian byte image; the offsets are part of the file format. Packed members: read and
// assign them by value, never bind a reference or pointer to one.
#include <QTime>

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace gasmon {

constexpr int kChartRecordSize = 56;
constexpr int kChartSlotsPerDay = 43200;
constexpr qint64 kChartDayFileSize = qint64(kChartSlotsPerDay) * kChartRecordSize;

#pragma pack(push, 1)
struct CHARTRECORD {
    // offset | meaning
    std::uint16_t depth = 0;         //  0 the well's bottom depth when sampled; 0 in a preset slot
    std::uint16_t lagDepth = 0;      //  2 the lag depth when sampled, whole units; 0 in a preset slot
    std::uint16_t month = 0;         //  4 1-12
    std::uint16_t day = 0;           //  6 1-31
    std::uint16_t hour = 0;          //  8 0-23
    std::uint16_t minute = 0;        // 10 0-59
    std::uint16_t second = 0;        // 12 0-59 (even in a preset slot)
    float hotWire = 0;               // 14 total gas (hot wire)
    float chromat = 0;               // 18 chromatograph detector signal
    std::uint16_t index = 0;         // 22 the component window in progress (1 = first after an injection)
    std::uint32_t recordNumber = 0;  // 24 the slot: hour x 1800 + minute x 30 + second / 2
    // The slot never reaches 65,536, so the upper half of the record number (the bytes 26-27 that
    // readers take as reserved) stays zero.
    char note[20] = {};              // 28 the note placed at this sample, NUL-terminated; "" none
    std::uint16_t noteLevel = 0;     // 48 where the note's label stands across the chart
    std::uint8_t cycleEnd = 0;       // 50 1 once the chromatograph cycle has ended
    std::uint16_t peakEnd = 0;       // 51 second of the cycle at which the current component's peak ended
    std::uint16_t channel4 = 0;      // 53 channel 4 with "Auto TC " on (0 stored as 1), else 0
    std::uint8_t reserved55 = 0;     // 55
};
#pragma pack(pop)

static_assert(sizeof(CHARTRECORD) == kChartRecordSize);
static_assert(std::is_trivially_copyable_v<CHARTRECORD> && std::is_standard_layout_v<CHARTRECORD>);
static_assert(offsetof(CHARTRECORD, depth) == 0);
static_assert(offsetof(CHARTRECORD, lagDepth) == 2);
static_assert(offsetof(CHARTRECORD, month) == 4);
static_assert(offsetof(CHARTRECORD, day) == 6);
static_assert(offsetof(CHARTRECORD, hour) == 8);
static_assert(offsetof(CHARTRECORD, minute) == 10);
static_assert(offsetof(CHARTRECORD, second) == 12);
static_assert(offsetof(CHARTRECORD, hotWire) == 14);
static_assert(offsetof(CHARTRECORD, chromat) == 18);
static_assert(offsetof(CHARTRECORD, index) == 22);
static_assert(offsetof(CHARTRECORD, recordNumber) == 24);
static_assert(offsetof(CHARTRECORD, note) == 28);
static_assert(offsetof(CHARTRECORD, noteLevel) == 48);
static_assert(offsetof(CHARTRECORD, cycleEnd) == 50);
static_assert(offsetof(CHARTRECORD, peakEnd) == 51);
static_assert(offsetof(CHARTRECORD, channel4) == 53);
static_assert(offsetof(CHARTRECORD, reserved55) == 55);
static_assert(kChartSlotsPerDay < 65536);

// The slot of a time of day: hour x 1800 + minute x 30 + second / 2.
inline int ChartSlot(const QTime& t) { return t.hour() * 1800 + t.minute() * 30 + t.second() / 2; }

}  // namespace gasmon
