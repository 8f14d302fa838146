#include "entry/ui/entrywindowservices.h"

#include "app/logstate.h"
#include "app/notbuilt.h"
#include "app/ui/logwindow.h"
#include "entry/entrycommand.h"
#include "entry/ui/enterrate.h"
#include "logview/logview_services.h"
#include "platform/winapi.h"

namespace entry {

EntryWindowServices::EntryWindowServices(QWidget* window, EntryServices& rest) : window_(window), rest_(rest) {}

void EntryWindowServices::CmEnterRates(app::LogState& log) { Run(log, EntryKind::Rates); }
void EntryWindowServices::CmEnterLithology(app::LogState& log) { Run(log, EntryKind::Lithology); }
void EntryWindowServices::CmEnterGas(app::LogState& log) { Run(log, EntryKind::Gas); }
void EntryWindowServices::CmEnterShows(app::LogState& log) { Run(log, EntryKind::Shows); }

void EntryWindowServices::Run(app::LogState& log, EntryKind kind)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    if (!main)
        return;
    EntryHost host;
    host.dataTextOpen = [main] { return !main->Tools().dataAsText.isNull(); };
    host.elogTextOpen = [main] { return !main->Tools().elogAsText.isNull(); };
    host.askInput = [main](const QString& title, const QString& prompt, QString& buffer, int size) {
        return main->AskInput(title, prompt, buffer, size);
    };
    host.paintNow = [main] { main->PaintLog(); };
    host.runDialog = [main](app::LogState& s, EntryKind k, wellfile::WellConfig*) {
        switch (k) {
        case EntryKind::Rates: {
            EnterRate dialog(main, s, [main, &s](std::int32_t depth) {
                main->Neighbours().logview->RepaintRows(s, depth, 1, logview::ROW_RATE);
            });
            return dialog.Execute();
        }
        case EntryKind::Shows: app::NotBuilt("entry", "EnterShow"); break;
        case EntryKind::Gas: app::NotBuilt("entry", "LogGasInput"); break;
        case EntryKind::Lithology: app::NotBuilt("entry", "EnterLithDlg"); break;
        }
        return int(platform::IDCANCEL);
    };
    RunEntryCommand(log, kind, host);
}

}  // namespace entry
