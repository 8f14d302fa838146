#pragma once
// Numbers read from typed boxes, settings and instrument frames as C's atoi and atof read them, with
// '.' as the decimal point whatever the user's locale: leading white space, one sign, then the number;
// what follows it is ignored. Also the one conversion of a computed value to a whole number for text.
#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// The whole number at the start of the first `n` characters of `text`; 0 when there is none. Numbers
// beyond the range of int stop at its ends.
int LeadingInt(std::string_view text, std::size_t n = std::string_view::npos);
int LeadingInt(const QString& text);
inline int LeadingInt(const char* text) { return LeadingInt(std::string_view(text)); }

// The number at the start of `text` (decimals, exponent); 0 when there is none or it is not finite.
double LeadingDouble(std::string_view text);
double LeadingDouble(const QString& text);
inline double LeadingDouble(const char* text) { return LeadingDouble(std::string_view(text)); }

// As LeadingDouble, and 0 for a value a float cannot hold.
float LeadingFloat(std::string_view text);
float LeadingFloat(const QString& text);
inline float LeadingFloat(const char* text) { return LeadingFloat(std::string_view(text)); }

// A value as a whole number for a field or a text: truncated toward zero; 0 for a value that is no
// number or lies beyond the range of int (a damaged record's value reads as none).
int Whole(double v);
// The same, with no value for such a number, where a caller must tell it from a true 0 (a damaged
// record's depth).
std::optional<int> WholeOf(double v);
// A value truncated toward zero and held to the 32-bit range (0 for a value that is no number): for
// depths and readings whose sign, size or order against another must survive.
std::int32_t TruncInt(double v);

}  // namespace platform
