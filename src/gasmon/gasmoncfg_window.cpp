#include "gasmon/gasmoncfg_window.h"

#include "app/logstate.h"
#include "platform/text.h"

namespace gasmon {

GasmonCfgPlace GasmonCfgPlaceOf(const app::LogState& log) { return GasmonCfgPlaceOf(log.well); }

GasmonCfgPlace GasmonCfgPlaceOf(const app::WellState& well)
{
    return {well.file.currentFolder,
            platform::FromCp1252(QByteArray::fromStdString(platform::FieldText(well.config.backupDrive)))};
}

int ReadGasmonCfg(const app::LogState& log, GASMONCFG& cfg) { return ReadGasmonCfg(cfg, GasmonCfgPlaceOf(log)); }

int WriteGasmonCfg(const app::LogState& log, const GASMONCFG& cfg) { return WriteGasmonCfg(cfg, GasmonCfgPlaceOf(log)); }

}  // namespace gasmon
