#pragma once
// Text as the records keep it: Windows-1252 bytes, NUL-terminated within a fixed width.
// Numbers are formatted in the C locale whatever the user's locale is.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <string>

namespace platform {

QString FromCp1252(const char* bytes, std::size_t length);
inline QString FromCp1252(const QByteArray& b) { return FromCp1252(b.constData(), std::size_t(b.size())); }
// Characters outside Windows-1252 become '?'.
QByteArray ToCp1252(const QString& text);

// Reads a text field of `width` bytes: stops at the first NUL or at the width, whichever comes first.
std::string FieldText(const char* field, std::size_t width);
template <std::size_t N>
std::string FieldText(const char (&field)[N]) { return FieldText(field, N); }
// The same field decoded from Windows-1252 (record text is never UTF-8).
QString FieldString(const char* field, std::size_t width);
template <std::size_t N>
QString FieldString(const char (&field)[N]) { return FieldString(field, N); }
// Writes `text` into a field of `width` bytes: cut to width-1 bytes and NUL-terminated, the rest zeroed.
void SetFieldText(char* field, std::size_t width, const std::string& text);
template <std::size_t N>
void SetFieldText(char (&field)[N], const std::string& text) { SetFieldText(field, N, text); }

// printf-style formatting in the C locale, never past the result's end.
std::string CFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace platform
