#include "gasmon/parsecolumn.h"

#include "platform/numbers.h"
#include "wits/itemtable.h"

#include <algorithm>
#include <limits>

namespace gasmon {

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

float ParseColumn(std::string_view line, int column, float maximum, float minimum)
{
    std::size_t at = 0;
    for (int n = 1; at < line.size(); ++n) {
        while (at < line.size() && IsSeparator(line[at]))
            ++at;
        if (at == line.size())
            break;
        std::size_t end = at;
        while (end < line.size() && !IsSeparator(line[end]))
            ++end;
        if (n == column) {
            const float v = platform::LeadingFloat(line.substr(at, end - at));
            return v >= minimum && v <= maximum ? v : 0.0f;
        }
        at = end;
    }
    return 0.0f;
}

float ReadScaledDigits(std::string_view field)
{
    std::size_t at = 0;
    while (at < field.size() && !IsDigit(field[at]))
        ++at;
    double v = 0;
    for (; at < field.size() && IsDigit(field[at]); ++at)
        v = v * 10 + (field[at] - '0');
    v *= 0.0001;
    // A run too long for a float is no reading.
    return v <= double(std::numeric_limits<float>::max()) ? float(v) : 0.0f;
}

std::string UpperText(std::string_view text)
{
    std::string s(text.substr(0, std::min(text.find('\0'), text.size())));
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return s;
}

std::vector<std::string_view> TextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        if (end > at)
            lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

}  // namespace gasmon
