#include "gasmon/chartwindow.h"

#include "app/logstate.h"
#include "app/wellsettings.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "wellfile/changewatch.h"

#include <QFileInfo>

namespace gasmon {

ChartPlace ChartPlaceOf(const app::LogState& log)
{
    const wellfile::OpenWell& well = log.well.file;
    ChartPlace place;
    const QString folder = well.currentFolder.isEmpty() ? well.dataFolder : well.currentFolder;
    place.chartFolder = platform::FindFileNoCase(folder, QStringLiteral("chart"));
    place.wellName = well.wellName;
    place.copyOn = well.secondFolderOption && well.copyOut;
    place.copyFolder = well.copyOutFolder;
    place.remoteView = log.witsChart.viewingStation[0] || log.witsChart.viewingStation[1];
    return place;
}

int WriteChartRecords(app::LogState& log, const CHARTRECORD* records, const QString& path, int count)
{
    return WriteChartRecords(ChartPlaceOf(log), records, count, path);
}

int ReadChartFile(app::LogState& log, std::span<CHARTRECORD> destination, int first, int count, const QString& path)
{
    return ReadChartFile(ChartPlaceOf(log), destination, first, count, path);
}

int ReadTodayChart(app::LogState& log, std::span<CHARTRECORD> destination, int first, int count)
{
    return ReadTodayChart(ChartPlaceOf(log), destination, first, count);
}

int ReadChartCfg(const app::LogState& log, ChartSettings& settings)
{
    return ReadChartCfg(log.well.file.dataFolder, settings);
}

int SaveChartCfg(app::LogState& log, const ChartSettings& settings, const QString& chartFile)
{
    if (!WriteChartCfg(log.well.file.dataFolder, settings))
        return 0;
    // Another station opens the chart where this one left it, unless it follows a drilling well.
    const QString folder = chartFile.isEmpty() ? QString() : QFileInfo(chartFile).absolutePath() + QLatin1Char('/');
    const std::string text = log.well.file.drilling ? std::string() : platform::ToCp1252(folder).toStdString();
    const std::optional<wellfile::WellConfig> saved = app::UpdateWellConfig(log, [&text](wellfile::WellConfig& c) {
        platform::SetFieldText(c.chartFolder, text);
        return true;
    });
    if (!saved)
        return 0;
    log.well.config = *saved;
    return 1;
}

void KeepCurrentChartFile(app::LogState& log, const QString& path) { wellfile::Watch(log.well.watches.chart, path); }

bool ChartFileChanged(app::LogState& log, const QString& path)
{
    return wellfile::WatchedFileChanged(log.well.watches.chart, path);
}

}  // namespace gasmon
