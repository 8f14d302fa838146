#pragma once
// The pen table: 64 entries of 128 bytes giving the colour, width and style of every line, curve,
// fill and text of the log. The ".clr" colour file is the table byte for byte. SetPens fills it
// (defaults or the colour file), applies the per-profile overrides and makes one pen description per
// entry, which the painters turn into pens.
#include "platform/winapi.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>

namespace wellfile {
struct OpenWell;
}

namespace layout {

struct LfgBlock;

constexpr int kPenCount = 64;
constexpr std::size_t kPenEntrySize = 128;
constexpr std::size_t kPenTableSize = kPenCount * kPenEntrySize;  // 8,192 bytes, the ".clr" file

// Entries that code refers to by role.
enum PenIndex : int {
    PEN_TG = 0, PEN_C1, PEN_C2, PEN_C3, PEN_IC4, PEN_NC4, PEN_IC5, PEN_NC5,
    PEN_RATES = 8, PEN_NOTES = 9, PEN_DESCRIPTIONS = 10, PEN_HEADER_TEXT = 11, PEN_CO2 = 12,
    PEN_SURVEY = 13, PEN_LAG_TEXT = 14, PEN_FLARE = 15, PEN_HEADER_BACKGROUND = 16, PEN_SLIDE = 17,
    PEN_GAMMA = 18, PEN_OFFSCALE_RATES_FILL = 19, PEN_OFFSCALE_GAMMA_FILL = 20, PEN_HORZ_GAS_FILL = 21,
    PEN_HORZ_TARGET = 22, PEN_RT_GAMMA = 23, PEN_REVERSE_ROP = 24, PEN_POROSITY_FILL = 25, PEN_WOB = 26,
    PEN_TORQUE = 27, PEN_TEMPERATURE = 28, PEN_CALIPER = 29, PEN_DENSITY_POR = 30, PEN_NEUTRON_POR = 31,
    PEN_CROSSPLOT_POR = 32, PEN_SONIC = 33, PEN_SP = 34, PEN_PE = 35, PEN_RES10 = 36, PEN_RES20 = 37,
    PEN_RES30 = 38, PEN_RES60 = 39, PEN_RES90 = 40, PEN_RES120 = 41, PEN_WATER_SAT = 42, PEN_BVW = 43,
    PEN_FIRST_SHADE = 44,         // " RED SH ", " ORG SH ", " GREEN SH ", then the six custom shades
    PEN_FIRST_CUSTOM_SHADE = 47,  // " CUST 1 SH " .. " CUST 6 SH "
    PEN_LAST_SHADE = 52,
    PEN_FIRST_SPARE = 53,
    PEN_GRID = 59, PEN_HEAVY_GRID = 60, PEN_BORDER = 61, PEN_HEAVY_BORDER = 62, PEN_WELL_TRACK = 63,
};

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 2;

#pragma pack(push, 1)
// One entry. The name is 26 bytes so that the int32 at 38 (the print repeat count some painters read)
// stays a field of its own; every name the program writes fits.
struct PenEntry {
    platform::COLORREF colour = 0;  //   0 COLORREF, or 0x80000000 + a system colour index
    std::int32_t width = 0;         //   4 1 thin, 2 medium, 3 heavy (6 for the slide)
    std::int32_t style = 0;         //   8 PS_SOLID or PS_DASH
    char name[26] = {};             //  12 shown in the pen dialog
    std::int32_t repeat = 0;        //  38 lines drawn side by side on paper
    std::uint8_t boxText = 0;       //  42 "Draw Rectangle Around Text"
    std::uint8_t transparent = 0;   //  43 "Draw Text Transparent"; "Draw As Clay" for the custom shades
    std::uint8_t lithCustom = 0;    //  44 "Lith is Custom"
    std::uint8_t lithWash = 0;      //  45 "Lith is Wash"
    char lithLabel[20] = {};        //  46 label of a custom shade
    std::uint8_t unused66 = 0;      //  66
    std::int32_t lfgWord = 0;       //  67 carried into the ".lfg" block
    std::uint8_t unused71[57] = {}; //  71
};
struct PenTable {
    PenEntry entry[kPenCount];
};
#pragma pack(pop)

static_assert(sizeof(PenEntry) == kPenEntrySize);
static_assert(offsetof(PenEntry, width) == 4);
static_assert(offsetof(PenEntry, style) == 8);
static_assert(offsetof(PenEntry, name) == 12);
static_assert(offsetof(PenEntry, repeat) == 38);
static_assert(offsetof(PenEntry, boxText) == 42);
static_assert(offsetof(PenEntry, transparent) == 43);
static_assert(offsetof(PenEntry, lithCustom) == 44);
static_assert(offsetof(PenEntry, lithWash) == 45);
static_assert(offsetof(PenEntry, lithLabel) == 46);
static_assert(offsetof(PenEntry, unused66) == 66);
static_assert(offsetof(PenEntry, lfgWord) == 67);
static_assert(offsetof(PenEntry, unused71) == 71);
static_assert(sizeof(PenTable) == kPenTableSize);

// What a painter makes a pen from: a styled pen is always 1 pixel wide.
struct PenSpec {
    platform::COLORREF colour = 0;
    int width = 1;
    int style = PS_SOLID;
    friend bool operator==(const PenSpec&, const PenSpec&) = default;
};
PenSpec MakePenSpec(const PenEntry& e);

// The window's state that decides the default and overridden entries.
struct PenOptions {
    int loggerId = 0;             // the logging-company profile of the open file
    bool hotWire = false;         // hot-wire mode: the total-gas pen is named " TG "
    bool quickView = false;       // quick-view display (profile 25 changes some pens)
    bool printBlackWhite = false; // printing in black and white
};

// The table and the pens made from it, as the window keeps them.
struct LogPens {
    PenTable table{};
    std::array<PenSpec, kPenCount> pens{};
};

// The colour file in force: "default.clr" of the data folder when drilling mode is off and it
// exists, else the current folder + well name + ".clr". Empty when no well is open.
QString ColourFilePath(const wellfile::OpenWell& well);
// Reads the colour file into `table` when it is exactly 8,192 bytes; else the table is untouched.
bool LoadColours(const wellfile::OpenWell& well, PenTable& table);
// Writes the 8,192 bytes to the colour file in force; false when no well is open or the write failed.
// While drilling with the send and copy options on, the file is then copied out.
bool SaveColours(const wellfile::OpenWell& well, const PenTable& table);

// Entries 0-58 and 63 as a new table has them (the shade colours come from the ".lfg" block).
void FillDefaultPens(PenTable& table, const PenOptions& options);
// Entries 59-62: grid and borders.
void FillGridPens(PenTable& table);
// What every table gets before it is used and saved: a white header background instead of black,
// transparent header text and the fixed names of four entries.
void FixStoredPens(PenTable& table);
// The shade entries 44-52 from the ".lfg" block.
void ApplyShades(PenTable& table, const LfgBlock& block);
// The per-profile overrides that are never saved, and the well-track entry.
void ApplyProfilePens(PenTable& table, const PenOptions& options);

// Builds the table and its pens. reset = false keeps a loaded colour file; reset = true replaces it
// with the defaults. A colour or ".lfg" file that cannot be used is kept aside before the defaults
// are written in its place.
void SetPens(LogPens& pens, const wellfile::OpenWell& well, const PenOptions& options, bool reset);
// The table "Set To Default" shows: the defaults with the shades of `block`, nothing written.
PenTable DefaultPenTable(const PenOptions& options, const LfgBlock& block);

// The names the pen dialog lists: entries in order up to the first whose name holds "SPARE".
QStringList PenDialogNames(const PenTable& table);

}  // namespace layout
