#pragma once
// One formation top: the 253-byte record of the well's ".top" and ".topx" files, which are bare arrays
// of them. Packed little-endian byte image; text fields Windows-1252, NUL-terminated within their width.
// A new top is all zeros; bytes no routine interprets are written back as they were read.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

constexpr int kTopSize = 253;

#pragma pack(push, 1)
struct TOPSEX {
    std::int32_t depth = 0;             //   0 measured depth, whole units
    std::int32_t number = 0;            //   4 1-based position in depth order
    std::int32_t location = 0;          //   8
    std::uint8_t appendSubsea = 0;      //  12 also the label mode of the horizontal view (0 = name only)
    char menuName[16] = {};             //  13 at most 15 characters
    std::uint8_t unused29[14] = {};     //  29
    std::uint32_t colour = 0;           //  43 a colour value of the log
    char text[30] = {};                 //  47 "<" first leaves the top out of prints
    std::uint8_t unused77[15] = {};     //  77
    std::int32_t targetZoneWidth = 0;   //  92 thickness on the horizontal view
    std::int32_t lithology = 0;         //  96 lithology number of the horizontal view
    std::uint8_t verboseText = 0;       // 100
    std::int32_t drawOnHorizontal = 0;  // 101
    float tvd = 0;                      // 105 true vertical depth
    std::uint8_t unused109[8] = {};     // 109
    std::uint8_t drawRectangle = 0;     // 117
    std::uint8_t horizontal118[135] = {};  // 118 partly used by the horizontal view
};
#pragma pack(pop)

static_assert(sizeof(TOPSEX) == kTopSize);
static_assert(std::is_trivially_copyable_v<TOPSEX> && std::is_standard_layout_v<TOPSEX>);
static_assert(offsetof(TOPSEX, number) == 4);
static_assert(offsetof(TOPSEX, location) == 8);
static_assert(offsetof(TOPSEX, appendSubsea) == 12);
static_assert(offsetof(TOPSEX, menuName) == 13);
static_assert(offsetof(TOPSEX, colour) == 43);
static_assert(offsetof(TOPSEX, text) == 47);
static_assert(offsetof(TOPSEX, targetZoneWidth) == 92);
static_assert(offsetof(TOPSEX, lithology) == 96);
static_assert(offsetof(TOPSEX, verboseText) == 100);
static_assert(offsetof(TOPSEX, drawOnHorizontal) == 101);
static_assert(offsetof(TOPSEX, tvd) == 105);
static_assert(offsetof(TOPSEX, drawRectangle) == 117);
static_assert(offsetof(TOPSEX, horizontal118) == 118);

}  // namespace wellfile
