#pragma once
// A new well after the old one is finished: the old well archived, the working folders cleared of it,
// the new data file written and opened, the old file set moved (or copied) into its archive folder.
// Also the blank data file of evenly spaced records.
#include "gasmon/gasmoncfg.h"

#include <QString>

#include <cstdint>
#include <string>

namespace app {
struct LogState;
struct WellServices;
}
namespace wellfile {
struct NewFileInfo;
struct WellConfig;
}

namespace exchange {

// New from the new-file dialog. The new data file is written first under a temporary name; only then
// (the old well still open) the well is archived (not for profiles 21 and 86), its ".grdx" (custom
// tracks in use) and, for profiles 21 and 86, its ".sch" copied to the new name, the gas monitor's
// running values reset, "archives/<old>/" made and the working folders cleared. Then the new file is
// renamed in, its settings saved and opened with a custom-data file for its range, the old file set
// moved (`info.keepCopy`) or copied into "archives/<old>/" (profiles 21 and 86: deleted, and the first
// "*.tpl" copied to the shared folder), the WITS and error texts deleted and drilling mode switched on.
// A status box tells the steps. 1; 0 after a message, with the old well as it was and no new file, when
// the new file could not be written or the archive failed.
int ArchiveFiles(app::LogState& log, const app::WellServices& services, const wellfile::NewFileInfo& info,
                 const wellfile::WellConfig& config);

// For a new well: the gas monitor settings at `place` ("gasmon.cfg") get their seven ratio values
// cleared and the scale value 1.0. A file that is not exactly one record long is left alone. 1 when
// rewritten.
int ResetGasmonForNewWell(const gasmon::GasmonCfgPlace& place);

// Writes `path` as bottom / 2 blank records at depths 2, 4, 6 ... bottom: rates 0.1, lithology "100BL"
// (the interpreted one too, but for the first record, which carries `companyText`), both scale codes 1.
// 1; 0 when bottom is below 2, or after "winrecord alloc failed" / "File error" (no memory) or a message
// naming the path when it cannot be written (an old file then stays).
int CreateBlankDataFile(const QString& path, std::int32_t bottom, const std::string& companyText);

}  // namespace exchange
