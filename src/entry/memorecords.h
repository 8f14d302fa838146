#pragma once
// The memo records of a well: the 812-byte SVMEMO of the ".mem" file (memo boxes beside the log) and
// the 758-byte HTEXTEX of the ".hxt" file (depth notes of the horizontal view). Both files are bare
// arrays of them. Packed little-endian byte images; bytes no routine interprets are carried unchanged.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include "platform/gdi.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace entry {

constexpr int kMemoSize = 812;
constexpr int kHorzTextSize = 758;

#pragma pack(push, 1)
struct SVMEMO {
    std::int32_t depth = 0;            //   0 depth of the memo
    char text[500] = {};               //   4 at most 499 characters
    std::int32_t slot = 0;             // 504 memo column slot 0-24
    std::uint8_t unused508[12] = {};   // 508
    std::uint8_t quoted = 0;           // 520 the text was given with a leading ">"
    std::uint8_t copiedToHorz = 0;     // 521 copied to the horizontal-view notes
    std::uint8_t newMemo = 0;          // 522 0 for a first-column note
    std::int32_t style523 = 0;         // 523 taken from the preceding memo or the style memo
    std::uint32_t frameColour = 0;     // 527 COLORREF
    std::uint8_t unused531[4] = {};    // 531
    std::uint8_t newMemo535 = 0;       // 535
    std::uint8_t unused536[17] = {};   // 536
    std::uint8_t firstColumn = 0;      // 553 a first-column note
    std::uint8_t unused554[16] = {};   // 554
    platform::LOGFONTA font{};         // 570 font of the memo text
    std::int32_t clickOffsetX = 0;     // 630 x of the click within its memo column
    std::int32_t kind = 0;             // 634 2 for the marked kind
    std::uint8_t unused638[17] = {};   // 638
    std::uint8_t newMemo655 = 0;       // 655
    std::uint8_t unused656[156] = {};  // 656
};

struct HTEXTEX {
    std::int32_t depth = 0;            //   0
    std::uint8_t unused4[16] = {};     //   4
    std::uint8_t flags20[3] = {};      //  20 each 1 for a note copied from a memo
    std::uint8_t unused23[13] = {};    //  23
    char text[499] = {};               //  36 at most 498 characters
    std::uint8_t unused535[223] = {};  // 535
};
#pragma pack(pop)

static_assert(sizeof(SVMEMO) == kMemoSize && sizeof(HTEXTEX) == kHorzTextSize);
static_assert(std::is_trivially_copyable_v<SVMEMO> && std::is_trivially_copyable_v<HTEXTEX>);
static_assert(offsetof(SVMEMO, text) == 4 && offsetof(SVMEMO, slot) == 504 && offsetof(SVMEMO, quoted) == 520);
static_assert(offsetof(SVMEMO, copiedToHorz) == 521 && offsetof(SVMEMO, newMemo) == 522);
static_assert(offsetof(SVMEMO, style523) == 523 && offsetof(SVMEMO, frameColour) == 527);
static_assert(offsetof(SVMEMO, newMemo535) == 535 && offsetof(SVMEMO, firstColumn) == 553);
static_assert(offsetof(SVMEMO, font) == 570 && offsetof(SVMEMO, clickOffsetX) == 630);
static_assert(offsetof(SVMEMO, kind) == 634 && offsetof(SVMEMO, newMemo655) == 655);
static_assert(offsetof(HTEXTEX, flags20) == 20 && offsetof(HTEXTEX, text) == 36);

}  // namespace entry
