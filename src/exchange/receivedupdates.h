#pragma once
// The main window's side of received updates: the caption with the time of the last update, the
// numbered partial data files applied at start-up with the open well brought up to date, and the
// received picture the user renames at start-up.
#include <QDateTime>
#include <QString>

namespace app {
struct ViewState;
struct WellState;
}
namespace wellfile {
struct OpenWell;
}

namespace exchange {

// "StrativM    <file title>...<name part> Last Updated  hh:mm, m/d/yyyy " with the name part two blanks
// for the open well, else `name`. The window's "now" is read into `now`; in the live view of a shared
// well (a remote view, `liveView`) the caption stays as it is.
void SetUpdateTitle(app::WellState& well, QDateTime& now, bool liveView, const QString& name);

// Applies the data folder's partial data files matching `pattern` (ApplyPartialUpdates); a base that is
// the open well has its depth range read again, the view put at its bottom (not for profile 23) and the
// log repainted; every base updated gets the caption. `monitorOn`: the remote monitor runs. 0 when
// nothing matched, else 1.
int ApplyPendingUpdates(app::WellState& well, const app::ViewState& view, QDateTime& now, bool monitorOn,
                        const QString& pattern);

// A received "<well>.jpg" in the data folder: the user is told why and renames it in a save-file dialog.
void RenameReceivedImage(const wellfile::OpenWell& well);

}  // namespace exchange
