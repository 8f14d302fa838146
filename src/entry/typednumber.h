#pragma once
// Numbers typed into the entry boxes, read as the C library's atoi and atof read them.
#include <QString>

#include <cstddef>
#include <string_view>

namespace entry {

// The whole number at the start of the first `n` characters of `text` (blanks, a sign, then digits);
// 0 when there is none. Numbers beyond the range of int stop at its ends.
int LeadingNumber(std::string_view text, std::size_t n = std::string_view::npos);

// A typed value read as a number (leading blanks, sign, decimals, exponent; what follows the number is
// ignored); 0 for text that does not begin with a finite number.
double ReadTypedNumber(const QString& text);

}  // namespace entry
