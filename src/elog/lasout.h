#pragma once
// The line writer both LAS writers share: a minimal printf for their fixed formats, always in the C
// locale, "\n" written as CR LF, and the header texts they print.
#include "wellfile/wellheader.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace elog {

// "%-W.Pf", "%-Wd" (numbers; integers truncated toward zero) and "%-Ws" (text), left-justified.
// Text arguments are copied, never read as a format. A number that is not finite (NaN, infinite) is
// written as the file's NULL value, with two decimals as the NULL line writes it, in every format.
class Out {
public:
    std::string s;
    double null = -999.2;

    void Line(std::string_view fmt, std::initializer_list<double> numbers, std::string_view text = {});
    // Plain text; only "\n" is changed (to CR LF).
    void Text(std::string_view text);
};

// A header field as one line of plain text: read within its width, line breaks made blanks; empty
// without a header.
std::string LasHeaderText(const char* field, std::size_t width);
template <std::size_t N>
std::string LasHeaderText(const wellfile::WellHeader* h, const char (wellfile::WellHeader::*field)[N])
{
    return h ? LasHeaderText(h->*field, N) : std::string();
}

// The kelly-bushing elevation upper-cased, without its last character when it holds a feet mark.
std::string LasElevation(const wellfile::WellHeader* header);

}  // namespace elog
