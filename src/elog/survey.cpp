#include "elog/survey.h"

#include "elog/curves.h"
#include "platform/numbers.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/winapi.h"

#include <algorithm>
#include <cmath>

namespace elog {

void StoreStation(wellfile::RECORD& r, const SurveyValues& v)
{
    r.surveyMeasuredDepth = v.md;
    r.tvd = v.tvd;
    if (v.azimuth != 0)
        r.azimuth = v.azimuth;
    if (v.inclination != 0)
        r.inclination = v.inclination;
    if (v.verticalSection != 0)
        r.verticalSection = v.verticalSection;
    if (v.dogLeg != 0)
        r.dogLeg = v.dogLeg;
    r.surveyEntry = 1;
}

void ClearStation(wellfile::RECORD& r)
{
    r.tvd = 0;
    r.azimuth = 0;
    r.inclination = 0;
    r.verticalSection = 0;
    r.dogLeg = 0;
}

QString StationLine(const SurveyValues& v)
{
    return QString::fromStdString(platform::CFormat("MD=%.2f  Incl=%3.1f  AZM=%3.1f  TVD=%6.2f  VSec=%3.1f  DLS=%3.1f",
                                                    double(v.md), double(v.inclination), double(v.azimuth),
                                                    double(v.tvd), double(v.verticalSection), double(v.dogLeg)));
}

std::array<QString, 6> StationLineValues(const QString& line)
{
    std::array<QString, 6> values;
    const QStringList parts = line.split(u'=');
    for (std::size_t k = 0; k < values.size() && qsizetype(k + 1) < parts.size(); ++k)
        values[k] = parts[qsizetype(k + 1)].section(u' ', 0, 0);
    return values;
}

QByteArray StationMemo(const SurveyValues& v)
{
    return QByteArray::fromStdString(platform::CFormat("Survey@ %7.2fm MD\nIncl:%4.2f  Azim:%6.2f  TVD:%6.2f", double(v.md),
                                                       double(v.inclination), double(v.azimuth), double(v.tvd)));
}

bool CheckTvd(std::int32_t md, float tvd, float lastTvd, std::int32_t firstDepth, std::int32_t lastDepth)
{
    if (tvd < float(firstDepth) || tvd > float(lastDepth)) {
        platform::MessageBox(QString::fromStdString(platform::CFormat("TVD Value ( %.2f %.2f ) is out of file range",
                                                                      double(tvd), double(lastTvd))),
                             QStringLiteral("HORZ Input"), platform::MB_OK);
        return false;
    }
    if (tvd < lastTvd - 1000 || tvd > lastTvd + 1000) {
        const std::string text = platform::CFormat(
            "TVD Value ( %.2f %.2f ) appears to be out of range.\n Click OK to save anyway, click cancel to change",
            double(tvd), double(lastTvd));
        if (platform::MessageBox(QString::fromStdString(text), QStringLiteral("HORZ INPUT"), platform::MB_OKCANCEL) !=
            platform::IDOK)
            return false;
    }
    if (tvd < lastTvd - 100 || tvd > float(md)) {
        const std::string text = platform::CFormat(
            "TVD Value ( %.2f ) appears to be out of normal range\n Click OK to save anyway, click cancel to change",
            double(tvd));
        return platform::MessageBox(QString::fromStdString(text), QStringLiteral("HORZ INPUT"), platform::MB_OKCANCEL) ==
               platform::IDOK;
    }
    return true;
}

bool CheckVertSect(float verticalSection, float lastVerticalSection)
{
    if (verticalSection >= lastVerticalSection && verticalSection <= lastVerticalSection + 500)
        return true;
    const std::string text = platform::CFormat(
        "Vert Sect Value ( %.2f ) appears to be out of expected range\n Click OK to save anyway, click cancel to change",
        double(verticalSection));
    return platform::MessageBox(QString::fromStdString(text), QStringLiteral("HORZ INPUT"), platform::MB_OKCANCEL) ==
           platform::IDOK;
}

SurveyScan ScanStations(std::span<const wellfile::RECORD> records, std::int32_t firstDepth, std::int32_t lastDepth)
{
    SurveyScan scan;
    std::size_t count = 0;
    while (count < records.size() && records[count].depth != 0)
        ++count;
    constexpr std::size_t kFirstStation = 5;

    std::size_t firstStation = count;
    for (std::size_t i = kFirstStation; i < count && records[i].depth < lastDepth; ++i) {
        if (records[i].tvd != 0) {
            ++scan.stationCount;
            firstStation = std::min(firstStation, i);
        }
    }

    // From the sixth record over (last depth - first depth) records: up to the file's last record.
    const std::size_t span = std::size_t(std::max<std::int64_t>(std::int64_t(lastDepth) - firstDepth, 0));
    for (std::size_t i = kFirstStation; i < std::min(count, kFirstStation + span); ++i) {
        const wellfile::RECORD& r = records[i];
        if (!(r.tvd > 0) || float(r.depth) - r.tvd < 6.0f)
            continue;
        TvdInterval iv;
        iv.mdEnd = float(r.depth);
        iv.tvdEnd = r.tvd;
        iv.inclination = r.inclination;
        iv.mdStart = scan.stations.empty() ? float(firstDepth) : scan.stations.back().mdEnd;
        iv.tvdStart = scan.stations.empty() ? float(firstDepth) : scan.stations.back().tvdEnd;
        scan.stations.push_back(iv);
    }
    scan.stations.resize(scan.stations.size() + 10);

    for (std::size_t i = count; i-- > firstStation;) {
        const wellfile::RECORD& r = records[i];
        if (r.tvd > 0) {
            SurveyValues v{r.surveyMeasuredDepth != 0 ? float(r.surveyMeasuredDepth) : float(r.depth), r.tvd, r.azimuth,
                           r.inclination, r.verticalSection, r.dogLeg};
            scan.lines << StationLine(v);
            if (r.tvd > scan.lastTvd && r.tvd > float(firstDepth + 50) && r.tvd < float(lastDepth))
                scan.lastTvd = r.tvd;
            const std::int32_t whole = platform::Whole(r.tvd);
            if (std::int64_t(whole) < std::int64_t(r.depth) - 6 && whole > firstDepth + 50)
                scan.deviated = true;
            scan.lastVerticalSection = std::max(scan.lastVerticalSection, float(r.verticalSection));
            if (std::isfinite(r.inclination))
                scan.maxInclination = std::max(scan.maxInclination, std::trunc(float(r.inclination)));
        }
        if (r.depth <= firstDepth + 10)
            break;
    }
    return scan;
}

}  // namespace elog
