#pragma once
// Text fields of the report records, stored as every report dialog and conversion stores them.
#include "platform/text.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

namespace wellfile {

// Stores `text` in a field of N bytes: at most `maxChars` characters (and never more than N - 1), the
// rest of the field zero.
template <std::size_t N>
void SetReportText(char (&field)[N], std::string_view text, std::size_t maxChars = N - 1)
{
    platform::SetFieldText(field, N, std::string(text.substr(0, std::min(maxChars, N - 1))));
}
// Copies a text field into another, read within its width and cut as SetReportText cuts.
template <std::size_t N, std::size_t M>
void CopyReportText(char (&to)[N], const char (&from)[M], std::size_t maxChars = N - 1)
{
    SetReportText(to, platform::FieldText(from), maxChars);
}

}  // namespace wellfile
