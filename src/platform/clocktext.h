#pragma once
// Clock times as the status lines and the chart titles write them.
#include <QString>

namespace platform {

// The 12-hour time "%2d:%02d %s" (" 9:05 AM").
QString FormatTime12(int hour, int minute);
// The same with seconds (" 1:05:07 PM") when `second` is 1 or more; hour -1 takes the clock's hour and
// minute.
QString FormatTime12(int hour, int minute, int second);

}  // namespace platform
