#include "shell/ui/horzwindowservices.h"

#include "app/commandids.h"
#include "elog/elog_services.h"
#include "horizontal/ui/horzdlg.h"
#include "horizontal/ui/horzmouseui.h"
#include "horizontal/ui/horzsetupdlg.h"
#include "platform/services.h"
#include "shell/ui/logwindow.h"
#include "shell/ui/qbtndlg.h"

namespace shell {

namespace {

// The services in force of the main window `window`; null once it has gone.
shell::Neighbours* NeighboursOf(QWidget* window)
{
    auto* main = qobject_cast<LogWindow*>(window);
    return main ? &main->Neighbours() : nullptr;
}

}  // namespace

QWidget* HorzWindowServices::CreateView(app::LogState& log, QWidget* parent)
{
    QPointer<QWidget> window = window_;
    // Closed by its close box: the window forgets it, unchecks its menu item and sets the quick bar.
    auto closed = [window] {
        auto* main = qobject_cast<LogWindow*>(window.data());
        if (!main)
            return;
        main->Tools().horzView = nullptr;
        main->CheckMenuItem(app::cmd::HorizontalView, false);
        if (auto* bar = qobject_cast<QBTNDLG*>(main->Tools().quickBar.data()))
            bar->UpdateViewButtons(bar->Mode());
    };
    auto runSetup = [window, &log](horizontal::HorzDlg& view) {
        shell::Neighbours* n = NeighboursOf(window.data());
        return n ? n->horizontal->RunSetupDialog(log, &view, &view) : 0;
    };
    auto* view = new horizontal::HorzDlg(parent, log, closed, runSetup);
    if (!view->Create()) {
        delete view;
        return nullptr;
    }
    // The note dialog of a note placed on the view is the entry subsystem's, as the window has it.
    view->Mouse().runNoteDialog = [window, &log](std::vector<wellfile::HTEXTEX>& notes, int index, int& count) {
        shell::Neighbours* n = NeighboursOf(window.data());
        return n ? n->entry->RunNoteDialog(log, notes, index, count) : 0;
    };
    return view;
}

int HorzWindowServices::LoadAndDraw(app::LogState&, QWidget* view, int first)
{
    auto* v = qobject_cast<horizontal::HorzDlg*>(view);
    const int drawn = v ? v->LoadAndDraw(first) : 0;
    // A drawn view is the quick bar's horizontal mode: its button offers to hide the view.
    if (auto* main = qobject_cast<LogWindow*>(window_.data()); main && drawn > 0)
        if (auto* bar = qobject_cast<QBTNDLG*>(main->Tools().quickBar.data()))
            bar->UpdateViewButtons(1);
    return drawn;
}

bool HorzWindowServices::CloseChildWindow(QWidget* view)
{
    auto* v = qobject_cast<horizontal::HorzDlg*>(view);
    QWidget* child = v ? v->ChildDialog() : nullptr;
    if (!child)
        return false;
    if (auto* dialog = qobject_cast<platform::Dialog*>(child))
        dialog->EndDialog(2);
    else
        child->close();
    return true;
}

void HorzWindowServices::CloseView(app::LogState&, QWidget* view)
{
    if (auto* v = qobject_cast<horizontal::HorzDlg*>(view))
        v->CloseView();
}

int HorzWindowServices::ApplySetup(app::LogState&, QWidget* view)
{
    auto* v = qobject_cast<horizontal::HorzDlg*>(view);
    return v ? v->ApplySetup() : 0;
}

int HorzWindowServices::RunSetupDialog(app::LogState& log, QWidget* parent, QWidget* view)
{
    if (log.well.file.wellName.isEmpty()) {  // no well: no ".hor" to set up
        platform::MessageBeep(0);
        return 0;
    }
    horizontal::HorzSetupDlg dialog(parent, log);
    dialog.runTvdDialog = [window = window_, &log](std::span<wellfile::RECORD> records) {
        if (shell::Neighbours* n = NeighboursOf(window.data()))
            n->elog->RunTvdDialog(log, records, 1);  // survey mode
    };
    auto* v = qobject_cast<horizontal::HorzDlg*>(view);
    if (v) {
        v->SetSetupDialog(&dialog);
        dialog.redrawView = [v] { v->LoadAndDraw(0); };
    }
    const int result = dialog.Execute();
    if (v)
        v->SetSetupDialog(nullptr);
    return result;
}

bool HorzWindowServices::ToggleSurveyDisplay(app::LogState&, QWidget* view)
{
    auto* v = qobject_cast<horizontal::HorzDlg*>(view);
    return v && v->ToggleSurveyDisplay();
}

}  // namespace shell
