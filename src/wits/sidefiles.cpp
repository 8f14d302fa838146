#include "wits/sidefiles.h"

#include "gasmon/gasfile.h"
#include "platform/folders.h"
#include "platform/numbers.h"
#include "platform/text.h"
#include "wellfile/datesuffix.h"
#include "wellfile/wholefile.h"
#include "wits/dailyfile.h"

#include <QFile>

#include <vector>

namespace wits {

namespace {

constexpr std::string_view kLineEnd = "\n\r";

void AppendText(const QString& path, const QByteArray& entry)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Append))
        file.write(entry);
}

// The text, the time and its length, then the line end.
QByteArray TrafficEntry(const QDateTime& now, std::string_view text)
{
    const QTime t = now.time();
    QByteArray entry(text.data(), qsizetype(text.size()));
    entry += platform::CFormat(" at %2d:%02d:%02d  len=%d", t.hour(), t.minute(), t.second(), int(text.size())).c_str();
    entry += QByteArray(kLineEnd.data(), qsizetype(kLineEnd.size()));
    return entry;
}

}  // namespace

QString TrafficLogName(const QString& dataFolder, const QDate& date, bool outgoing)
{
    return platform::JoinPath(dataFolder, (outgoing ? QStringLiteral("witsData-OUT") : QStringLiteral("witsData-IN"))
                                              + wellfile::DateSuffix(date) + QStringLiteral(".txt"));
}

QString UnmannedFileName(const QString& dataFolder, const QDate& date)
{
    return platform::JoinPath(dataFolder, QStringLiteral("unmanned") + wellfile::DateSuffix(date) + QStringLiteral(".txt"));
}

QString CustomTrafficLogName(const QString& dataFolder, const QDate& date)
{
    return platform::JoinPath(dataFolder, QStringLiteral("custWitsData-IN-") + wellfile::DateSuffix(date) + QStringLiteral(".txt"));
}

void LogTraffic(const QString& dataFolder, const QDateTime& now, std::string_view text, bool outgoing)
{
    AppendText(TrafficLogName(dataFolder, now.date(), outgoing), TrafficEntry(now, text));
}

void LogCustomTraffic(const QString& dataFolder, const QDateTime& now, std::string_view text)
{
    AppendText(CustomTrafficLogName(dataFolder, now.date()), TrafficEntry(now, text));
}

void WriteUnmannedText(const QString& dataFolder, const QDate& date, std::string_view text)
{
    QByteArray entry(text.data(), qsizetype(text.size()));
    entry += QByteArray(kLineEnd.data(), qsizetype(kLineEnd.size()));
    AppendText(UnmannedFileName(dataFolder, date), entry);
}

bool AppendGasRecord(const QString& dataFolder, const QString& wellName, gasmon::GASRECORD& record,
                     double lagDepth, int bottomDepth)
{
    record.bottomDepth = bottomDepth;
    record.lagDepth = platform::Whole(lagDepth);
    record.errorCount = 0;
    return gasmon::AppendGasRecord(gasmon::GasFileName(dataFolder, wellName), record);
}

bool WriteRemoteBlock(const QString& path, const wellfile::WITSRECORD* samples, int count)
{
    std::vector<wellfile::WITSRECORD> block(samples, samples + (count > 0 ? count : 0));
    FillSingleGaps(block.data(), int(block.size()), false);
    return wellfile::WriteWholeFile(path, block.data(), block.size() * sizeof(wellfile::WITSRECORD));
}

}  // namespace wits
