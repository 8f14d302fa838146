#include "support/deviatedwell.h"

#include "platform/folders.h"
#include "platform/text.h"
#include "support/files.h"
#include "support/wells.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace testing_support {

std::vector<wellfile::RECORD> DeviatedRecords(int first, int last, int kickOff, float buildPerUnit)
{
    if (kickOff < 0)
        kickOff = first + (last - first) / 4;
    if (buildPerUnit < 0)
        buildPerUnit = 89.5f / float(std::max(1, (last - first) / 2));
    std::vector<wellfile::RECORD> rows;
    double tvd = first, section = 0;
    for (int d = first; d <= last; ++d) {
        wellfile::RECORD r = ValidRecord(d, 2.0f + float(d % 7), "100SH");
        const double inclination = std::clamp((d - kickOff) * double(buildPerUnit), 0.0, 89.5);
        if (d > first) {
            tvd += std::cos(inclination * M_PI / 180);
            section += std::sin(inclination * M_PI / 180);
        }
        r.inclination = float(inclination);
        r.azimuth = 45;
        r.tvd = float(tvd);
        r.verticalSection = float(std::max(section, 0.1));
        r.gas[0] = float(60 + 40 * std::sin(d / 15.0));
        r.gas[1] = r.gas[0] * 0.7f;
        r.halfGas[0] = r.gas[0];
        r.halfGas[1] = r.gas[1];
        r.slide = (d % 60) < 15 ? 1 : 0;
        r.porosity = (d % 40) < 5 ? 'f' : 0;
        r.fluorPercent = (d % 40) < 5 ? 60 : 0;
        r.fluorQuality = (d % 40) < 5 ? 'g' : 0;
        rows.push_back(r);
    }
    platform::SetFieldText(rows.front().interpretedLith, "PRF12");
    return rows;
}

QString MakeDeviatedWell(const QString& folder, const QString& fileName, int first, int last, int kickOff)
{
    QDir().mkpath(folder);
    const QString path = platform::JoinPath(folder, fileName);
    WriteRecords(path, DeviatedRecords(first, last, kickOff));
    return path;
}

float LateralGamma(int depth)
{
    return float(80 + 50 * std::sin(depth / 25.0));
}

std::vector<wellfile::RECORD> LateralRecords(const LateralShape& shape)
{
    std::vector<wellfile::RECORD> rows;
    double tvd = shape.firstTvd, section = 500;
    for (int d = shape.first; d <= shape.last; ++d) {
        wellfile::RECORD r = ValidRecord(d, 2.0f + float(d % 7), "100SH");
        const double inclination =
            shape.startInclination + (89.7 - shape.startInclination) * std::min(1.0, (d - shape.first) / 300.0);
        if (d > shape.first) {
            tvd += std::cos(inclination * M_PI / 180);
            section += std::sin(inclination * M_PI / 180);
        }
        if ((d - shape.first) % shape.stationEvery == 0 || d == shape.last) {
            r.inclination = float(inclination);
            r.azimuth = 45;
            r.tvd = float(tvd);
            r.verticalSection = float(section);
        }
        r.gamma[0] = LateralGamma(d);
        r.gas[wellfile::GAS_NINTH] = 0.875f;  // CO2 percent
        r.gas[0] = r.halfGas[0] = float(60 + 40 * std::sin(d / 15.0));
        rows.push_back(r);
    }
    platform::SetFieldText(rows.front().interpretedLith, "PRF12");
    return rows;
}

QString MakeLateralWell(const QString& folder, const QString& fileName, const LateralShape& shape)
{
    QDir().mkpath(folder);
    const QString path = platform::JoinPath(folder, fileName);
    WriteRecords(path, LateralRecords(shape));
    return path;
}

}  // namespace testing_support
