#pragma once
// Columns of the text lines that outside programs write: the gas monitor's integrator results and the
// WITS link's text readers take their values through these.
#include <string>
#include <string_view>
#include <vector>

namespace gasmon {

// The `column`-th field (from 1) of `line` as a number. Fields are runs of characters other than blank,
// tab and comma; leading separators are skipped. The field's leading numeric part is read in the C
// locale (none gives 0). A value below `minimum`, above `maximum` or not a number, and a line with fewer
// fields, give 0.
float ParseColumn(std::string_view line, int column, float maximum, float minimum);

// The run of digits that follows the first digit of `field`, as a number x 0.0001: "CHM12345" gives
// 1.2345 and "1.5" gives 0.0001 (the run ends at the point). No digit gives 0.
float ReadScaledDigits(std::string_view field);

// `text` up to its first NUL (the files are read as C strings), upper-cased: the outside programs'
// names and keywords come in any case.
std::string UpperText(std::string_view text);

// The non-empty lines of `text`, split at CR and LF.
std::vector<std::string_view> TextLines(std::string_view text);

}  // namespace gasmon
