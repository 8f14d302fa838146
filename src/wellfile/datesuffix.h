#pragma once
// The date part of the names of the daily files ("wits/", "chart/", "gas/", "archives/"):
// "@%d-%02d-%02d" with the month (no leading zero), the day and the year - 2000, so 15 January 2026
// gives "@1-15-26".
#include <QDate>
#include <QDateTime>
#include <QString>

namespace wellfile {

QString DateSuffix(const QDate& date);

// Refreshes `now` with the local time and gives today's suffix.
QString MakeDateSuffix(QDateTime& now);

}  // namespace wellfile
