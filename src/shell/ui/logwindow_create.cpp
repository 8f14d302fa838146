// The window's making, the top of its files: the constructor gives the command dispatch its table
// (logwindow_commandtable.cpp), wires the view, the subsystems' windows, the layout hosts and the bars to
// the handlers in the other logwindow_*.cpp, and the destructor stops what it started. Nothing calls into
// this file but the window's maker.
#include "shell/ui/logwindow.h"

#include "app/activitylines.h"
#include "app/commandids.h"
#include "app/layouthosts.h"
#include "app/notes.h"
#include "app/opendatafile.h"
#include "app/ui/vertnoteedit.h"
#include "app/wellsettings.h"
#include "drilling/driller.h"
#include "drilling/drillingcommands.h"
#include "drilling/ui/statuswindow.h"
#include "elog/elog_services.h"
#include "elog/schemehost.h"
#include "elog/ui/elogwindowservices.h"
#include "exchange/liveupdate.h"
#include "exchange/ui/exchangewindowservices.h"
#include "gasmon/gasmonitor.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/ui/logview.h"
#include "platform/messagewindows.h"
#include "platform/services.h"
#include "platform/text.h"
#include "print/ui/printwindowservices.h"
#include "reports/ui/reportwindowservices.h"
#include "shell/draw/viewpainters.h"
#include "shell/ui/chartwindowservices.h"
#include "shell/ui/drillingwindowservices.h"
#include "shell/ui/entrywindowservices.h"
#include "shell/ui/horzwindowservices.h"
#include "shell/ui/menuletters.h"
#include "shell/ui/witswindowservices.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/copyout.h"
#include "wellfile/settingsblock.h"
#include "wellfile/wholefile.h"
#include "wits/witscommands.h"
#include "wits/witshost.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>

#include <memory>
#include <thread>

namespace shell {

LogWindow::LogWindow(QWidget* parent, const QString& title) : QMainWindow(parent)
{
    commands_ = &Commands();
    barLinks_ = BarLinks();
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
    painters_ = std::make_unique<shell::ViewPainters>();
    state_.view.painters = painters_.get();
    painters_->trackSettings = [this] { return tracks::TrackSettingsOf(state_); };
    painters_->trackState = &state_.trackPainters;
    painters_->tops = [this] { return tracks::TopsViewOf(state_); };
    painters_->memos = [this] { return entry::MemoSourceOf(state_); };
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
    painters_->curveValueSettings = [this] { return tracks::CurveValueSettingsOf(state_); };
    painters_->customTrackWindow = [this] {
        tracks::CustomTrackWindow w = tracks::CustomTrackWindowOf(state_);
        w.iconic = isMinimized();
        w.strips = &bitmaps_->grid;
        return w;
    };
    state_.view.invalidate = [this] { InvalidateLog(); };
    state_.view.updateArea = [this](int left, int top, int right, int bottom) {
        update(left, ClientTop() + top, right - left, bottom - top);
    };
    noteEdit_ = std::make_unique<app::NoteEditWindow>(this, state_, tools_.memoEdit, [this] { return ClientTop(); });
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

    witsLink_ = std::make_unique<wits::WitsCommands>(*neighbours_.wits, wellServices_, shell::LinkWindowOf(*this));
    neighbours_.wits = witsLink_.get();
    witsWindows_ = std::make_unique<shell::WitsWindowServices>(this, *neighbours_.wits);
    witsWindows_->Install(state_);
    neighbours_.wits = witsWindows_.get();
    entryWindows_ = std::make_unique<shell::EntryWindowServices>(this, *neighbours_.entry);
    neighbours_.entry = entryWindows_.get();
    printWindows_ = std::make_unique<print::PrintWindowServices>(this, *neighbours_.print);
    printWindows_->reloadMemos = [this](app::LogState& log) { wellServices_.view->LoadMemos(log); };
    neighbours_.print = printWindows_.get();
    reportWindows_ = std::make_unique<reports::ReportWindowServices>(this, *printWindows_);
    neighbours_.reports = reportWindows_.get();
    exchangeWindows_ = std::make_unique<exchange::ExchangeWindowServices>(this, *neighbours_.exchange);
    neighbours_.exchange = exchangeWindows_.get();
    horzWindows_ = std::make_unique<shell::HorzWindowServices>(this);
    neighbours_.horizontal = horzWindows_.get();
    elogWindows_ = std::make_unique<elog::ElogWindowServices>(this, *neighbours_.elog, &tools_.elogReadout);
    elogWindows_->dataFileBusy = [this] { return DataFileBusy(); };
    elogWindows_->setLogFormat = [this](int rowHeight) { SetLogFormat(state_.well.loggerId, rowHeight); };
    elogWindows_->buildGridBitmaps = [this] { wellServices_.view->BuildGridBitmaps(state_); };
    elogWindows_->rebuildMenu = [this] { BuildMenu(-1); };
    neighbours_.elog = elogWindows_.get();

    gasMonitor_ = std::make_unique<gasmon::GasMonitorCommands>(shell::MonitorWindowOf(*this));
    gasWindows_ = std::make_unique<shell::ChartWindowServices>(this, *gasMonitor_);
    neighbours_.gasmon = gasWindows_.get();

    drilling_ = std::make_unique<drilling::DrillingCommands>(otherLinks_, wellServices_);
    neighbours_.drilling = drilling_.get();
    drillingStatus_ = std::make_unique<drilling::DrillingStatusWindow>(
        *this, state_, [this] { return ClientTop(); }, [this](int id) { MenuCommand(id); });
    shell::InstallDrillingWindows(*this, *drilling_, *drillingStatus_);
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

shell::BarLinks LogWindow::BarLinks()
{
    shell::BarLinks links;
    links.window = this;
    links.state = &state_;
    links.tools = &tools_;
    links.neighbours = &neighbours_;
    links.runCommand = [this](int id) { EvCommand(id); };
    links.focusLog = [this] { GiveFocusBack(); };
    links.invalidateLog = [this] { InvalidateLog(); };
    links.redrawLog = [this] { MarkRedraw(); };
    links.toggleCustomTracks = [this] { ToggleCustomTracks(); };
    links.clientTopChanged = [this] { ClientTopChanged(); };
    links.openSharedWell = [this](const QString& path, const QString& timeText) {
        return shell::OpenSharedWell(*this, path, timeText);
    };
    return links;
}

void LogWindow::InstallLayoutHosts()
{
    app::LogState& s = state_;

    layout::SchemeHost& sh = s.layout.schemeHost;
    sh.loadConfig = [this](wellfile::WellConfig& c) {
        return wellfile::LoadConfig(c, app::PlaceOf(state_), state_.well.fieldSettings) == 1;
    };
    sh.saveConfig = [this](const wellfile::WellConfig& c) {
        if (!app::SaveWellConfig(state_, c))
            return false;
        state_.well.config = c;
        return true;
    };
    sh.saveFieldSchemesFlag = [this] {
        if (!app::SaveFieldSchemesFlag(state_))
            platform::MessageBox(QStringLiteral("The user settings could not be saved"), QStringLiteral("File Error"),
                                 platform::MB_OK);
    };
    sh.setCurveFile = [this](const QString& file, std::int32_t depthOffset) {
        state_.well.elogFileName = file;
        state_.well.elogDepthOffset = depthOffset;
        elog::PublishCurves(state_);
    };
    sh.setLogFormat = [this] { SetLogFormat(state_.well.loggerId); };
    sh.buildGridBitmaps = [this] { wellServices_.view->BuildGridBitmaps(state_); };
    sh.loadCustomTracks = [this] { LoadCustomTracks(false); };
    sh.resetCustomTracks = [this] {
        layout::ResetCustomTracks(state_.customTracks.host, state_.customTracks.data.get(), &state_.well.config);
    };
    sh.buildMenu = [this] { BuildMenu(6); };
    sh.checkSchemeMenu = [this](int scheme) {
        for (int k = 0; k <= app::cmd::SchemeLast - app::cmd::SchemeFirst; ++k)
            menu_.Check(app::cmd::SchemeFirst + k, k == scheme);
        MirrorMenuBar();
    };
    sh.markRedraw = [this] { state_.view.redrawPending = true; };
    sh.invalidate = [this] { InvalidateLog(); };
    sh.refreshGasDisplay = [this] { neighbours_.gasmon->RefreshGasDisplay(state_); };
    sh.reloadCurves = [this] { wellServices_.view->LoadElog(state_, state_.well.elogFileName); };

    layout::CustomTrackHost& ch = s.customTracks.host;
    ch.markFieldCustomTracks = [this] {
        app::UpdateDbc(state_, [](wellfile::SettingsBlock& block) { block.customTrackSource = 1; });
    };
    ch.depthAtRow = [this](int row) { return DepthAtRow(row); };
    ch.custCfgDlg = [this](layout::CUSTCHARTCFGEX& config, std::int32_t, int track) {
        return RunCustomTrackDialog(config, track);
    };
    ch.setLogFormat = [this] { SetLogFormat(state_.well.loggerId); };
    ch.buildGridBitmaps = [this] { wellServices_.view->BuildGridBitmaps(state_); };
    ch.repaint = [this] { MarkRedraw(); };

    s.lists.loadSchemeNames = [this](std::array<QString, 6>& names) { return elog::LoadSchemeNames(state_, names); };

    // The passes are ready before any well is open; opening a well installs them again with its own
    // shared-copy flag. After each pass the log is drawn again.
    wellfile::OpenWell& well = s.well.file;
    well.hooks.repaired = [this] { MarkRedraw(); };
    wellfile::InstallRepairHooks(
        wellfile::RepairTarget{well, s.well.loggerId, s.well.repair, s.well.fit, s.well.sharedFolderWell});
}

}  // namespace shell
