#pragma once
// The ".lfg" block: colours, flags and labels of the nine lithology shade pens (entries 44-52 of the
// pen table), kept in a 512-byte file of its own beside the well.
#include "platform/winapi.h"

#include <QString>

#include <cstddef>
#include <cstdint>

namespace wellfile {
struct OpenWell;
}

namespace layout {

struct PenTable;

constexpr int kShadeCount = 9;        // red, orange and green shade, custom shades 1-6
constexpr int kCustomShadeCount = 6;  // the shades with a label of their own
constexpr std::size_t kLfgSize = 512;

#pragma pack(push, 1)
struct LfgBlock {
    platform::COLORREF colour[kShadeCount] = {};      //   0 colours of pens 44-52
    platform::COLORREF spareColour = 0;               //  36
    std::uint8_t drawAsClay[kShadeCount] = {};        //  40 byte 43 of pens 44-52
    std::uint8_t zero49[41] = {};                     //  49
    std::uint8_t lithCustom[kShadeCount] = {};        //  90 byte 44 of pens 44-52
    std::uint8_t zero99 = 0;                          //  99
    std::uint8_t lithWash[kShadeCount] = {};          // 100 byte 45 of pens 44-52
    std::uint8_t zero109 = 0;                         // 109
    char label[kCustomShadeCount][20] = {};           // 110 labels of pens 47-52
    std::uint8_t zero230[80] = {};                    // 230
    std::int32_t word[kShadeCount] = {};              // 310 bytes 67-70 of pens 44-52
    std::uint8_t zero346[166] = {};                   // 346
};
#pragma pack(pop)

static_assert(sizeof(LfgBlock) == kLfgSize);
static_assert(offsetof(LfgBlock, spareColour) == 36);
static_assert(offsetof(LfgBlock, drawAsClay) == 40);
static_assert(offsetof(LfgBlock, lithCustom) == 90);
static_assert(offsetof(LfgBlock, lithWash) == 100);
static_assert(offsetof(LfgBlock, label) == 110);
static_assert(offsetof(LfgBlock, zero230) == 230);
static_assert(offsetof(LfgBlock, word) == 310);
static_assert(offsetof(LfgBlock, zero346) == 346);

// The well's block: current folder + well name + ".lfg" (any letter case on disk).
QString LfgPath(const wellfile::OpenWell& well);

// The shade colours a new block starts with.
void FillDefaultLfg(LfgBlock& block);
// Fills the defaults and saves them; true when saved.
bool DefaultLfg(const wellfile::OpenWell& well, LfgBlock& block);
// Zeroes the block, then reads the file when it exists, is not empty and is at most 512 bytes long
// (a shorter file leaves the rest zero). True when read.
bool LoadLfg(const wellfile::OpenWell& well, LfgBlock& block);
// Writes all 512 bytes; false when no well is open or the write failed. While drilling with the send
// and copy options on, the file is then copied out.
bool SaveLfg(const wellfile::OpenWell& well, const LfgBlock& block);

// Copies the shade pens' colours, flags, words and labels into the block (what the colours command
// does after the pen dialog is saved).
void CopyShadesToLfg(const PenTable& table, LfgBlock& block);

}  // namespace layout
