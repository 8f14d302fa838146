#include "elog/lasout.h"

#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cctype>
#include <cstdlib>

namespace elog {

namespace {

// Fixed notation with 0-3 decimals exactly as std::to_chars writes it, without its general machinery (a
// LAS export formats millions of such numbers): null when the value is too large or so near a rounding tie
// that only its exact binary digits decide, which std::to_chars then does.
char* FixedFast(char* p, double v, int precision)
{
    static constexpr double kScale[] = {1, 10, 100, 1000};
    static constexpr unsigned kDivisor[] = {1, 10, 100, 1000};
    const double a = std::abs(v);
    if (precision < 0 || precision > 3 || !(a < 1e9))
        return nullptr;
    // Below 1e12 the scaled value is off by less than 1e-3 of a unit, so away from a tie it rounds right.
    const double scaled = a * kScale[precision];
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::abs(fraction - 0.5) < 1e-3)
        return nullptr;
    const unsigned long long n = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    if (std::signbit(v))
        *p++ = '-';
    p = std::to_chars(p, p + 24, n / kDivisor[precision]).ptr;
    if (precision > 0) {
        *p++ = '.';
        unsigned digits = unsigned(n % kDivisor[precision]);
        for (int i = precision - 1; i >= 0; --i, digits /= 10)
            p[i] = char('0' + digits % 10);
        p += precision;
    }
    return p;
}

}  // namespace

// Written straight into the string; room is made ahead of each piece and the rest cut off at the end.
void Out::Line(std::string_view fmt, std::initializer_list<double> numbers, std::string_view text)
{
    std::size_t at = s.size();
    s.resize(at + 2 * fmt.size() + 32 * numbers.size());
    auto room = [&](std::size_t n) {
        if (at + n > s.size())
            s.resize(at + n + 2 * fmt.size());
        return s.data() + at;
    };
    const double* arg = numbers.begin();
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        const char c = fmt[i];
        if (c == '\n') {
            char* p = room(2);
            p[0] = '\r';
            p[1] = '\n';
            at += 2;
            continue;
        }
        if (c != '%') {
            *room(1) = c;
            ++at;
            continue;
        }
        ++i;
        if (fmt[i] == '-')
            ++i;
        int width = 0, precision = -1;
        while (fmt[i] >= '0' && fmt[i] <= '9')
            width = width * 10 + (fmt[i++] - '0');
        if (fmt[i] == '.') {
            precision = 0;
            ++i;
            while (fmt[i] >= '0' && fmt[i] <= '9')
                precision = precision * 10 + (fmt[i++] - '0');
        }
        char* const from = room(std::size_t(width) + 64 + (fmt[i] == 's' ? text.size() : 0));
        char* p = from;
        if (fmt[i] == 's') {
            p = std::copy(text.begin(), text.end(), p);
        } else {
            const double v = *arg++;
            char* const end = p + 64;
            std::to_chars_result r;
            if (!std::isfinite(v))
                r = std::to_chars(p, end, null, std::chars_format::fixed, 2);
            else if (fmt[i] == 'd')
                r = std::to_chars(p, end, static_cast<long long>(std::clamp(v, -9e15, 9e15)));
            else if (char* fast = FixedFast(p, v, precision))
                r = {fast, std::errc()};
            else
                r = std::to_chars(p, end, v, std::chars_format::fixed, precision < 0 ? 6 : precision);
            if (r.ec != std::errc() || r.ptr == end)  // beyond any real value: written as 0
                r = std::to_chars(p, end, 0);
            p = r.ptr;
        }
        if (p - from < width)
            p = std::fill_n(p, width - (p - from), ' ');
        at += std::size_t(p - from);
    }
    s.resize(at);
}

void Out::Text(std::string_view text)
{
    for (char c : text) {
        if (c == '\n')
            s += "\r\n";
        else
            s += c;
    }
}

std::string LasHeaderText(const char* field, std::size_t width)
{
    std::string t = platform::FieldText(field, width);
    std::replace(t.begin(), t.end(), '\r', ' ');
    std::replace(t.begin(), t.end(), '\n', ' ');
    return t;
}

std::string LasElevation(const wellfile::WellHeader* header)
{
    std::string elevation = LasHeaderText(header, &wellfile::WellHeader::kellyBushing);
    for (char& c : elevation)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    if (elevation.find('\'') != std::string::npos)
        elevation.pop_back();
    return elevation;
}

}  // namespace elog
