#pragma once
// The exchange work on the open well as the main window hands it over: the well's copy options taken
// into the window when its settings are read, today's loose daily files filed away at start-up, and
// the watches of the well's curve and data files.
#include <QString>

namespace app {
struct LogState;
class ExchangeWellServices;
}

namespace exchange {

// From the well's settings record just read: the copy-out flag (also the live-update flag), the remote
// copy of the daily WITS file and the timed copies while drilling, all off without a second data folder
// (the program's settings value "SecondDataFolder", which is then the copy-out folder).
void TakeCopyOptions(app::LogState& log);

// The exchange services of the open well that this subsystem gives: the start-up's archiving of
// today's loose ".cht" and ".wit" under the date of the window's clock record, and its copies of the
// well's file set out of the folder of the open file. The window installs it.
app::ExchangeWellServices& WellExchangeServices();

// True when `path` is the well's curve file (data folder + well + ".svc") or its open data file,
// written since the last look (see exchange::WatchedFileChanged).
bool CurveFileChanged(app::LogState& log, const QString& path);
bool DataFileChanged(app::LogState& log, const QString& path);

}  // namespace exchange
