#include "entry/typednumber.h"

#include <charconv>
#include <cmath>
#include <climits>
#include <string>

namespace entry {

int LeadingNumber(std::string_view text, std::size_t n)
{
    text = text.substr(0, n);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        if (value <= INT_MAX)
            value = value * 10 + (text[i] - '0');
    if (negative)
        value = -value;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
}

double ReadTypedNumber(const QString& text)
{
    const std::string s = text.toLatin1().toStdString();
    std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string::npos)
        return 0;
    if (s[i] == '+')
        ++i;
    double value = 0;
    const std::from_chars_result r = std::from_chars(s.data() + i, s.data() + s.size(), value);
    // "inf" and "nan" are no values anyone logs.
    return r.ec == std::errc() && std::isfinite(value) ? value : 0;
}

}  // namespace entry
