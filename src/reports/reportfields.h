#pragma once
// How the report dialogs, pages and text exports read and show report values: numbers typed as text
// read back as their leading number, texts stored within a character limit, the lag as minutes and
// strokes, and the day count of a well from a start date.
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/reporttext.h"

#include <QDate>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace reports {

using platform::LeadingFloat;
using platform::LeadingInt;
// The leading whole number held to 0..65,535 ("70000" 65,535, "-3" 0).
std::uint16_t LeadingU16(std::string_view text);

// The lag as the daily report shows it: a lag above 500 is strokes, else minutes; with a pump rate
// `spm` both are shown (" 45 min,  4500 stk"), without one only the stored unit ("  600 stk ",
// " 45 min "). Everything cut to whole numbers.
std::string LagText(float lag, std::uint16_t spm);

// A date written month, day and year separated by "/" or "-" (" 1-2-2016", "12/30/15"): years below 100
// are 2000 + year. An invalid or unreadable date gives a null date.
QDate ReadReportDate(std::string_view text);

// The day of the well on `report` counting `start` as day 1: 0 when either date is unreadable or the
// report lies before the start. An empty report date is `today`.
std::int32_t DayCount(std::string_view start, std::string_view report, const QDate& today);

}  // namespace reports
