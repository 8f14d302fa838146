#include "gasmon/chartsettings.h"

#include "platform/folders.h"
#include "wellfile/wholefile.h"

#include <QFile>

#include <algorithm>

namespace gasmon {

QString ChartSettingsPath(const QString& dataFolder)
{
    return platform::FindFileNoCase(dataFolder, QStringLiteral("SVCHART.cfg"));
}

int ReadChartCfg(const QString& dataFolder, ChartSettings& settings)
{
    settings = ChartSettings{};
    QFile file(ChartSettingsPath(dataFolder));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kChartSettingsSize)
        return 0;
    ChartSettings read{};
    const qint64 n = file.read(reinterpret_cast<char*>(&read), kChartSettingsSize);
    if (n < 0 || n != file.size())
        return 0;
    settings = read;
    return 1;
}

bool WriteChartCfg(const QString& dataFolder, const ChartSettings& settings)
{
    return wellfile::WriteWholeFile(ChartSettingsPath(dataFolder), &settings, sizeof settings);
}

QRect PlaceChartWindow(const ChartSettings& s, int screenWidth, int screenHeight, int screens)
{
    const int top = s.windowTop >= screenHeight ? 100 : s.windowTop;
    const int left = screens <= 1 && s.windowLeft > screenWidth ? 20 : s.windowLeft;
    return QRect(left, top, std::max(s.windowWidth, 250), std::max(s.windowHeight, 250));
}

}  // namespace gasmon
