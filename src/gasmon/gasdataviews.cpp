#include "gasmon/gasdataviews.h"

#include "gasmon/gasfile.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"

#include <QSaveFile>

#include <algorithm>

namespace gasmon {

using platform::Whole;

namespace {

// The line end of the text exports, as the other gas text logs have it.
constexpr char kLineEnd[] = "\r\n";

QString Latin1(const std::string& s) { return QString::fromLatin1(s.c_str()); }

// The nC5 value of a gas record as the view shows it: one outside 0 to 1000 (or no number) reads 10.
bool NC5OutOfRange(float v) { return !(v >= 0.0f && v <= 1000.0f); }

std::string ChartFields(const char* format, const CHARTRECORD& r)
{
    return platform::CFormat(format, int(r.lagDepth), int(r.depth), Whole(r.hotWire), Whole(r.chromat),
                             int(r.day), int(r.hour), int(r.minute), int(r.second), int(r.index));
}

}  // namespace

QString GasViewHeading()
{
    return QStringLiteral("LagDepth  Depth   HW    C1   C2   C3  IC4  NC4   IC5  NC5 SHW   Errors");
}

QString ChartViewHeading() { return QStringLiteral("LagDepth  Depth   HW  Chrom  Day Hour  Min  Sec  Index"); }

std::vector<GASRECORD> ReadGasViewRecords(const QString& path)
{
    const int inFile = ReadGasFile(path, {}, 0, -1);
    const int count = std::min(inFile, kMaxGasViewRecords);
    if (count <= 0)
        return {};
    std::vector<GASRECORD> records(static_cast<std::size_t>(count));
    // ReadGasFile gives the records read less one.
    const int read = ReadGasFile(path, records, inFile - count, count) + 1;
    records.resize(std::size_t(std::clamp(read, 0, count)));
    return records;
}

std::vector<CHARTRECORD> ReadChartViewRecords(const ChartPlace& place)
{
    const int count = std::min(ReadTodayChart(place, {}, 0, -1), kChartSlotsPerDay);
    if (count <= 0)
        return {};
    std::vector<CHARTRECORD> records(static_cast<std::size_t>(count));
    const int read = ReadTodayChart(place, records, 0, count);
    records.resize(std::size_t(std::clamp(read, 0, count)));
    return records;
}

QStringList GasViewLines(std::span<GASRECORD> records, std::int32_t firstDepth)
{
    QStringList lines;
    for (auto it = records.rbegin(); it != records.rend(); ++it) {
        GASRECORD& r = *it;
        if (r.bottomDepth < firstDepth)
            break;
        if (NC5OutOfRange(r.nc5))
            r.nc5 = 10.0f;
        lines << Latin1(platform::CFormat("%-5d     %-5d   %-5d %-5d%-5d%-5d%-4d %-4d %-4d %-4d %-4d  %d",
                                          int(r.lagDepth), int(r.bottomDepth), Whole(r.totalGas),
                                          Whole(r.components[0]), Whole(r.components[1]),
                                          Whole(r.components[2]), Whole(r.components[3]),
                                          Whole(r.components[4]), Whole(r.components[5]), Whole(r.nc5),
                                          Whole(r.sampleTotalGas), int(r.errorCount)));
    }
    return lines;
}

QStringList ChartViewLines(std::span<const CHARTRECORD> records)
{
    QStringList lines;
    lines.reserve(qsizetype(records.size()));
    for (auto it = records.rbegin(); it != records.rend(); ++it)
        lines << Latin1(ChartFields("%-5d    %-5d   %-5d  %-5d %-2d  %-2d   %-2d   %-2d      %-2d", *it));
    return lines;
}

QByteArray GasExportText(std::span<const GASRECORD> records)
{
    QByteArray text("LagDepth   Depth     HW       C1       C2      C3      IC4      NC4 ");
    text += kLineEnd;
    for (const GASRECORD& r : records) {
        text += platform::CFormat(" %-5d     %-5d     %-5d    %-5d    %-5d    %-5d    %-4d    %-4d    %4d",
                                  int(r.lagDepth), int(r.bottomDepth), Whole(r.totalGas),
                                  Whole(r.components[0]), Whole(r.components[1]), Whole(r.components[2]),
                                  Whole(r.components[3]), Whole(r.components[4]), Whole(r.components[5]))
                    .c_str();
        text += kLineEnd;
    }
    return text;
}

QByteArray ChartExportText(std::span<const CHARTRECORD> records)
{
    QByteArray text("LagDepth  Depth   HW  Chrom  Day Hour  Min  Sec  Index");
    text += kLineEnd;
    text += ' ';
    for (const CHARTRECORD& r : records) {
        text += ChartFields("%-5d    %-5d   %-5d  %-5d %-2d  %-2d   %-2d   %-2d    %-2d", r).c_str();
        text += kLineEnd;
    }
    return text;
}

bool WriteExportFile(const QString& path, const QByteArray& text)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {  // a short write is seen
        platform::MessageBox(QStringLiteral("Unable to open file"), QStringLiteral("File Error"));
        return false;
    }
    if (file.write(text) != text.size() || !file.commit()) {
        platform::MessageBox(QStringLiteral("Unable to write file\n") + path, QStringLiteral("File Error"));
        return false;
    }
    return true;
}

}  // namespace gasmon
