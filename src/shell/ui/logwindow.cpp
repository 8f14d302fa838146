#include "shell/ui/logwindow.h"

#include "app/activitylines.h"
#include "app/commandids.h"
#include "app/notes.h"
#include "app/tracksettingsof.h"
#include "app/ui/vertnoteedit.h"
#include "drilling/driller.h"
#include "drilling/drillingcommands.h"
#include "drilling/ui/statuswindow.h"
#include "elog/ui/elogwindowservices.h"
#include "exchange/liveupdate.h"
#include "exchange/ui/exchangewindowservices.h"
#include "gasmon/gasmonitor.h"
#include "logview/draw/viewbitmaps.h"
#include "shell/draw/viewpainters.h"
#include "logview/ui/logview.h"
#include "platform/messagewindows.h"
#include "platform/text.h"
#include "platform/winapi.h"
#include "print/ui/printwindowservices.h"
#include "reports/ui/reportwindowservices.h"
#include "shell/ui/chartwindowservices.h"
#include "shell/ui/drillingwindowservices.h"
#include "shell/ui/entrywindowservices.h"
#include "shell/ui/horzwindowservices.h"
#include "shell/ui/menuletters.h"
#include "shell/ui/witswindowservices.h"
#include "shell/viewcommands.h"
#include "wellfile/copyout.h"
#include "wellfile/wholefile.h"
#include "wits/witscommands.h"
#include "wits/witshost.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <thread>

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

LogWindow::LogWindow(QWidget* parent, const QString& title) : QMainWindow(parent)
{
    setWindowTitle(title);
    setMouseTracking(true);
    state_.env.charWidth = fontMetrics().averageCharWidth();
    new MenuLetters(this, [this] { return menuBar(); });

    // The timers are the window's: they die with it, so their callback never outlives `this`.
    timers_ = platform::services().timers->Create([this](int id) { EvTimer(id); });
    state_.timers = timers_.get();
    // The communication library's notices (gas monitor answers, WITS text) arrive as posted messages.
    state_.window = platform::RegisterMessageWindow(
        [this](unsigned msg, std::uintptr_t w, std::intptr_t l) { HandleMessage(msg, w, l); });

    // Accelerator table 1: Alt+D sends its command, which no table answers.
    auto* altD = new QAction(this);
    altD->setShortcut(QKeySequence(Qt::ALT | Qt::Key_D));
    connect(altD, &QAction::triggered, this, [this] { EvCommand(app::cmd::AltD); });
    addAction(altD);

    wellfile::DataFileHooks& hooks = state_.well.file.hooks;
    hooks.copyWellFileOut = [this](const QString& extension) {
        const wellfile::OpenWell& well = state_.well.file;
        wellfile::CopyWellFileOut(well.dataFolder, well.wellName, extension, {},
                                  exchange::CopyOutFoldersOf(state_.well, state_.env.sharedFolder));
    };
    // Every side file of the well saved on this thread is published while live update is on.
    savedFileListener_ = wellfile::AddSavedFileListener([this, gui = std::this_thread::get_id()](const QString& path) {
        if (std::this_thread::get_id() == gui)
            exchange::PublishSavedFile(state_.well, state_.env.sharedFolder, path);
    });
    hooks.setCaption = [this](const QString& caption) {
        state_.well.captionText = caption;
        setWindowTitle(caption);
    };
    hooks.writeActivityLog = [this](const QString& line) {
        app::WriteActivityLine(state_, platform::ToCp1252(line).toStdString());
    };

    bitmaps_ = std::make_unique<logview::ViewBitmaps>();
    state_.view.bitmaps = bitmaps_.get();
    painters_ = std::make_unique<app::ViewPainters>();
    state_.view.painters = painters_.get();
    painters_->trackSettings = [this] { return app::TrackSettingsOf(state_); };
    painters_->trackState = &state_.trackPainters;
    painters_->tops = [this] { return app::TopsViewOf(state_); };
    painters_->memos = [this] { return app::MemoSourceOf(state_); };
    painters_->shortReports = [this] {
        return state_.well.config.hideShortReports ? nullptr : &state_.shortReports;
    };
    painters_->pictures = [this] {
        elog::PictureSource source;
        source.table = &state_.pictures;
        source.wellName = state_.well.file.wellName;
        // Said once the paint is over, never from inside it.
        source.failed = [this](const QString& text, const QString&) {
            if (state_.view.paintFailure.isEmpty()) {
                state_.view.paintFailure = text;
                state_.view.paintFailureUncaptioned = true;
            }
        };
        return source;
    };
    painters_->curveValueSettings = [this] { return app::CurveValueSettingsOf(state_); };
    painters_->customTrackWindow = [this] {
        tracks::CustomTrackWindow w = app::CustomTrackWindowOf(state_);
        w.iconic = isMinimized();
        w.strips = &bitmaps_->grid;
        return w;
    };
    state_.view.invalidate = [this] { InvalidateLog(); };
    state_.view.updateArea = [this](int left, int top, int right, int bottom) {
        update(left, ClientTop() + top, right - left, bottom - top);
    };
    noteEdit_ = std::make_unique<NoteEditWindow>(this, state_, tools_.memoEdit, [this] { return ClientTop(); });
    state_.notes.edit = noteEdit_.get();
    state_.notes.horizontalViewOpen = [this] { return !tools_.horzView.isNull(); };
    logView_ = std::make_unique<logview::LogView>();
    neighbours_.logview = logView_.get();
    logview::ListenForChangedRows(state_, *logView_);
    logview::MouseWindow mouse;
    mouse.window = this;
    mouse.clientTop = [this] { return ClientTop(); };
    mouse.verticalScroll = [this](int code) { EvVScroll(code, 0); };
    mouse.reports = [this] { return neighbours_.reports; };
    mouse.entry = [this] { return neighbours_.entry; };
    mouse.textViewsOpen = [this] { return !tools_.dataAsText.isNull() || !tools_.elogAsText.isNull(); };
    mouse.labelGases = [this](std::int32_t depth) { LabelGasesAt(depth); };
    mouse.elogReadout = [this](std::int32_t depth) { return neighbours_.elog->ShowElogReadout(state_, depth); };
    mouse.depthBarPosition = [this](int position) {
        if (depthBar_) {
            const QSignalBlocker quiet(depthBar_);
            depthBar_->setSliderPosition(position);
        }
    };
    mouse.shellOpen = [this](const QString& path) { return ShellOpen(path); };
    mouse.capture = [this](bool on) { on ? grabMouse() : releaseMouse(); };
    mouse.applyDragGas = [this] { ApplyDragGas(); };
    logView_->SetMouseWindow(std::move(mouse));

    witsLink_ = std::make_unique<wits::WitsCommands>(*neighbours_.wits, wellServices_, wits::LinkWindowOf(*this));
    neighbours_.wits = witsLink_.get();
    witsWindows_ = std::make_unique<wits::WitsWindowServices>(this, *neighbours_.wits);
    witsWindows_->Install(state_);
    neighbours_.wits = witsWindows_.get();
    entryWindows_ = std::make_unique<entry::EntryWindowServices>(this, *neighbours_.entry);
    neighbours_.entry = entryWindows_.get();
    printWindows_ = std::make_unique<print::PrintWindowServices>(this, *neighbours_.print);
    printWindows_->reloadMemos = [this](app::LogState& log) { wellServices_.view->LoadMemos(log); };
    neighbours_.print = printWindows_.get();
    reportWindows_ = std::make_unique<reports::ReportWindowServices>(this, *printWindows_);
    neighbours_.reports = reportWindows_.get();
    exchangeWindows_ = std::make_unique<exchange::ExchangeWindowServices>(this, *neighbours_.exchange);
    neighbours_.exchange = exchangeWindows_.get();
    horzWindows_ = std::make_unique<horizontal::HorzWindowServices>(this);
    neighbours_.horizontal = horzWindows_.get();
    elogWindows_ = std::make_unique<elog::ElogWindowServices>(this, *neighbours_.elog, &tools_.elogReadout);
    elogWindows_->dataFileBusy = [this] { return DataFileBusy(); };
    elogWindows_->setLogFormat = [this](int rowHeight) { SetLogFormat(state_.well.loggerId, rowHeight); };
    elogWindows_->buildGridBitmaps = [this] { wellServices_.view->BuildGridBitmaps(state_); };
    elogWindows_->rebuildMenu = [this] { BuildMenu(-1); };
    neighbours_.elog = elogWindows_.get();

    gasMonitor_ = std::make_unique<gasmon::GasMonitorCommands>(gasmon::MonitorWindowOf(*this));
    gasWindows_ = std::make_unique<gasmon::ChartWindowServices>(this, *gasMonitor_);
    neighbours_.gasmon = gasWindows_.get();

    drilling_ = std::make_unique<drilling::DrillingCommands>(otherLinks_, wellServices_);
    neighbours_.drilling = drilling_.get();
    drillingStatus_ = std::make_unique<drilling::DrillingStatusWindow>(
        *this, state_, [this] { return ClientTop(); }, [this](int id) { MenuCommand(id); });
    drilling::InstallDrillingWindows(*this, *drilling_, *drillingStatus_);
    drilling_->peers = {drillingStatus_.get(), drillingStatus_.get(), drillingStatus_.get(), &drillingFiles_,
                        &lagHandover_};
    painters_->drillingStatus = [this](const logview::PaintTarget& t) { drillingStatus_->DrawBand(t.dc, t.geometry); };

    AssignMenu(1);
    // The defaults only: the start-up proper (SetupWindow) runs once the application has the window.
    app::ApplySetupDefaults(state_);
    InstallWellServices();
    InstallLayoutHosts();
}

LogWindow::~LogWindow()
{
    wellfile::RemoveSavedFileListener(savedFileListener_);
    CloseGasChart();  // the chart saves its settings from the window's state, which goes with the window
    if (witsLink_ && witsLink_->engine())
        witsLink_->StopLink(state_);
    if (witsLink_)
        witsLink_->StopCustomLink(state_);
    platform::UnregisterMessageWindow(state_.window);
    for (const QPointer<QMenuBar>& bar : retiredMenuBars_)
        delete bar.data();
    timers_.reset();
    state_.engines.StopWorkers();
}

void LogWindow::AssignMenu(int resource)
{
    // The resource as it comes, fixed items and all, whatever the last well deleted from it; the caller
    // builds it for the well next (BuildMenu(-1)).
    state_.view.menuResource = resource;
    menu_ = app::MenuBar::Resource(resource);
    MirrorMenuBar();
}

bool LogWindow::EvCommand(int id)
{
    // A view function under way holds back only the commands that would change the view under it.
    if (state_.interaction.commandLock) {
        switch (app::WhileViewBusy(id)) {
        case app::ViewBusyAnswer::Beeps: platform::MessageBeep(0); return true;
        case app::ViewBusyAnswer::Silent: return true;
        case app::ViewBusyAnswer::Runs: break;
        }
    }
    return Commands().Dispatch(*this, id);
}

void LogWindow::PostMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam)
{
    // A message may be delivered after the window is gone: the guard drops it then.
    QPointer<LogWindow> self(this);
    platform::MessageQueue* queue = platform::services().queue;
    (queue ? *queue : platform::RealMessageQueue()).Post([self, msg, wParam, lParam] {
        if (self)
            self->HandleMessage(msg, wParam, lParam);
    });
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
