// The test-gas and outline dialogs as the main window's entry services open them.
#include "entry/ui/gaspercdlg.h"
#include "entry/ui/outlinedlg.h"
#include "shell/ui/entrywindowservices.h"
#include "shell/ui/logwindow.h"

namespace shell {

void EntryWindowServices::RunTestGasDialog(app::LogState& log, wellfile::RECORD& last)
{
    entry::GasPercDlg dialog(window_.data(), log, last);
    dialog.Execute();
}

void EntryWindowServices::RunOutLineDialog(app::LogState& log)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    entry::OutLineDlg dialog(window_.data(), log, [main] {
        if (main)
            main->PaintLog();
    });
    dialog.Execute();
}

}  // namespace shell
