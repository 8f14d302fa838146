#include "entry/ui/entrywindowservices.h"

#include "app/logstate.h"
#include "app/notbuilt.h"
#include "app/ui/logwindow.h"
#include "entry/entrycommand.h"
#include "entry/ui/enterlithdlg.h"
#include "entry/ui/enterrate.h"
#include "entry/ui/entershow.h"
#include "logview/logview_services.h"
#include "platform/winapi.h"

#include <QScreen>

#include <algorithm>

namespace entry {

namespace {

// An entry dialog stands beside the log, so that the rows being typed stay in sight: right of the
// window when the screen has room there, else over the window's right part, level with the log's top.
void PlaceBesideLog(QWidget& dialog, LogWindow& main)
{
    dialog.adjustSize();
    const QSize size = dialog.size();
    const QPoint topLeft = main.mapToGlobal(QPoint(0, 0));
    const QRect screen = main.screen() ? main.screen()->availableGeometry() : QRect();
    int x = topLeft.x() + main.width() + 4;
    if (!screen.isEmpty() && x + size.width() > screen.right())
        x = std::max(screen.left(), screen.right() - size.width());
    int y = topLeft.y() + main.State().layout.format.logAreaTop;
    if (!screen.isEmpty())
        y = std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() - size.height()));
    dialog.move(x, y);
}

}  // namespace

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
            PlaceBesideLog(dialog, *main);
            return dialog.Execute();
        }
        case EntryKind::Shows: {
            EnterShow dialog(main, s, [main, &s](std::int32_t depth, int rows) {
                main->Neighbours().logview->RepaintRows(s, depth, rows, logview::ROW_SHOWS);
            });
            PlaceBesideLog(dialog, *main);
            return dialog.Execute();
        }
        case EntryKind::Lithology: {
            EnterLithDlg dialog(main, s, main, main->Tools().lithologyHelp, [main, &s](std::int32_t depth) {
                main->Neighbours().logview->RepaintRows(s, depth, 1, logview::ROW_LITHOLOGY);
            });
            PlaceBesideLog(dialog, *main);
            return dialog.Execute();
        }
        case EntryKind::Gas: app::NotBuilt("entry", "LogGasInput"); break;
        }
        return int(platform::IDCANCEL);
    };
    RunEntryCommand(log, kind, host);
}

}  // namespace entry
