#include "shell/startupini.h"

#include "platform/folders.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>
#include <string_view>
#include <vector>

namespace shell {

namespace {

constexpr int kMaxLines = 5;
constexpr int kMaxLineLength = 259;  // a line store of 260 bytes with its NUL

// Splits at CR and LF; CR LF ends one line, so files written on Windows read like the others.
std::vector<std::string_view> FirstLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size() && int(lines.size()) < kMaxLines) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, std::min<std::size_t>(end - start, kMaxLineLength)));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// The number after "=" as atoi reads it: leading blanks, a sign, digits up to the first other
// character; no digits give 0. Out-of-range values are held at the int limits.
int NumberAfterEquals(std::string_view line)
{
    std::string_view v = line.substr(line.find('=') + 1);
    while (!v.empty() && std::isspace(static_cast<unsigned char>(v.front())))
        v.remove_prefix(1);
    bool negative = false;
    if (!v.empty() && (v.front() == '+' || v.front() == '-')) {
        negative = v.front() == '-';
        v.remove_prefix(1);
    }
    // One sign only: "+-5" and "--5" have no digits where atoi wants them.
    if (v.empty() || v.front() < '0' || v.front() > '9')
        return 0;
    long long value = 0;
    const auto [ptr, ec] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = LLONG_MAX;
    else if (ec != std::errc())
        return 0;
    if (negative)
        value = -value;
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

}  // namespace

bool ReadStartupIni(const QString& strativmFolder, StartupPlacement& placement)
{
    QFile file(platform::JoinPath(strativmFolder, QStringLiteral("startupM.ini")));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const std::vector<std::string_view> lines = FirstLines(std::string_view(bytes.constData(), std::size_t(bytes.size())));

    auto has = [&](int i) { return i < int(lines.size()) && lines[i].find('=') != std::string_view::npos; };
    if (!has(1))
        return false;
    placement.x = NumberAfterEquals(lines[1]);
    if (has(2))
        placement.y = NumberAfterEquals(lines[2]);
    if (has(3))
        placement.width = NumberAfterEquals(lines[3]);
    if (has(4))
        placement.height = NumberAfterEquals(lines[4]);
    return true;
}

}  // namespace shell
