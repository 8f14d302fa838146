#pragma once
// Restoring the open well's data file from one of its backup copies, and the custom-data copy that
// belongs to it.
#include <QString>

#include <optional>

namespace app {
struct InteractionState;
struct ViewState;
struct WellState;
}

namespace exchange {

// The depth of the last whole depth record of the data file `path`; none when it holds no whole record
// or that record carries no depth.
std::optional<int> LastRecordDepth(const QString& path);

// Copies the custom data of the chosen backup (its path with ".svx", any letter case; else that name in
// `customFolder`, where a shared well's backups keep it) over `target` when there is one; a failed copy
// is shown (the source path, caption "SVX Restore failed"). 1 when nothing was to be done or the copy
// was made, else 0.
int RestoreCustomData(const QString& chosenBackup, const QString& target, const QString& customFolder = {});

// The Restore command: a beep while another operation holds the well (a view function, data entry, or
// the archive's send-file run: `archiving`); else a backup chosen in the data
// folder's "backup/" replaces the open data file (asking first when it belongs to another well or ends
// above the file's bottom), its custom-data copy follows, and the well is read again. The data and
// custom-data files replaced are first kept as a dated copy in "backup/"; when that copy cannot be made
// nothing is restored. The data file is replaced in one step and only by a backup whose last record reads.
// The wait cursor shows from the copies to the well read again. `sharedFolder`: this station's shared
// folder, whose "backup/" holds a shared well's custom-data copies (exchange::SharedBackupFolder).
void RestoreDataFile(app::WellState& well, app::ViewState& view, const app::InteractionState& interaction,
                     bool archiving, const QString& sharedFolder = {});

}  // namespace exchange
