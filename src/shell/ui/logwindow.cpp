// The window's own services, which the handlers in logwindow_*.cpp call back into and which call none of
// them: numbered timers, posted messages and the routine they reach, the command dispatch through the
// table the constructor gave (logwindow_create.cpp), the message filter, the busy guard, the client area,
// and the mouse handed to the view.
#include "shell/ui/logwindow.h"

#include "drilling/drillingcommands.h"
#include "platform/messagewindows.h"
#include "platform/winapi.h"
#include "shell/viewcommands.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QStatusBar>

namespace shell {

namespace {

unsigned MouseKeys(const QMouseEvent* e)
{
    unsigned keys = 0;
    if (e->buttons() & Qt::LeftButton)
        keys |= logview::MK_LBUTTON;
    if (e->buttons() & Qt::RightButton)
        keys |= logview::MK_RBUTTON;
    if (e->modifiers() & Qt::ShiftModifier)
        keys |= logview::MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier)
        keys |= logview::MK_CONTROL;
    return keys;
}

}  // namespace

bool LogWindow::EvCommand(int id)
{
    // A view function under way holds back only the commands that would change the view under it.
    if (state_.interaction.commandLock) {
        switch (shell::WhileViewBusy(id)) {
        case shell::ViewBusyAnswer::Beeps: platform::MessageBeep(0); return true;
        case shell::ViewBusyAnswer::Silent: return true;
        case shell::ViewBusyAnswer::Runs: break;
        }
    }
    return commands_->Dispatch(*this, id);
}

void LogWindow::PostMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    // Through the window's message handle: a message delivered after the window is gone finds no
    // routine and is dropped.
    platform::PostWindowMessage(state_.window, msg, wParam, lParam);
}

bool LogWindow::HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    using namespace platform;
    switch (msg) {
    case WM_COMMAND:  // posted commands pass the same filter as the menu's
        if (PreProcessMsg(WM_COMMAND))
            return true;
        return EvCommand(int(wParam & 0xFFFF));
    case WM_TIMER: EvTimer(int(wParam)); return true;
    case MM_JOY1BUTTONDOWN:
    case MM_JOY1BUTTONUP: EvJoyButton(unsigned(wParam)); return true;
    case WM_USER + 1: EvGasResponse(wParam, lParam); return true;
    case WM_USER + 3: EvWitsData(wParam, lParam); return true;
    case WM_USER + 4: EvCustWitsData(wParam, lParam); return true;
    case WM_USER + 5: return true;  // the gas monitor's second notice needs no work
    default: return false;
    }
}

void LogWindow::SetTimer(int id, int ms) { timers_->SetTimer(id, ms); }
void LogWindow::KillTimer(int id) { timers_->KillTimer(id); }
bool LogWindow::TimerRunning(int id) const { return timers_->IsRunning(id); }

void LogWindow::EvTimer(int id) { neighbours_.drilling->EvTimer(state_, id); }
void LogWindow::EvJoyButton(unsigned buttons) { neighbours_.drilling->EvJoyButton(state_, buttons); }
int LogWindow::BackupGasMonitorConfig() { return drilling::BackupGasMonitorConfig(state_); }
void LogWindow::EvGasResponse(std::uintptr_t w, std::intptr_t l) { neighbours_.gasmon->EvGasResponse(state_, w, l); }
void LogWindow::EvWitsData(std::uintptr_t w, std::intptr_t l) { neighbours_.wits->EvWitsData(state_, w, l); }
void LogWindow::EvCustWitsData(std::uintptr_t w, std::intptr_t l) { neighbours_.wits->EvCustWitsData(state_, w, l); }

void LogWindow::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint() - QPoint(0, ClientTop());
    if (e->button() == Qt::LeftButton)
        neighbours_.logview->EvLButtonDown(state_, p.x(), p.y(), MouseKeys(e));
    else if (e->button() == Qt::RightButton)
        neighbours_.logview->EvRButtonDown(state_, p.x(), p.y(), MouseKeys(e));
    else
        QMainWindow::mousePressEvent(e);
}

void LogWindow::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint() - QPoint(0, ClientTop());
    if (e->button() == Qt::LeftButton)
        neighbours_.logview->EvLButtonUp(state_, p.x(), p.y(), MouseKeys(e));
    else
        QMainWindow::mouseReleaseEvent(e);
}

void LogWindow::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint() - QPoint(0, ClientTop());
    neighbours_.logview->EvMouseMove(state_, p.x(), p.y(), MouseKeys(e));
}

bool LogWindow::event(QEvent* e)
{
    // Another window took the mouse in the middle of a drag: its button-up will not come here.
    if (e->type() == QEvent::WindowDeactivate)
        neighbours_.logview->EvCancelMode(state_);
    // The status line is made when something is first said on it, by whichever command says it: the log
    // and its bars are laid out again above it whenever it shows, hides or changes its height.
    if (e->type() == QEvent::ChildPolished)
        if (auto* line = qobject_cast<QStatusBar*>(static_cast<QChildEvent*>(e)->child()))
            line->installEventFilter(this);
    return QMainWindow::event(e);
}

void LogWindow::mouseDoubleClickEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint() - QPoint(0, ClientTop());
    if (e->button() == Qt::LeftButton)
        neighbours_.logview->EvLButtonDblClk(state_, p.x(), p.y(), MouseKeys(e));
    else
        QMainWindow::mouseDoubleClickEvent(e);
}

bool LogWindow::PreProcessMsg(unsigned msg)
{
    const app::InteractionState& i = state_.interaction;
    const bool memo = !tools_.memoEdit.isNull();
    // A view function under way (commandLock) is no input function: its commands are sorted out by
    // EvCommand, and exit, help and the close box still work.
    if (!i.dataEntryActive && !i.dragGasActive && !memo)
        return false;
    if (msg == platform::WM_COMMAND && i.dragGasActive) {
        platform::MessageBox(QStringLiteral("Press enter or escape to terminate drag gas function \nafter closing this dialog "),
                             QStringLiteral("Input Error"), platform::MB_OK);
        return true;
    }
    if (msg == platform::WM_COMMAND && memo) {
        platform::MessageBox(QStringLiteral("You must close the Memo edit box to proceed"), QStringLiteral("Input Error"),
                             platform::MB_OK);
        return true;
    }
    if ((msg == platform::WM_COMMAND || msg == platform::WM_SYSCOMMAND) && !isMinimized()) {
        platform::MessageBeep(0);
        return true;
    }
    return false;
}

bool LogWindow::DataFileBusy() const
{
    return tools_.dataAsText || tools_.elogAsText || state_.interaction.dataEntryActive;
}

bool LogWindow::CommandGuardFails()
{
    if (!DataFileBusy())
        return false;
    platform::MessageBeep(0);
    return true;
}

int LogWindow::ClientTop() const
{
    int top = 0;
    if (const QWidget* bar = menuWidget(); bar && bar->isVisible())
        top = bar->height();
    // A bar set a moment ago (the menus are rebuilt with each change) is shown by the event loop, at the
    // height the window's layout gives it: the client area lies below it already, so that a layout made
    // meanwhile (Zoom, another well) gets the rows it will have.
    else if (bar && isVisible() && !bar->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        const int height = bar->heightForWidth(width());
        top = height >= 0 ? height : bar->sizeHint().height();
    }
    // The bar of shared wells, while shown, has its own room under the menu bar.
    if (const QWidget* bar = tools_.liveBar; bar && bar->isVisible())
        top += bar->height();
    return top;
}

int LogWindow::StatusLineHeight() const
{
    const QStatusBar* line = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly);
    return line && line->isVisible() ? line->height() : 0;
}

int LogWindow::ClientHeight() const { return height() - ClientTop() - StatusLineHeight(); }

}  // namespace shell
