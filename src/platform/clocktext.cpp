#include "platform/clocktext.h"

#include "platform/services.h"
#include "platform/text.h"

#include <QDateTime>

namespace platform {

QString FormatTime12(int hour, int minute) { return FormatTime12(hour, minute, 0); }

QString FormatTime12(int hour, int minute, int second)
{
    if (hour == -1) {
        const QTime now = platform::services().clock->LocalTime().time();
        hour = now.hour();
        minute = now.minute();
    }
    const char* suffix = hour >= 12 ? "PM" : "AM";
    if (hour > 12)
        hour -= 12;
    else if (hour == 0)
        hour = 12;
    if (second >= 1)
        return QString::fromStdString(platform::CFormat("%2d:%02d:%02d %s", hour, minute, second, suffix));
    return QString::fromStdString(platform::CFormat("%2d:%02d %s", hour, minute, suffix));
}

}  // namespace platform
