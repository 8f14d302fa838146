#include "entry/typednumber.h"

#include <climits>

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

}  // namespace entry
