#pragma once
// The lithology text of a depth record and its 38 rock types.
//
// A lithology text is one or more items, each a percentage followed by a rock abbreviation ("80ls,20sh").
// The tens of a percentage are the share, its units digit the accessory code (1-9, the rock types of the
// same numbers); an abbreviation may begin with '~' (mark 1, fractures) and then "'" (mark 2). Items are
// separated by ',', '.' or ' '. A text without a separator is one item with a three-character percentage
// ("100sh", "108ls"); with separators every item has a two-character percentage, so 100 % needs the
// single form. "100bl" is the empty lithology.
//
// The rock type numbers are written to LAS files as the interpreted-lithology code: they never change.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tracks {

constexpr int kLithTypes = 38;

// A few rock types by name; the rest are known by number.
enum LithType : int {
    LITH_BLANK = 0, LITH_DOLOMITE = 1, LITH_SAND = 2, LITH_ANHYDRITE = 3, LITH_LIMESTONE = 4, LITH_CHERT = 5,
    LITH_SILT = 6, LITH_PYRITE = 7, LITH_SHALE = 8, LITH_COAL = 9, LITH_SALT = 10, LITH_GLAUC_SAND = 17,
    LITH_QUARTZ_WASH = 24, LITH_GREEN_SHALE = 29, LITH_VOLCANICS = 37,
};

// The rock type of an abbreviation: `code` points at it, mark prefixes included, and may run on past it
// (only a prefix is compared, case-insensitively). `mark` gets 0, 1 ('~') or 2 ("'", after an optional
// '~'). Anything that matches no type is blank (0).
int LithTypeFromCode(std::string_view code, int& mark);

// True when the text holds a separator, so its items have two-character percentages.
bool IsMultiItemLith(std::string_view text);

// One item of a lithology text as written: its percentage (never negative; a negative field counts as
// 0) and the type and mark of its abbreviation. Only the first four characters of an abbreviation are
// looked at, mark prefixes included.
struct LithItem {
    int percent = 0;
    int type = LITH_BLANK;
    int mark = 0;
};
// Every item of the text in order: one for a single-item text, and for a text with separators one per
// item up to the end of the text (a field between two adjacent separators gives an item of 0).
std::vector<LithItem> LithItems(std::string_view text);

// A record's lithology by rock type: the share in percent (tens), the accessory code and the mark.
struct LithShares {
    std::array<std::int32_t, kLithTypes> share{};
    std::array<std::int32_t, kLithTypes> accessory{};
    std::array<std::int32_t, kLithTypes> mark{};
};

// Adds `item` to `shares`: the percentage is added to its type's share, whose units digit then becomes
// the type's accessory and is taken off the share; the item's mark replaces the type's. Returns the
// type's share after the item.
std::int32_t AddLithItem(LithShares& shares, const LithItem& item);

// Reads a whole lithology text into shares: the single item as it stands, or the items in order while
// the running total of their types' shares stays below 100.
LithShares ParseLithString(std::string_view text);

// Rounds shares[start] and every later entry that is not in tens (below 50 up, else down) and brings the
// sum of the first `count` entries back to 100: an excess comes off the largest later entry, a shortfall
// goes to the smallest later one (the lowest type wins a tie; type 0 when no later entry has a share).
// A sum of 0 is left alone. Always returns 1.
int RoundLithPercents(std::span<std::int32_t> shares, int start, int count);

// The sum of the first n integers of `values`; 0 when n is below 1. Never reads past the span.
std::int32_t SumInts(std::span<const std::int32_t> values, int n);

// The order, left to right, in which the rock types of a row are painted.
using LithOrder = std::array<int, kLithTypes>;
// Table 1 (the default), 2 (shales first), 3 and 4.
const LithOrder& LithOrderTable(int table);
// The table of a logging-company profile; the shale-on-left option forces table 2.
const LithOrder& LithOrderFor(int profile, bool shaleOnLeft);

}  // namespace tracks
