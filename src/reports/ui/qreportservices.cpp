// The short report dialog as the main window's report services open it: from the short report command
// and from a right click on a short report's box.
#include "app/logstate.h"
#include "reports/ui/qreportdlg.h"
#include "reports/ui/reportwindowservices.h"

namespace reports {

void ReportWindowServices::RunShortReportDialog(app::LogState& log, int reportIndex)
{
    QREPORTDLG dialog(window_.data(), log, reportIndex, [&log] {
        log.view.Invalidate();
    });
    dialog.Execute();
    // The slot numbers the dialog wrote over the log go with it: the paint starts from a cleared window.
    log.view.InvalidateErased();
}

}  // namespace reports
