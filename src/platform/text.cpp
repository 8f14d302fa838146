#include "platform/text.h"

#include <clocale>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace platform {

namespace {
// Windows-1252 0x80..0x9F; 0 marks the five undefined bytes (kept as the same code point).
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};
}  // namespace

QString FromCp1252(const char* bytes, std::size_t length)
{
    QString out;
    out.reserve(qsizetype(length));
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80])
            out += QChar(kHigh[c - 0x80]);
        else
            out += QChar(char16_t(c));
    }
    return out;
}

QByteArray ToCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF) || (u >= 0x80 && u <= 0x9F && !kHigh[u - 0x80])) {
            out += char(u);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u) {
                mapped = char(0x80 + i);
                break;
            }
        out += mapped;
    }
    return out;
}

std::string FieldText(const char* field, std::size_t width)
{
    const void* end = std::memchr(field, 0, width);
    const std::size_t n = end ? std::size_t(static_cast<const char*>(end) - field) : width;
    return std::string(field, n);
}

QString FieldString(const char* field, std::size_t width)
{
    const std::string text = FieldText(field, width);
    return FromCp1252(text.data(), text.size());
}

void SetFieldText(char* field, std::size_t width, const std::string& text)
{
    if (width == 0)
        return;
    const std::size_t n = text.size() < width - 1 ? text.size() : width - 1;
    std::memcpy(field, text.data(), n);
    std::memset(field + n, 0, width - n);
}

std::string CFormat(const char* format, ...)
{
    // The program sets LC_NUMERIC to "C" at start; formatting relies on it for the decimal point.
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(std::size_t(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, again);
        out.assign(buf.data(), std::size_t(n));
    }
    va_end(again);
    return out;
}

}  // namespace platform
