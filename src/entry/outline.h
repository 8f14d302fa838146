#pragma once
// Interval outlines: a bracket down the log over a depth interval with a short text written inside it,
// one character per depth step. They are kept as 16-bit codes in the records of the interval (byte 16
// for the narrow position, byte 18 for the wide one): 2 on the first record, 3 on the last, the text's
// characters centred between them and 1 on the other records.
#include "wellfile/openwell.h"

#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace entry {

enum OutlineCode : std::uint16_t { OUTLINE_NONE = 0, OUTLINE_SIDE = 1, OUTLINE_START = 2, OUTLINE_END = 3 };

enum class OutlinePosition { Narrow = 0, Wide = 1 };

// Why an interval is refused.
enum class OutlineRefusal {
    None,
    OutOfRange,  // the top above the first depth or below last depth - 6, the bottom above the top or past the end
    TooShort,  // less than 6 units
};

constexpr int kOutlineMinimum = 6;
constexpr int kOutlineTextMax = 98;  // characters of the text read

OutlineRefusal CheckOutlineInterval(const wellfile::OpenWell& well, std::int32_t top, std::int32_t bottom);

// The code of a text character: its Windows-1252 byte, sign-extended as a signed char widens.
std::uint16_t OutlineCharCode(char c);

// The codes of an outline over `records` records with `text` centred in it. The text is cut so that the
// start and end codes keep the first and last record (at most records - 2 characters).
std::vector<std::uint16_t> OutlineCodes(int records, std::string_view text);

// Writes the outline of the interval top..bottom into the records below `top` (from top + one step,
// (bottom - top) / step of them) of the data file `path`, at `position`; with `erase` their codes there
// become 0. The other position and the rest of each record are kept. Returns the records written; 0
// when none could be read.
int WriteOutline(wellfile::OpenWell& well, const QString& path, std::int32_t top, std::int32_t bottom,
    OutlinePosition position, std::string_view text, bool erase);

}  // namespace entry
