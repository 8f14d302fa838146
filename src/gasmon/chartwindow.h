#pragma once
// The main window's side of the day chart files and of the chart settings: the open well's chart folder,
// its well name, copy switches and remote view taken from the window's state. The chart window, the gas
// monitor setup's exports and the archive code call these.
#include "gasmon/chartfile.h"
#include "gasmon/chartsettings.h"

#include <QString>

#include <span>

namespace app {
struct LogState;
}

namespace gasmon {

// The open well's chart folder (its own folder's "chart/", which while drilling is the data folder's),
// name, copy switches and remote view.
ChartPlace ChartPlaceOf(const app::LogState& log);

// WriteChartRecords, ReadChartFile and ReadTodayChart of chartfile.h for the open well.
int WriteChartRecords(app::LogState& log, const CHARTRECORD* records, const QString& path, int count);
int ReadChartFile(app::LogState& log, std::span<CHARTRECORD> destination, int first, int count,
                  const QString& path = {});
int ReadTodayChart(app::LogState& log, std::span<CHARTRECORD> destination, int first, int count);

// The chart settings of the data folder (see gasmon::ReadChartCfg): 1 when read.
int ReadChartCfg(const app::LogState& log, ChartSettings& settings);
// Writes the chart settings into the data folder, then keeps the folder of the chart's day file
// `chartFile` in the well's settings record (empty while drilling). 1 when both were written.
int SaveChartCfg(app::LogState& log, const ChartSettings& settings, const QString& chartFile);

// The chart's day file becomes the main window's current chart file; a new one starts the file-changed
// test afresh.
void KeepCurrentChartFile(app::LogState& log, const QString& path);
// True when `path` is the current chart file (whatever its letter case) and its last-write time differs
// from the one kept at the previous call; the first call after the file was set only keeps the time.
bool ChartFileChanged(app::LogState& log, const QString& path);

}  // namespace gasmon
