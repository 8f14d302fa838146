// The tops editor as the main window's entry services open it.
#include "app/logstate.h"
#include "entry/ui/memodlg.h"
#include "entry/ui/topsdlg.h"
#include "platform/winapi.h"
#include "print/print_services.h"
#include "shell/ui/entrywindowservices.h"
#include "shell/ui/logwindow.h"

namespace shell {

int EntryWindowServices::RunTopsDialog(app::LogState& log)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    if (!main)
        return int(platform::IDCANCEL);
    entry::TopsDlgHost host;
    host.rebuildMenu = [main] { main->BuildMenu(-1); };
    host.repaint = [main] { main->InvalidateLog(); };
    host.writeMemoLabels = [&log] { entry::WriteMemoLabels(log, false); };
    host.printTopsList = [main, &log] { print::PrintTopsList(*main->Neighbours().print, log); };
    host.shellOpen = [main](const QString& path) { main->ShellOpen(path, 1); };
    entry::TopsDlg dialog(main, log, std::move(host));
    const int result = dialog.Execute();
    // However it closed, the slot numbers it wrote over the log go with it.
    main->InvalidateErased();
    return result == platform::IDOK || dialog.Saved() ? int(platform::IDOK) : int(platform::IDCANCEL);
}

}  // namespace shell
