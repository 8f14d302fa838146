// The window's water saturation: the set-up dialog of the "&Sw..." command and the read-out's table.
#include "app/logstate.h"
#include "elog/curves.h"
#include "elog/ui/elogwindowservices.h"
#include "elog/ui/swdialogs.h"

namespace elog {

void ElogWindowServices::RunWaterSaturation(app::LogState& log, std::int32_t viewTop)
{
    Curves* curves = log.engines.elogCurves.get();
    if (!curves || curves->Count() == 0)
        return;
    SWDlg dlg(window_, *curves, viewTop);
    dlg.Execute();
}

int ElogWindowServices::ShowElogReadout(app::LogState& log, std::int32_t depth)
{
    return elog::ShowElogReadout(log, window_, readoutSlot_ ? *readoutSlot_ : ownReadout_, depth);
}

}  // namespace elog
