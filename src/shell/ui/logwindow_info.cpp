// The main window's help, information and view commands: documents opened with their program, the
// legend, the gas chart and the horizontal view, the TVD dialogs, the archive, and the dialogs of other
// subsystems behind the busy rule. Placements and buffers are app/infocommands.h's.
#include "shell/ui/logwindow.h"

#include "app/commandids.h"
#include "app/infocommands.h"
#include "app/ui/helpdlg.h"
#include "platform/folders.h"
#include "platform/services.h"
#include "shell/ui/insertdeletedlg.h"
#include "shell/ui/labelgasdlg.h"
#include "shell/ui/qbtndlg.h"
#include "wellfile/datafile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace shell {

int LogWindow::ShellOpen(const QString& path, int show)
{
    Q_UNUSED(show);  // the desktop decides how the program it starts shows itself
    platform::Shell* shell = platform::services().shell;
    return shell && shell->ShellOpen(path, QStringLiteral("open")) ? 1 : 0;
}

// ---- Help ----

// The documents are opened with the desktop's program for them. Without the document or that program the
// release notes are shown in the program's own help window, and the manual command says what it missed.
void LogWindow::CmNewFeatures()
{
    const std::optional<QString> path = app::NewFeaturesPath(state_.env.installFolder);
    if (path && ShellOpen(*path, 1))
        return;
    QString text = app::FeaturesText();
    if (path) {
        QFile file(*path);
        if (file.open(QIODevice::ReadOnly))
            text = QString::fromUtf8(file.readAll());
    }
    ShowHelpText(QStringLiteral("New Features"), text);
}

void LogWindow::CmManual()
{
    const app::Environment& env = state_.env;
    const std::optional<QString> manual = app::ManualPath(env.installFolder, env.programFolder);
    if (!manual) {
        platform::MessageBox(app::ManualMissingText(env.installFolder, env.programFolder), QStringLiteral("Help"),
                             platform::MB_OK);
        return;
    }
    if (!ShellOpen(*manual, 1))
        platform::MessageBox(QStringLiteral("No program to open the manual was found.\nThe manual is %1").arg(*manual),
                             QStringLiteral("Help"), platform::MB_OK);
}

void LogWindow::ShowHelpText(const QString& title, const QString& text)
{
    delete tools_.helpWindow;  // one help window at a time
    auto* help = new app::HelpDlg(this, text, QString(), 1);
    help->setWindowTitle(title);
    help->Create();
    tools_.helpWindow = help;
}

// ---- View ----

void LogWindow::CmLithLegend()
{
    app::LogState& s = state_;
    s.options.lithLegend = !s.options.lithLegend;
    CheckMenuItem(app::cmd::LithLegend, s.options.lithLegend);
    MarkRedraw();  // the legend is drawn into the title band of the rendered log
}

void LogWindow::CmGasChart()
{
    app::LogState& s = state_;
    gasmon::GasMonitorServices& gas = *neighbours_.gasmon;
    if (tools_.gasChart) {
        CloseGasChart();
        InvalidateLog();
        return;
    }
    QWidget* chart = gas.CreateChart(s, this);
    if (!chart)
        return;
    tools_.gasChart = chart;
    gasmon::GasMonitorServices::ChartCfgRecord settings{};
    if (gas.ReadChartCfg(s, chart, settings)) {
        chart->hide();
        gas.SetChartValue(chart, settings[0]);
        const QRect r = app::ChartWindowRect(settings[1], settings[2], settings[3], settings[4], s.env.screenWidth,
                                             s.env.screenHeight, s.env.monitorCount);
        chart->move(r.topLeft());
        chart->resize(r.size());
    }
    chart->show();
    if (!gas.RedrawChart(s, chart)) {
        tools_.gasChart = nullptr;
        delete chart;
        return;
    }
    CheckMenuItem(app::cmd::GasChart, true);
}

void LogWindow::CmHorizontalView()
{
    app::LogState& s = state_;
    if (s.interaction.dataEntryActive != 0 || s.entry.gasEntry) {
        platform::MessageBox(QStringLiteral("Can not view horizontal in data entry mode"), QStringLiteral("ERROR"),
                             platform::MB_OK);
        return;
    }
    horizontal::HorizontalServices& h = *neighbours_.horizontal;
    if (QWidget* open = tools_.horzView) {
        if (h.CloseChildWindow(open))
            return;  // the view's own window closes first
        CloseHorizontalView();
        if (auto* bar = qobject_cast<QBTNDLG*>(tools_.quickBar.data()))
            bar->UpdateViewButtons(bar->Mode());
        setFocus();
        InvalidateLog();
        return;
    }
    QWidget* view = h.CreateView(s, this);
    if (!view)
        return;
    view->hide();
    const layout::LogLayout& L = s.layout.format;
    const QRect r = app::HorizontalViewRect(s.env.screenWidth, s.env.screenHeight, L.logAreaTop, L.pixelsPerStep);
    view->move(r.topLeft());
    view->resize(r.size());
    tools_.horzView = view;
    // 0: no horizontal part; below 0 the view has said what failed.
    if (const int drawn = h.LoadAndDraw(s, view, 1); drawn <= 0) {
        if (drawn == 0)
            platform::MessageBox(
                QStringLiteral("No Horizontal data available.Must have 4 or more surveys,\nwith INCL GREATER THAN 10 deg"),
                QStringLiteral("INFO"), platform::MB_OK);
        tools_.horzView = nullptr;
        delete view;
        return;
    }
    view->show();
    CheckMenuItem(app::cmd::HorizontalView, true);
    view->activateWindow();
    view->setFocus();
}

void LogWindow::CmHorizontalOptions()
{
    if (CommandGuardFails())
        return;
    if (tools_.horzView) {
        platform::MessageBox(QStringLiteral("You must close the horizontal view to access this dialog"), QString(),
                             platform::MB_OK);
        return;
    }
    horizontal::HorizontalServices& h = *neighbours_.horizontal;
    h.RunSetupDialog(state_, this, nullptr);
    BuildMenu(-1);  // its "Enter Data" may have stored stations: "TVD Log " follows them
    if (QWidget* view = tools_.horzView; view && h.ApplySetup(state_, view))
        h.LoadAndDraw(state_, view, 0);
}

// ---- TVD and survey data ----

void LogWindow::WithTvdBuffer(const std::function<void(std::span<wellfile::RECORD>)>& dialog)
{
    app::LogState& s = state_;
    s.marks.tvdBuild = 1;
    {
        std::vector<wellfile::RECORD> records = app::ReadTvdBuffer(s.well.file);
        dialog(records);
    }
    wellfile::ReadAllRecords(s.well.file);
    s.marks.tvdBuild = 0;
    BuildMenu(-1);  // "TVD Log " follows the stations now stored
}

void LogWindow::CmTvdFileData()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    if (s.well.file.wellName.startsWith(QLatin1Char('~'))) {
        platform::MessageBox(QStringLiteral("Can't update tvd file while\nviewing tvd file"), QString(), platform::MB_OK);
        return;
    }
    WithTvdBuffer([this, &s](std::span<wellfile::RECORD> records) { neighbours_.elog->RunTvdDialog(s, records, 0); });
    delete tools_.quickBar;  // made again at once, where the settings put it
    EnsureQuickBar();
    activateWindow();
    setFocus();
}

void LogWindow::CmSurveyData()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    WithTvdBuffer([this, &s](std::span<wellfile::RECORD> records) { neighbours_.elog->RunTvdDialog(s, records, 1); });
    DestroyQuickBar();
    InvalidateLog();
}

void LogWindow::CmBuildTvdLog()
{
    app::LogState& s = state_;
    const QString path = app::TvdLogPath(s.well.file.currentFolder, s.well.file.wellName);
    const bool existed = QFileInfo(path).isFile();
    bool built = false;
    if (!existed) {
        WithTvdBuffer([this, &s, &built](std::span<wellfile::RECORD> records) {
            built = neighbours_.elog->CreateTvdLog(s, records);
        });
        DestroyQuickBar();
        InvalidateLog();
    }
    if ((existed || built) && QFileInfo(path).isFile()) {
        platform::MessageBox(path, QString(), platform::MB_OK);
        // The TVD well is one of this program's data files: another copy of the program opens it beside
        // this one, which keeps its well (and drilling) as they are. No desktop opener knows the file.
        platform::Shell* shell = platform::services().shell;
        if (!shell || !shell->StartProgram(QCoreApplication::applicationFilePath(), {path})) {
            platform::MessageBox(QStringLiteral("The TVD log could not be opened in a new window:\n") + path,
                                 QStringLiteral("TVD Log"), platform::MB_OK);
            return;
        }
        s.marks.tvdViewed = true;
    }
}

void LogWindow::CmImportTargetData()
{
    platform::FileDialogRequest r;
    r.folder = state_.well.file.dataFolder;
    r.filter = QStringLiteral("Text Files (*.txt)|*.txt|");
    const std::optional<QString> path = platform::services().prompter->OpenFileName(r);
    if (path && !path->isEmpty())
        neighbours_.elog->ImportTargetData(state_, *path);
}

// ---- Dialogs of other subsystems behind the busy rule ----

void LogWindow::CmAlarms()
{
    if (CommandGuardFails())
        return;
    if (state_.engines.driller)
        neighbours_.drilling->RunAlarmSetup(state_);
}

void LogWindow::CmOutLine()
{
    if (CommandGuardFails())
        return;
    app::LogState& s = state_;
    // The outline dialog works on the scales of one record per row.
    const std::int32_t scale = s.view.viewScale;
    s.view.viewScale = std::min(scale, 2);
    neighbours_.entry->RunOutLineDialog(s);
    s.view.viewScale = scale;
}

void LogWindow::CmInsertDelete()
{
    if (CommandGuardFails())
        return;
    wellServices_.drilling = neighbours_.drilling;
    shell::InsertDelete dialog(this, state_, wellServices_, true);
    dialog.Execute();
    InvalidateLog();
}

void LogWindow::CmCheckFileDepths()
{
    if (CommandGuardFails())
        return;
    wellServices_.drilling = neighbours_.drilling;
    shell::InsertDelete dialog(this, state_, wellServices_, false);
    dialog.Execute();
}

// ---- Archive ----

void LogWindow::CmArchive()
{
    // The folder the archive writes to, as it is named on this machine.
    const wellfile::OpenWell& f = state_.well.file;
    const QString folder = QDir::toNativeSeparators(
        platform::JoinPath(platform::FindFileNoCase(f.dataFolder, QStringLiteral("archives")), f.wellName) + u'/');
    const int answer = platform::MessageBox(
        QStringLiteral("This function should only be used at TD.\nIt will zip all the log files, chart files,\ngas "
                       "files, wits files and archive them into a\nzip file (%1.zip) in the\n%2\ndirectory, "
                       "and then delete them from the directory\nwhere they are stored while drilling. Click OK to "
                       "continue\nor CANCEL to return without archiving")
            .arg(f.wellName, folder),
        QStringLiteral("Archive"), platform::MB_OKCANCEL);
    if (answer == platform::IDCANCEL)
        return;
    app::LogState& s = state_;
    if (s.well.file.drilling) {
        // Nothing may still write the files that are about to be packed and removed.
        if (tools_.gasChart)
            CmGasChart();
        if (neighbours_.gasmon->MonitorRunning(s))
            CmGasMonitor();
        if (neighbours_.wits->LinkRunning(s))
            CmWits();
    }
    s.marks.archiving = true;
    CmSendFile();
    s.marks.archiving = false;
    neighbours_.exchange->ArchiveHText(s);
}

// ---- Gas labels ----

void LogWindow::LabelGasesAt(std::int32_t depth)
{
    app::LogState& s = state_;
    wellfile::OpenWell& f = s.well.file;
    const std::int32_t step = f.depthStep > 0 ? f.depthStep : 1;
    if (depth < f.fileTopDepth || depth > f.fileBottomDepth)
        return;
    const int index = (depth - f.fileTopDepth) / step;
    std::array<wellfile::RECORD, 2> buffer{};  // the record and the end mark after it
    if (wellfile::ReadRecords(f, buffer, f.dataFileName, index, 1) != 1)
        return;
    LabelGasDlgX dialog(this, buffer[0], s.well.loggerId);
    if (dialog.Execute() != platform::IDOK)
        return;
    if (wellfile::SaveRecords(f, std::span<const wellfile::RECORD>(buffer.data(), 1), f.dataFileName, index, 1) == 1)
        MarkRedraw();
}

}  // namespace shell
