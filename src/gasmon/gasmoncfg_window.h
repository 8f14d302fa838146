#pragma once
// The main window's side of the gas monitor settings: the record in the open well's folder, its backup
// copy on the well configuration's backup drive.
#include "gasmon/gasmoncfg.h"

namespace app {
struct LogState;
struct WellState;
}

namespace gasmon {

GasmonCfgPlace GasmonCfgPlaceOf(const app::LogState& log);
GasmonCfgPlace GasmonCfgPlaceOf(const app::WellState& well);

// LogWindow::ReadGasmonCfg and LogWindow::WriteGasmonCfg (see gasmon/gasmoncfg.h).
int ReadGasmonCfg(const app::LogState& log, GASMONCFG& cfg);
int WriteGasmonCfg(const app::LogState& log, const GASMONCFG& cfg);

}  // namespace gasmon
