#include "wellfile/datesuffix.h"

#include "platform/services.h"
#include "platform/text.h"

namespace wellfile {

QString DateSuffix(const QDate& date)
{
    return QString::fromStdString(platform::CFormat("@%d-%02d-%02d", date.month(), date.day(), date.year() - 2000));
}

QString MakeDateSuffix(QDateTime& now)
{
    now = platform::LocalTime();
    return DateSuffix(now.date());
}

}  // namespace wellfile
