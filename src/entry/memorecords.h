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
    std::int32_t depth = 0;            //   0 depth of the memo; 0 marks an unused slot
    char text[500] = {};               //   4 at most 499 characters; soft line breaks "\r\r\n", hard "\r\n"
    std::int32_t slot = 0;             // 504 memo column slot 0-24 the box starts at
    std::uint8_t unused508[12] = {};   // 508
    std::uint8_t oneInch = 0;          // 520 also drawn on the compressed scales
    std::uint8_t copiedToHorz = 0;     // 521 copied to the horizontal-view notes
    std::uint8_t drawRectangle = 0;    // 522 a filled frame round the text
    std::uint32_t textColour = 0;      // 523 COLORREF
    std::uint32_t frameColour = 0;     // 527 COLORREF of the frame's background
    std::int32_t number = 0;           // 531 1-based position in depth order
    std::uint8_t shown = 0;            // 535 0: the drawing empties the text
    std::uint8_t unused536[17] = {};   // 536
    std::uint8_t description = 0;      // 553 a description (first-column note)
    std::uint8_t unused554[16] = {};   // 554
    platform::LOGFONTA font{};         // 570 font of the memo text
    std::int32_t slotOffset = 0;       // 630 x of the box within its slot
    std::int32_t fontSize = 0;         // 634 size choice 1-4
    std::uint8_t unused638[17] = {};   // 638
    std::uint8_t transparent = 0;      // 655 text drawn transparent
    std::uint8_t defaultMemo = 0;      // 656 the template of new memos
    std::uint8_t defaultDescription = 0;  // 657 the template of new descriptions
    std::uint8_t unused658[154] = {};  // 658
};

struct HTEXTEX {
    std::int32_t depth = 0;            //   0 measured depth; 0 marks an unused slot
    std::uint8_t unused4[16] = {};     //   4 the note's box in the horizontal view
    std::uint8_t textTrack = 0;        //  20 placed on the view's text track
    std::uint8_t drawRectangle = 0;    //  21
    std::uint8_t transparent = 0;      //  22
    std::uint8_t unused23[13] = {};    //  23
    char text[500] = {};               //  36 at most 498 characters are put in by the note copy
    std::uint8_t unused536[4] = {};    // 536
    std::int32_t number = 0;           // 540 1-based position in depth order
    std::uint8_t unused544[3] = {};    // 544
    std::uint32_t textColour = 0;      // 547
    std::uint32_t background = 0;      // 551
    std::uint8_t onTextTrack = 0;      // 555 "Draw On Text Track"
    std::uint8_t defaultNote = 0;      // 556
    std::uint8_t defaultDescription = 0;  // 557
    std::uint8_t unused558[200] = {};  // 558
};
#pragma pack(pop)

static_assert(sizeof(SVMEMO) == kMemoSize && sizeof(HTEXTEX) == kHorzTextSize);
static_assert(std::is_trivially_copyable_v<SVMEMO> && std::is_trivially_copyable_v<HTEXTEX>);
static_assert(offsetof(SVMEMO, text) == 4 && offsetof(SVMEMO, slot) == 504 && offsetof(SVMEMO, oneInch) == 520);
static_assert(offsetof(SVMEMO, copiedToHorz) == 521 && offsetof(SVMEMO, drawRectangle) == 522);
static_assert(offsetof(SVMEMO, textColour) == 523 && offsetof(SVMEMO, frameColour) == 527);
static_assert(offsetof(SVMEMO, number) == 531 && offsetof(SVMEMO, shown) == 535);
static_assert(offsetof(SVMEMO, description) == 553 && offsetof(SVMEMO, font) == 570);
static_assert(offsetof(SVMEMO, slotOffset) == 630 && offsetof(SVMEMO, fontSize) == 634);
static_assert(offsetof(SVMEMO, transparent) == 655 && offsetof(SVMEMO, defaultMemo) == 656);
static_assert(offsetof(SVMEMO, defaultDescription) == 657);
static_assert(offsetof(HTEXTEX, textTrack) == 20 && offsetof(HTEXTEX, transparent) == 22);
static_assert(offsetof(HTEXTEX, text) == 36 && offsetof(HTEXTEX, number) == 540);
static_assert(offsetof(HTEXTEX, textColour) == 547 && offsetof(HTEXTEX, background) == 551);
static_assert(offsetof(HTEXTEX, onTextTrack) == 555 && offsetof(HTEXTEX, defaultDescription) == 557);

}  // namespace entry
