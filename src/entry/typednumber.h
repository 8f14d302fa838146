#pragma once
// Whole numbers typed into the entry boxes, read as the C library's atoi reads them.
#include <cstddef>
#include <string_view>

namespace entry {

// The whole number at the start of the first `n` characters of `text` (blanks, a sign, then digits);
// 0 when there is none. Numbers beyond the range of int stop at its ends.
int LeadingNumber(std::string_view text, std::size_t n = std::string_view::npos);

}  // namespace entry
