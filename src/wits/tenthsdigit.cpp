#include "wits/tenthsdigit.h"

#include <charconv>
#include <cstring>

namespace wits {

int TenthsDigit(double value)
{
    // to_chars rounds exactly as printf's "%.2f" does and never looks at the locale. The largest double
    // has 309 digits before the point.
    char text[330];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
    if (error != std::errc())
        return 0;
    const char* point = static_cast<const char*>(std::memchr(text, '.', std::size_t(end - text)));
    return point && point + 1 < end ? point[1] - '0' : 0;
}

}  // namespace wits
