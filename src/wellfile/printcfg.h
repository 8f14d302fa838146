#pragma once
// The print settings of one print run (250 bytes), written whole to "strativ.pfg" after a log print.
// Packed little-endian byte image; bytes not named are zero.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

constexpr int kPrintConfigSize = 250;

#pragma pack(push, 1)
struct PRINTCFG {
    std::uint8_t zero0[80] = {};          //   0
    std::int32_t startDepth = 0;          //  80
    std::int32_t endDepth = 0;            //  84
    std::int32_t scaleKind = 0;           //  88 1 "1 to 500", 2 two-foot, 3 ten-foot, 0 other
    std::int32_t ratePointToPoint = 0;    //  92
    std::int32_t gasPointToPoint = 0;     //  96
    std::int32_t fullHeader = 0;          // 100
    std::int32_t shortHeader = 0;         // 104
    std::uint8_t zero108[12] = {};        // 108
    std::int32_t colour = 0;              // 120
    std::int32_t profile = 0;             // 124
    std::int32_t narrowFormat = 0;        // 128
    std::int32_t continuousPaper = 0;     // 132
    std::int32_t lastDescribedDepth = 0;  // 136
    std::uint8_t zero140[80] = {};        // 140
    std::int32_t rateInMetresPerHour = 0; // 220
    std::int32_t twoAndHalfInch = 0;      // 224
    float pageLength = 0;                 // 228
    float pageWidth = 0;                  // 232
    std::int32_t rowHeight = 0;           // 236
    std::int32_t columnUnit = 0;          // 240
    std::uint8_t zero244[4] = {};         // 244
    std::uint8_t pictures = 0;            // 248
    std::uint8_t zero249 = 0;             // 249
};
#pragma pack(pop)

static_assert(sizeof(PRINTCFG) == kPrintConfigSize);
static_assert(std::is_trivially_copyable_v<PRINTCFG> && std::is_standard_layout_v<PRINTCFG>);
static_assert(offsetof(PRINTCFG, startDepth) == 80);
static_assert(offsetof(PRINTCFG, endDepth) == 84);
static_assert(offsetof(PRINTCFG, scaleKind) == 88);
static_assert(offsetof(PRINTCFG, fullHeader) == 100);
static_assert(offsetof(PRINTCFG, shortHeader) == 104);
static_assert(offsetof(PRINTCFG, colour) == 120);
static_assert(offsetof(PRINTCFG, profile) == 124);
static_assert(offsetof(PRINTCFG, continuousPaper) == 132);
static_assert(offsetof(PRINTCFG, lastDescribedDepth) == 136);
static_assert(offsetof(PRINTCFG, rateInMetresPerHour) == 220);
static_assert(offsetof(PRINTCFG, pageLength) == 228);
static_assert(offsetof(PRINTCFG, pageWidth) == 232);
static_assert(offsetof(PRINTCFG, rowHeight) == 236);
static_assert(offsetof(PRINTCFG, columnUnit) == 240);
static_assert(offsetof(PRINTCFG, pictures) == 248);

}  // namespace wellfile
