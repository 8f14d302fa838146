// The memo and note dialogs as the main window's entry services open them.
#include "app/logstate.h"
#include "app/notes.h"
#include "entry/ui/htextdlg.h"
#include "entry/ui/memodlg.h"
#include "platform/winapi.h"
#include "shell/ui/entrywindowservices.h"
#include "shell/ui/logwindow.h"

namespace shell {

int EntryWindowServices::RunMemoDialog(app::LogState& log, int index)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    if (!main)
        return int(platform::IDCANCEL);
    int result = int(platform::IDCANCEL);
    {
        entry::MEMODLG dialog(main, log, index, [main] { main->InvalidateLog(); });
        result = dialog.Execute();
    }
    app::LoadMemos(log);
    main->InvalidateErased();  // the slot numbers the dialog wrote over the log go with it
    return result;
}

int EntryWindowServices::RunNoteDialog(app::LogState& log, std::vector<wellfile::HTEXTEX>& notes, int index, int& count)
{
    entry::HTEXTDLG dialog(window_.data(), log, notes, index, &count);
    return dialog.Execute();
}

}  // namespace shell
