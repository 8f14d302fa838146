#include "reports/reportfields.h"

#include "platform/numbers.h"
#include "platform/text.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>

namespace reports {

namespace {

// A float cut to a whole number; NaN and values no int holds count as 0.
using platform::Whole;

}  // namespace

std::uint16_t LeadingU16(std::string_view text)
{
    return std::uint16_t(std::clamp(platform::LeadingInt(text), 0, 65535));
}

std::string LagText(float lag, std::uint16_t spm)
{
    const int l = Whole(lag);
    if (lag > 500.f)
        return spm != 0 ? platform::CFormat("%3d min, %5d stk", Whole(double(lag) / spm), l)
                        : platform::CFormat("%5d stk ", l);
    return spm != 0 ? platform::CFormat("%3d min, %5d stk", l, Whole(double(spm) * l))
                    : platform::CFormat("%3d min ", l);
}

QDate ReadReportDate(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    int parts[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        if (k > 0) {
            if (i >= text.size() || (text[i] != '-' && text[i] != '/'))
                return {};
            ++i;
        }
        const std::size_t digits = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && i - digits < 6)
            ++i;
        if (i == digits)
            return {};
        parts[k] = platform::LeadingInt(text.substr(digits, i - digits));
    }
    // Year 0 is no year, as month 0 and day 0 are no month and day.
    if (parts[2] == 0)
        return {};
    const QDate date(parts[2] < 100 ? 2000 + parts[2] : parts[2], parts[0], parts[1]);
    return date.isValid() ? date : QDate();
}

std::int32_t DayCount(std::string_view start, std::string_view report, const QDate& today)
{
    const QDate from = ReadReportDate(start);
    const QDate to = report.empty() ? today : ReadReportDate(report);
    if (!from.isValid() || !to.isValid() || to < from)
        return 0;
    return std::int32_t(from.daysTo(to) + 1);
}

}  // namespace reports
