#pragma once
// The main window: the frame on screen and the owner of the open well's state. The state lives in
// the groups of app::LogState; the window routes commands, timers and posted messages to the
// handlers, most of which hand over to the subsystem that does the work.
// Its files call one way: logwindow.cpp holds the services the others call back into (timers, posted
// messages, the dispatch, the message filter, the busy guard, the client area) and calls none of them;
// the handlers in logwindow_*.cpp call only files below their own; logwindow_create.cpp, the top, makes
// the window and wires it, and is called by nothing else.
#include "app/logstate.h"
#include "app/wellservices.h"
#include "platform/services.h"
#include "shell/commandtable.h"
#include "shell/drillingfiles.h"
#include "shell/menus.h"
#include "shell/neighbours.h"
#include "shell/ui/barlinks.h"
#include "shell/ui/toolwindows.h"
#include "wits/laghandover.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

class QMenuBar;
class QScrollBar;
namespace app { class NoteEditWindow; }
namespace logview { class LogView; class ViewBitmaps; }

namespace shell {
class ViewPainters;
class WitsWindowServices;
class EntryWindowServices;
class ChartWindowServices;
class HorzWindowServices;
}  // namespace shell

namespace wits { class WitsCommands; }
namespace drilling { class DrillingCommands; class DrillingStatusWindow; }
namespace gasmon { class GasMonitorCommands; }
namespace wellfile { struct WellConfig; }
namespace print { class PrintWindowServices; }
namespace reports { class ReportWindowServices; }
namespace exchange { class ExchangeWindowServices; }
namespace elog { class ElogWindowServices; }

namespace shell {

class LogWindow : public QMainWindow {
    Q_OBJECT
public:
    LogWindow(QWidget* parent, const QString& title);
    ~LogWindow() override;

    app::LogState& State() { return state_; }
    shell::Neighbours& Neighbours() { return neighbours_; }
    shell::ToolWindows& Tools() { return tools_; }
    // A text view of the data file's records or of the e-log curves is open or data entry is under way:
    // commands that rewrite or reread the data file beep instead.
    bool DataFileBusy() const;
    // The guard of the file, report, import and text-view commands: beeps and gives true while the data
    // file is busy.
    bool CommandGuardFails();

    // Start-up once the window exists: folders, single-instance test, the first file (StartUp).
    void SetupWindow();
    int StartUp();
    int OpenCommandLineFile(const QString& path);
    void CreateWellFolders();
    // Makes the well of `path` current; 0 when no well could be opened (the open one stays).
    int OpenDataFile(const QString& path);
    int LoadFileSettings();
    // What opening and start-up ask of the rest of the program.
    app::WellServices& WellServices() { return wellServices_; }
    // Menu resource 1 (office) or 3 (drilling).
    void AssignMenu(int resource);

    // Runs the handler of command `id` from the table the constructor gave; false when no handler
    // answers it.
    bool EvCommand(int id);
    // The window's command table (logwindow_commandtable.cpp); the constructor hands it to EvCommand.
    static const shell::CommandTable<LogWindow>& Commands();

    // Window messages: PostMessage queues one for the GUI thread, HandleMessage runs it at once.
    // HandleMessage returns false for a message the window does not answer.
    void PostMessage(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    bool HandleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    // Numbered window timers; each firing reaches EvTimer(id).
    void SetTimer(int id, int ms);
    void KillTimer(int id);
    bool TimerRunning(int id) const;

    void EvTimer(int id);
    void EvJoyButton(unsigned buttons);
    // Copies the open well's gas monitor settings into the data folder's "backup/"; returns 1.
    int BackupGasMonitorConfig();
    void EvGasResponse(std::uintptr_t wParam, std::intptr_t lParam);
    void EvWitsData(std::uintptr_t wParam, std::intptr_t lParam);
    void EvCustWitsData(std::uintptr_t wParam, std::intptr_t lParam);

    // File
    void CmNewFile();
    void CmPlugBack();
    void CmOpen();
    void CmArchive();
    void CmRestore();
    void CmSaveAs();
    void CmSaveAsImage();
    void CmSendFile();
    void CmPageSetup();
    void CmPrint();
    void CmExit();
    void CmOpenRecent(int id);
    // Data As Text with the Control key as given: while drilling, or with the lag list open, it toggles
    // the lag list; otherwise it opens the text view of the records from the view top.
    void ShowDataAsText(bool control);
    // View
    void CmWitsChart();
    void CmGasChart();
    void CmMorningReport();
    void CmShortReport();
    void CmHeader();
    void CmShowReport();
    void CmDst();
    void CmLithLegend();
    void CmDataAsText();
    void CmHorizontalView();
    void CmHorizontalOptions();
    void CmBuildTvdLog();
    void CmDowntimeReport();
    void CmToggleView9();
    // Options and setup
    void CmOffsetRop();
    void CmGasPercent();
    void CmHotwire();
    void CmElogAsText();
    void CmEditTops();
    void CmGotoTop(int id);
    void CmSaveReportsText();
    void CmCreateLasFile();
    void CmAppendFileDepth();
    void CmAdjustFileDepth();
    void CmWaterSaturation();
    void CmLinesAndScales();
    void CmEditLogColors();
    void CmEditSchemes();
    void CmSelectScheme1();
    void CmSelectScheme2();
    void CmSelectScheme3();
    void CmSelectScheme4();
    void CmSelectScheme5();
    void CmSelectScheme6();
    void CmImportElog();
    void CmSelectElog();
    void CmSelectRop();
    void CmImportTargetData();
    void CmImportMudlog();
    void CmCheckFileDepths();
    void CmInsertDelete();
    // Data entry
    void CmEnterRates();
    void CmEnterLithology();
    void CmEnterGas();
    void CmEnterShows();
    void CmFlareData();
    void CmOutLine();
    void CmTvdFileData();
    void CmSurveyData();
    // Drilling and instruments
    void CmDrilling();
    void CmLagTime();
    void CmBackupReminder();
    void CmAlarms();
    void CmWitsAlarms();
    void CmTestGasValues();
    void CmLagCalculator();
    void CmGasMonitor();
    void CmGasMonitorSetup();
    void CmWits();
    void CmWitsSetup();
    void CmCustomWits();
    void CmCustomWitsSetup();
    void CmRemoteMonitor();
    // The remote settings as a file is opened: mirrored, handed to drilling, and the monitor started
    // when they ask for it. Returns 1.
    int LoadRemoteConfig();
    void CmRemoteSetup();
    void CmLiveUpdateConfig();
    void CmLiveUsers();
    // Help
    void CmAbout();
    void CmManual();
    void CmNewFeatures();
    // Opens `path` with the program associated with it (show: 1 normal); 1 when it could be started,
    // else 0. Says nothing of its own.
    int ShellOpen(const QString& path, int show = 1);
    // A text in the program's own help window, replacing one shown before.
    void ShowHelpText(const QString& title, const QString& text);
    // The gas-label dialog on the record at `depth`: the record is written back after Save.
    void LabelGasesAt(std::int32_t depth);
    // Close the gas chart (its settings saved) and the horizontal view (its set-up saved) when open;
    // their menu items lose the check mark.
    void CloseGasChart();
    void CloseHorizontalView();

    // ---- Log layout, pens, schemes and custom tracks (the objects live in state_.layout and
    // state_.customTracks) ----
    // Lays the log out again for `profile` (row height `rowHeight` when not 0): columns, fonts, pens and
    // the depth scroll bar; the depth span shown follows the format.
    void SetLogFormat(int profile, int rowHeight = 0);
    // The pen table from the colour file (reset = false) or the defaults (reset = true), and its pens.
    void SetPens(bool reset);
    // Makes display scheme `scheme` current; 0 in quick-view mode, else 1.
    int ApplyScheme(int scheme, bool repaint);
    // Brings the custom-data file up to the file's depth and counts the custom tracks and their width.
    void LoadCustomTracks(bool freeObject);
    // The printed log's columns for print block `b` (printer units), from the screen format in force;
    // remade with the print copy of the custom tracks on every call.
    const layout::PrintLayout& LayoutTracks(float b);

    // ---- Menu bar, keys, exit and scrolling ----
    // Brings the menu bar up to date with the mode, profile, engines and lists: -1 everything, 5 also
    // the Tops pop-up, 6 also the Schemes pop-up, other values neither of those two. Returns 1.
    int BuildMenu(int part);
    int RebuildMenu();
    void BuildMudlogMenu();
    // The menu bar as it stands (the Qt menu bar mirrors it).
    const shell::MenuBar& Menu() const { return menu_; }
    gasmon::GasMonitorCommands& GasMonitorService() { return *gasMonitor_; }
    drilling::DrillingStatusWindow& DrillingStatus() { return *drillingStatus_; }
    void CheckMenuItem(int id, bool checked);
    // Appends `text` with command `id` to the pop-up at `position` unless it holds `id` already.
    void AppendMenuItem(int position, int id, const QString& text);
    // A menu command, as the menu bar and posted WM_COMMAND messages deliver it: held back by the
    // message filter while an input function owns the window, else dispatched.
    void MenuCommand(int id);

    // The message filter: true when `msg` (WM_COMMAND or WM_SYSCOMMAND) was consumed here.
    bool PreProcessMsg(unsigned msg);
    // One coalesced render of the off-screen log; true when it rendered.
    bool IdleAction(long idleCount);
    void EvKeyDown(int key, bool ctrl = false);
    void EvChar(int key);
    // Ends the drag-gas function and moves the dragged gas values by its offset.
    void ApplyDragGas();
    // The exit order; false when the user declines.
    bool CanClose();
    // Writes the view and window settings into the well's configuration record.
    void SaveViewSettings();
    // The depth shown at screen row `y`.
    std::int32_t DepthAtRow(int y) const;

    // ---- Small shell commands ----
    // Rebuilds the downtime depth index from the open well's notes; returns 1.
    int DowntimeReport();
    // The normal vertical scale: one record per row height.
    void SetViewMode1();
    // The quick view bar: made (its mode the vertical scale index) when there is none; destroyed with
    // its position saved first.
    void EnsureQuickBar();
    void DestroyQuickBar();
    // The window takes the keyboard focus back from a tool window beside it.
    void GiveFocusBack();
    // Where a live gas window never placed before opens (a screen point): at the gas track's left edge on
    // the log's first row, below the band and its read-outs.
    QPoint LiveWindowHome() const;

    // Scrolling and sizing (scroll codes as the Windows scroll bars send them).
    void EvVScroll(int code, int thumb, bool ctrl = false);
    void EvHScroll(int code, int thumb);
    void EvSize(int clientWidth, int clientHeight);
    // The window moved: the quick view bar follows it (not while minimised or not painted).
    void EvMove();
    // Puts the bar of shared wells, when there is one, back under the menu bar.
    void PlaceRemoteViewer();
    // The client area's top moved (the bar of shared wells came or went): the log is laid out anew.
    void ClientTopChanged();
    int EvMouseWheel(int wheelDelta, bool ctrl = false);
    // (Re)makes the depth scroll bar beside the log, at the view's percentage of the well, and sets the
    // log bottom y from the visible rows.
    void CreateDepthScrollBar();
    QScrollBar* DepthScrollBar() const { return depthBar_; }

    // ---- Painting the log ----
    // The log changed: posts one paint of the log into the backing store, which then shows on the
    // window. Any number of calls before it runs make one paint; nothing is posted while repainting is
    // held.
    void InvalidateLog();
    // The same with erase: the paint starts from a backing store cleared to the background, so nothing
    // an earlier view, well or dialog drew stays (ViewState::InvalidateErased).
    void InvalidateErased();
    bool LogPaintPosted() const { return paintPosted_; }
    // The posted paint, also run at once by tests: the first paint's placement, the view's paint into the
    // backing store and the window's update; then what the paint could not say during it (its failure
    // message, once), the quick view bar when there is none, and the live bar.
    void PaintLog();
    // The client area as last painted (the menu bar not included).
    const QImage& BackingStore() const;
    QScrollBar* HorizontalScrollBar() const { return horzBar_; }
    // True once the user agreed to exit: nothing is painted and no tool window is made any more.
    bool Closing() const { return closing_; }

signals:
    // The window was closed: the program's message loop ends with it, whatever else is open.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    // The links the quick view bar and the bar of shared wells are made with; made once, by the
    // constructor, into barLinks_.
    shell::BarLinks BarLinks();
    // Custom tracks on or off (the quick view bar's C/T button): the data, the linked scheme, the layout
    // and a full erase-and-paint.
    void ToggleCustomTracks();
    // The DST (true) or show report dialog, after the guards and the file test.
    void RunReportDialog(bool dst);
    // The list of the drilling object's lag tables beside the log: made, or destroyed when it exists.
    void ToggleLagList();
    // The text view's lines of the records from the view top's record on (into ToolWindows::textRecords);
    // nothing when none could be read there.
    std::optional<std::vector<std::string>> DataTextLines();
    // After a paint of one record a row: an open text view shows the records from the new view top.
    void RefillDataAsText();
    // Writes the window placement ("startupM.ini") unless the window is minimised, and the last file
    // ("StrativM.ini"); each failure is said.
    void SaveWindowPlacement();
    // New (false) or Plug Back (true): the shut-down of the open well, then the new-file dialog.
    void RunNewFileDialog(bool plugBack);
    // The shut-down before the new-file dialog: custom tracks, log image, tool windows and, while
    // drilling, the engines; `config` gets the open well's settings. False when the command is refused.
    bool ShutDownForNewFile(bool plugBack, wellfile::WellConfig& config);
    // Runs `dialog` on a fresh buffer of the open file's records (ReadTvdBuffer), then reads every record
    // of the file again; the TVD-build mark is set throughout.
    void WithTvdBuffer(const std::function<void(std::span<wellfile::RECORD>)>& dialog);
    // Points wellServices_ at this window's own services and the neighbours'.
    void InstallWellServices();
    // Sets the callbacks of the scheme and custom-track hosts, the menu's scheme names and the repair
    // passes of the open well; once, in the constructor.
    void InstallLayoutHosts();
    // The custom-track setup on the working copy `config` with `track` shown; true when closed with DONE.
    bool RunCustomTrackDialog(layout::CUSTCHARTCFGEX& config, int track);
    void SelectScheme(int scheme);
    // A full re-render is owed; the window is invalidated unless painting is held back.
    void MarkRedraw();
    // The client area's height: from below the menu bar down to the status line, when one is shown.
    int ClientHeight() const;
    int StatusLineHeight() const;
    // The first paint after start-up: the window's placement and the refresh of a file updated elsewhere.
    void FirstPaint();
    // The new top depth beside the depth bar while its thumb is dragged, into the backing store.
    void DrawThumbReadout(std::int32_t top);

    app::LogState state_;
    const shell::CommandTable<LogWindow>* commands_ = nullptr;  // what EvCommand dispatches through
    shell::BarLinks barLinks_;  // what the bars on the window reach it through
    std::unique_ptr<logview::ViewBitmaps> bitmaps_;  // the view's images; state_.view points at them
    std::unique_ptr<shell::ViewPainters> painters_;  // the neighbour painters; state_.view points at them
    std::unique_ptr<logview::LogView> logView_;        // the view's paint; neighbours_.logview points at it
    bool paintPosted_ = false;
    shell::Neighbours neighbours_;
    shell::ToolWindows tools_;
    std::unique_ptr<platform::WindowTimers> timers_;
    int savedFileListener_ = 0;  // publishes the well's saved side files (wellfile::AddSavedFileListener)
    std::shared_ptr<app::WindowServices> windowServices_;  // this window's menus and tool windows
    std::shared_ptr<app::ViewServices> viewServices_;      // this window's layout
    app::WellServices wellServices_;
    shell::NeighbourLinks otherLinks_{neighbours_, wellServices_};  // what drilling mode asks of the other links
    shell::DrillingFiles drillingFiles_{state_, neighbours_, wellServices_};  // the well's files a drilling step writes
    wits::LinksLagHandover lagHandover_{state_};  // the driller's lag depth to the WITS links
    std::unique_ptr<wits::WitsCommands> witsLink_;  // the WITS link command and its engine
    std::unique_ptr<shell::WitsWindowServices> witsWindows_;  // the WITS windows, parented here
    std::unique_ptr<gasmon::GasMonitorCommands> gasMonitor_;  // the gas monitor command and its engine
    std::unique_ptr<shell::ChartWindowServices> gasWindows_;  // the gas chart window; neighbours_.gasmon
    // The drilling status band, status box, backup reminder and status line; outlives the driller.
    std::unique_ptr<drilling::DrillingStatusWindow> drillingStatus_;
    std::unique_ptr<drilling::DrillingCommands> drilling_;   // drilling mode, the timers and the depth box
    std::unique_ptr<shell::EntryWindowServices> entryWindows_;  // the entry commands and their dialogs
    std::unique_ptr<print::PrintWindowServices> printWindows_;  // print jobs with their abort dialog
    std::unique_ptr<reports::ReportWindowServices> reportWindows_;  // the report dialogs; neighbours_.reports
    std::unique_ptr<exchange::ExchangeWindowServices> exchangeWindows_;  // the live-update dialogs; neighbours_.exchange
    std::unique_ptr<shell::HorzWindowServices> horzWindows_;  // the horizontal view; neighbours_.horizontal
    std::unique_ptr<elog::ElogWindowServices> elogWindows_;  // the LAS export; neighbours_.elog
    std::unique_ptr<app::NoteEditWindow> noteEdit_;  // the note edit over the log; state_.notes points at it

    // ---- Menu bar, keys, exit and scrolling ----
    void MirrorMenuBar();
    // The check marks of the Qt menu bar set back to the menu's after a command.
    void SyncMenuChecks();
    // Keeps the hotwire setting in the open well's settings record (byte 60).
    void StoreHotwire(bool on);
    // " Remote Monitor Running " above the log, into the backing store.
    void DrawRemoteMonitorNotice();
    void ApplyDragGasShift();
    // The depth scroll bar for a client area whose right edge is `clientRight`.
    void CreateDepthScrollBar(int clientRight);
    // Moves the view for a vertical scroll code; false when it was refused or moves nothing.
    bool ScrollView(int code, int thumb, bool ctrl);
    // The bars' thumbs set to the view's position, without a scroll signal.
    void SyncDepthBar();
    void SyncHorizontalBar(std::int32_t max);
    // The horizontal bar for a client `w` x `h`: made, with the range of the log's width, when the log is
    // wider than that, else removed.
    void PlaceHorizontalBar(int w, int h);
    void FitHorizontalBar();
    int ClientTop() const;  // the client area starts below the menu bar
    shell::MenuBar menu_ = shell::MenuBar::Resource(1);
    // Menu bars replaced while a menu command was still running: their menus and actions may be on the
    // stack (a modal dialog's event loop under the command), so they are freed only once it has returned.
    std::vector<QPointer<QMenuBar>> retiredMenuBars_;
    int menuCommandDepth_ = 0;
    QStringList menuTitles_;  // the menu line's titles as last mirrored
    QScrollBar* depthBar_ = nullptr;
    QScrollBar* horzBar_ = nullptr;
    bool closing_ = false;  // CanClose agreed to exit: the close event goes through
    int idleTimerId_ = 0;
};

// Opens the shared well of `path` in place of the open one. Refused with a beep while the data file
// is busy; a missing path is shown with the caption "File error in Open" and changes nothing; a file
// that does not open leaves the open well. On success the caption names the well's title and
// `timeText`, and the menu is rebuilt. 1 when the well was opened.
int OpenSharedWell(LogWindow& window, const QString& path, const QString& timeText);

}  // namespace shell
