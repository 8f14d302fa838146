#pragma once
// A new well after the old one is finished: the old well archived, the working folders cleared of it,
// the new data file written and opened, the old file set moved (or copied) into its archive folder.
// Also the blank data file of evenly spaced records.
#include "gasmon/gasmoncfg.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

namespace app {
struct WellState;
}

namespace exchange {

// New from the new-file dialog (exchange::ExchangeServices::ArchiveFiles) is built from these. The new
// data file is written first under a temporary name; only then (the old well still open) the well is
// archived (not for profiles 21 and 86), its ".grdx" (custom tracks in use) and, for profiles 21 and 86,
// its ".sch" copied to the new name, the gas monitor's running values reset, "archives/<old>/" made and
// the working folders cleared. Then the new file is renamed in, its settings saved and opened with a
// custom-data file for its range, the old file set moved (`info.keepCopy`) or copied into
// "archives/<old>/" (profiles 21 and 86: deleted, and the first "*.tpl" copied to the shared folder),
// the WITS and error texts deleted and drilling mode switched on. A status box tells the steps.

// The old well as it was before the new one opened.
struct OldWell {
    QString dataFolder;
    QString folder;  // of its data file
    QString name;
    bool drilling = false;
    int profile = 0;
    bool customTracks = false;
    QString sharedFolder;
    gasmon::GasmonCfgPlace gasmon;
};
OldWell OldWellOf(const app::WellState& well, const QString& sharedFolder);

// The two lines of the status box.
using StatusLines = std::function<void(const QString& line1, const QString& line2)>;

// What runs while the old well is still open, once the new data file is written: the old well's files
// archived and cleared out of the working folders. False, with nothing cleared or copied, when the
// archive failed (after a message): what is cleared here is held by nothing but the archive.
bool ArchiveAndClear(const OldWell& old, const QString& newName, const StatusLines& status);

// Once the new well is open: its custom-data file made for its range, the old file set put away
// (moved with `move`, else copied) and the old well's WITS and error texts deleted.
void PutOldWellAway(const OldWell& old, app::WellState& opened, bool move);

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
