#include "platform/numbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

namespace platform {

namespace {

// `text` after its leading white space and one sign; `negative` tells the sign.
std::string_view SkipToDigits(std::string_view text, bool& negative)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    return text.substr(i);
}

}  // namespace

int LeadingInt(std::string_view text, std::size_t n)
{
    bool negative = false;
    const std::string_view digits = SkipToDigits(text.substr(0, n), negative);
    long long value = 0;
    for (std::size_t i = 0; i < digits.size() && digits[i] >= '0' && digits[i] <= '9'; ++i)
        if (value <= INT_MAX)
            value = value * 10 + (digits[i] - '0');
    if (negative)
        value = -value;
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : int(value);
}

int LeadingInt(const QString& text) { return LeadingInt(text.toLatin1().toStdString()); }

double LeadingDouble(std::string_view text)
{
    bool negative = false;
    const std::string_view number = SkipToDigits(text, negative);
    // A digit or a point must follow the sign: "inf", "nan" and a second sign are no numbers.
    if (number.empty() || !((number[0] >= '0' && number[0] <= '9') || number[0] == '.'))
        return 0;
    double value = 0;
    const std::from_chars_result r = std::from_chars(number.data(), number.data() + number.size(), value);
    if (r.ec != std::errc() || !std::isfinite(value))
        return 0;
    return negative ? -value : value;
}

double LeadingDouble(const QString& text) { return LeadingDouble(text.toLatin1().toStdString()); }

float LeadingFloat(std::string_view text)
{
    const double v = LeadingDouble(text);
    return std::fabs(v) <= double(std::numeric_limits<float>::max()) ? float(v) : 0.0f;
}

float LeadingFloat(const QString& text) { return LeadingFloat(text.toLatin1().toStdString()); }

std::optional<int> WholeOf(double v)
{
    if (!std::isfinite(v) || v >= 2147483648.0 || v <= -2147483649.0)
        return std::nullopt;
    return int(v);
}

int Whole(double v) { return WholeOf(v).value_or(0); }

std::int32_t TruncInt(double v)
{
    if (std::isnan(v))
        return 0;
    v = std::trunc(v);
    if (v >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return std::int32_t(v);
}

}  // namespace platform
