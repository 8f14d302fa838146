#pragma once
// The memo records of a well: the 812-byte SVMEMO of the ".mem" file (memo boxes beside the log) and
// the 758-byte HTEXTEX of the ".hxt" file (depth notes of the horizontal view). Both files are bare
// arrays of them. Packed little-endian byte images; bytes no routine interprets are carried unchanged.
// Packed members: read and assign them by value, never bind a reference or pointer to one.
#include "platform/gdi.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace wellfile {

constexpr int kMemoSize = 812;
constexpr int kHorzTextSize = 758;

#pragma pack(push, 1)
struct SVMEMO {
    std::int32_t depth = 0;            //   0 depth of the memo; 0 marks an unused slot
    char text[500] = {};               //   4 at most 499 characters; soft line breaks "\r\r\n", hard "\r\n"
    std::int32_t slot = 0;             // 504 memo column slot 0-24 the box starts at
    std::uint8_t unused508[4] = {};    // 508 carried as read
    std::int32_t field512 = 0;         // 512 200 once the memo dialog saved the memo
    std::int32_t field516 = 0;         // 516 likewise
    std::uint8_t oneInch = 0;          // 520 also drawn on the compressed scales
    std::uint8_t copiedToHorz = 0;     // 521 copied to the horizontal-view notes
    std::uint8_t drawRectangle = 0;    // 522 a filled frame round the text
    std::uint32_t textColour = 0;      // 523 COLORREF
    std::uint32_t frameColour = 0;     // 527 COLORREF of the frame's background
    std::int32_t number = 0;           // 531 1-based position in depth order
    std::uint8_t shown = 0;            // 535 0: the drawing empties the text
    std::int32_t topStrip[4] = {};     // 536 top strip of the box last drawn (screen pixels)
    std::uint8_t unused552 = 0;        // 552 carried as read
    std::uint8_t description = 0;      // 553 a description (first-column note)
    std::int32_t cornerSquare[4] = {};  // 554 bottom-right square of the box last drawn
    platform::LOGFONTA font{};         // 570 font of the memo text
    std::int32_t slotOffset = 0;       // 630 x of the box within its slot
    std::int32_t fontSize = 0;         // 634 size choice 1-4
    std::uint8_t oneInchOnly = 0;      // 638 drawn only on the compressed scales
    std::int32_t box[4] = {};          // 639 the whole box last drawn
    std::uint8_t transparent = 0;      // 655 text drawn transparent
    std::uint8_t defaultMemo = 0;      // 656 the template of new memos
    std::uint8_t defaultDescription = 0;  // 657 the template of new descriptions
    std::uint8_t unused658[154] = {};  // 658
};

struct HTEXTEX {
    std::int32_t depth = 0;            //   0 measured depth; 0 marks an unused slot
    std::int32_t box[4] = {};          //   4 the note's box in the horizontal view
    std::uint8_t textTrack = 0;        //  20 placed on the view's text track
    std::uint8_t drawRectangle = 0;    //  21
    std::uint8_t transparent = 0;      //  22
    std::uint8_t bold = 0;             //  23 weight 700, else 400
    std::int32_t fontSize = 0;         //  24 size choice 1-4
    std::uint8_t unused28[8] = {};     //  28 carried as read
    char text[500] = {};               //  36 at most 499 characters
    std::uint8_t unused536[4] = {};    // 536 carried as read
    std::int32_t number = 0;           // 540 1-based position in depth order
    std::uint8_t oneInch = 0;          // 544 drawn at the view's compressed scales
    std::uint8_t anchoredRight = 0;    // 545 at the bottom of the plot, kept inside its right edge
    std::uint8_t anchoredBottom = 0;   // 546 at the bottom of the plot
    std::uint32_t textColour = 0;      // 547
    std::uint32_t background = 0;      // 551
    std::uint8_t onTextTrack = 0;      // 555 "Draw On Text Track"
    std::uint8_t defaultNote = 0;      // 556
    std::uint8_t defaultDescription = 0;  // 557
    std::uint8_t unused558[200] = {};  // 558 carried as read
};
#pragma pack(pop)

static_assert(sizeof(SVMEMO) == kMemoSize && sizeof(HTEXTEX) == kHorzTextSize);
static_assert(std::is_trivially_copyable_v<SVMEMO> && std::is_trivially_copyable_v<HTEXTEX>);
static_assert(offsetof(SVMEMO, depth) == 0 && offsetof(SVMEMO, text) == 4 && offsetof(SVMEMO, slot) == 504);
static_assert(offsetof(SVMEMO, unused508) == 508 && offsetof(SVMEMO, field512) == 512);
static_assert(offsetof(SVMEMO, field516) == 516 && offsetof(SVMEMO, oneInch) == 520);
static_assert(offsetof(SVMEMO, copiedToHorz) == 521 && offsetof(SVMEMO, drawRectangle) == 522);
static_assert(offsetof(SVMEMO, textColour) == 523 && offsetof(SVMEMO, frameColour) == 527);
static_assert(offsetof(SVMEMO, number) == 531 && offsetof(SVMEMO, shown) == 535);
static_assert(offsetof(SVMEMO, topStrip) == 536 && offsetof(SVMEMO, unused552) == 552);
static_assert(offsetof(SVMEMO, description) == 553 && offsetof(SVMEMO, cornerSquare) == 554);
static_assert(offsetof(SVMEMO, font) == 570 && sizeof(SVMEMO::font) == 60);
static_assert(offsetof(SVMEMO, slotOffset) == 630 && offsetof(SVMEMO, fontSize) == 634);
static_assert(offsetof(SVMEMO, oneInchOnly) == 638 && offsetof(SVMEMO, box) == 639);
static_assert(offsetof(SVMEMO, transparent) == 655 && offsetof(SVMEMO, defaultMemo) == 656);
static_assert(offsetof(SVMEMO, defaultDescription) == 657 && offsetof(SVMEMO, unused658) == 658);
static_assert(offsetof(HTEXTEX, depth) == 0 && offsetof(HTEXTEX, box) == 4);
static_assert(offsetof(HTEXTEX, textTrack) == 20 && offsetof(HTEXTEX, drawRectangle) == 21);
static_assert(offsetof(HTEXTEX, transparent) == 22 && offsetof(HTEXTEX, bold) == 23);
static_assert(offsetof(HTEXTEX, fontSize) == 24 && offsetof(HTEXTEX, unused28) == 28);
static_assert(offsetof(HTEXTEX, text) == 36 && offsetof(HTEXTEX, unused536) == 536);
static_assert(offsetof(HTEXTEX, number) == 540 && offsetof(HTEXTEX, oneInch) == 544);
static_assert(offsetof(HTEXTEX, anchoredRight) == 545 && offsetof(HTEXTEX, anchoredBottom) == 546);
static_assert(offsetof(HTEXTEX, textColour) == 547 && offsetof(HTEXTEX, background) == 551);
static_assert(offsetof(HTEXTEX, onTextTrack) == 555 && offsetof(HTEXTEX, defaultNote) == 556);
static_assert(offsetof(HTEXTEX, defaultDescription) == 557 && offsetof(HTEXTEX, unused558) == 558);

}  // namespace wellfile
