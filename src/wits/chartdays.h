#pragma once
// The day logic of the WITS history chart, free of any window: which day is shown and how it steps,
// the 6-second slot of "now", where a depth lies in a loaded day, and the texts the chart shows of a
// sample (the on-bottom state, the data table's lines).
#include "wellfile/witsrecord.h"

#include <QString>
#include <QTime>

#include <optional>

namespace wits {

// A calendar day as the chart steps it: the year in full, month 1..12, day 1..31.
struct ChartDay {
    int year = 2000;
    int month = 1;
    int day = 1;
    friend bool operator==(const ChartDay&, const ChartDay&) = default;
};

// Days of `month` (1..12): February has 29 in a year divisible by 4.
int MonthLength(int month, int year);

// The day after (`step` +1) or before (-1) `d`; the year moves only when the month wraps.
ChartDay StepDay(ChartDay d, int step);

// The hours added to the clock: the time-zone setting, forced to 0 while drilling, and 0 when it lies
// outside -23..24.
int ChartTimeZoneOffset(int setting, bool drilling);

// (hour + offset) x 600 + minute x 10 + second / 6, held within the day's 14,400 slots.
int SlotOfNow(const QTime& now, int offset);

// The view index that puts "now" 100 rows below the top of the view: never above row 0.
int ViewIndexOfNow(const QTime& now, int offset);

// Least and greatest whole hole depth of a day, scanning samples 10 to count - 11: the least is the
// first positive depth met, lowered by any later positive one below it; both 0 when none.
struct DayDepthRange {
    int least = 0;
    int greatest = 0;
};
DayDepthRange DepthRange(const wellfile::WITSRECORD* samples, int count);

// "GO TO" within the loaded day: from the first sample (at most 14,400), the first whose whole hole
// depth equals `depth`; nothing when one deeper, or the end, comes first.
std::optional<int> SampleAtDepth(const wellfile::WITSRECORD* samples, int count, int depth);

// The first sample whose whole hole depth is at least `depth` - 2; nothing when none is.
std::optional<int> FirstSampleAtOrPast(const wellfile::WITSRECORD* samples, int count, int depth);

// The sample the read-outs show: the slot of now (`useNow`) or `index` - 1, held within the `count`
// samples loaded, then stepped back over at most min(index, 100) samples without a hole and a bit depth.
// Nothing when no sample is loaded.
std::optional<int> ShownSample(const wellfile::WITSRECORD* samples, int count, int index, bool useNow, int slotOfNow);

enum class BottomState { NoData, OnBottom, OffBottom, Unknown };
// No data when either depth is 0 or less; on bottom when their whole parts agree; off bottom when the
// whole bit depth lies above the whole hole depth; Unknown (nothing drawn) for a bit below the hole.
BottomState BottomStateOf(const wellfile::WITSRECORD& sample);

// The data table's header and one line of it.
extern const char kDataTableHeader[];
QString DataTableLine(const wellfile::WITSRECORD& sample);

// The day of a daily file's "@month-day-year" name (year - 2000); nothing when the name carries none.
std::optional<ChartDay> DayOfDailyFileName(const QString& fileName);

}  // namespace wits
