// The main window's part in opening a data file: the Open command, the window services that the
// open routine calls back into, and the opening of a shared well chosen on the live bar.
#include "shell/ui/logwindow.h"

#include "app/activitylines.h"
#include "app/layouthosts.h"
#include "app/opendatafile.h"
#include "drilling/drillingstate.h"
#include "elog/elog_services.h"
#include "exchange/exchange_services.h"
#include "exchange/sharedwells.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/geometryof.h"
#include "logview/ui/logimage.h"
#include "platform/services.h"
#include "platform/text.h"
#include "shell/ui/statusdlg.h"

#include <QFileInfo>
#include <QPointer>
#include <QStatusBar>
#include <QTimer>

namespace shell {

namespace {

// Menus, repaint and tool windows of one LogWindow.
class LogWindowServices final : public app::WindowServices {
public:
    explicit LogWindowServices(LogWindow& window) : window_(window) {}
    void AssignMenu(app::LogState&, int resource) override
    {
        window_.AssignMenu(resource);
        window_.BuildMenu(-1);
    }
    void BuildMenu(app::LogState&, int mode) override { window_.BuildMenu(mode); }
    void RebuildMenu(app::LogState&) override { window_.RebuildMenu(); }
    void Invalidate(app::LogState&) override { window_.InvalidateLog(); }
    void CloseToolWindows(app::LogState&) override
    {
        window_.DestroyQuickBar();
        shell::ToolWindows& tools = window_.Tools();
        window_.CloseHorizontalView();
        window_.CloseGasChart();
        if (tools.witsChart)
            tools.witsChart->close();
    }
    void DestroyQuickBar(app::LogState&) override { window_.DestroyQuickBar(); }
    void DowntimeReport(app::LogState&) override { window_.DowntimeReport(); }
    bool DataFileBusy(app::LogState&) override { return window_.DataFileBusy(); }
    void ShowStatus(app::LogState&, const QString& line1, const QString& line2) override
    {
        if (!status_)
            status_ = new STATUSDLG(&window_);  // the window owns it
        status_->SetStatus(line1, line2, false);
        status_->repaint();  // painted now: the work that follows holds the event loop
    }
    void CloseStatus(app::LogState&, int lingerMs) override
    {
        if (!status_)
            return;
        QPointer<STATUSDLG> box = status_;
        status_.clear();
        if (lingerMs <= 0) {
            box->deleteLater();
            return;
        }
        QTimer::singleShot(lingerMs, box, [box] { box->deleteLater(); });
    }
    void SetStatusText(app::LogState&, const QString& text) override
    {
        // The bar is made only when there is something to say: it takes room from the log.
        if (!text.isEmpty())
            window_.statusBar()->showMessage(text);
        else if (auto* bar = window_.findChild<QStatusBar*>())
            bar->clearMessage();
    }
    void LoadRemoteConfig(app::LogState&) override { window_.LoadRemoteConfig(); }

private:
    LogWindow& window_;
    QPointer<STATUSDLG> status_;
};

// The log's layout, schemes, grid strips, custom tracks and e-log curves of one LogWindow; the other
// loaders keep their defaults.
class LogWindowViewServices final : public app::ViewServices {
public:
    explicit LogWindowViewServices(LogWindow& window) : window_(window) {}
    void SetLogFormat(app::LogState&, int profile) override { window_.SetLogFormat(profile); }
    void ApplyScheme(app::LogState& log, int scheme) override
    {
        // The well's settings record has just been read: the scheme options and the hotwire setting
        // come from it, before the scheme lays the log out.
        app::TakeSchemeOptions(log);
        log.options.hotwire = log.well.config.hotwire != 0;
        window_.ApplyScheme(scheme, false);
    }
    void LoadCustomTracks(app::LogState&) override { window_.LoadCustomTracks(false); }
    void BuildGridBitmaps(app::LogState& log) override
    {
        if (!log.view.bitmaps)
            return;
        logview::BuildGridBitmaps(log.view.bitmaps->grid, logview::GeometryOf(log));
        log.view.currentRowY = 0;
        if (log.env.verboseActivityLog)
            app::WriteActivityLine(log, "Grid Mapping Done");
    }
    int LoadElog(app::LogState& log, const QString& curveFile) override
    {
        return elog::LoadElog(log, *window_.WellServices().window, curveFile);
    }
    void CloseElog(app::LogState& log) override { elog::CloseElog(log); }
    void LinkElogToScheme(app::LogState& log, const QString& curveFile) override
    {
        elog::LinkElogToScheme(log, curveFile);
    }
    void LoadWellTitle(app::LogState& log) override { drilling::LoadWellTitle(log); }
    void CreateLogImage(app::LogState& log) override { logview::CreateLogImage(log); }
    void FreeLogImage(app::LogState& log) override { logview::FreeLogImage(log); }

private:
    LogWindow& window_;
};

}  // namespace

void LogWindow::InstallWellServices()
{
    windowServices_ = std::make_shared<LogWindowServices>(*this);
    wellServices_.window = windowServices_.get();
    viewServices_ = std::make_shared<LogWindowViewServices>(*this);
    wellServices_.view = viewServices_.get();
    wellServices_.exchange = &exchange::WellExchangeServices();
    wellServices_.drilling = neighbours_.drilling;
}

void LogWindow::CmOpen()
{
    // Another operation owns the log: the command is refused.
    const app::InteractionState& in = state_.interaction;
    if (in.commandLock || in.dataEntryActive || tools_.readoutA || tools_.readoutB) {
        platform::MessageBeep(0);
        return;
    }
    wellServices_.drilling = neighbours_.drilling;
    // The tool windows belong to the open well: they go only once another file is chosen and accepted.
    app::ChooseAndOpenDataFile(state_, wellServices_, [this] { wellServices_.window->CloseToolWindows(state_); });
}

int LogWindow::OpenDataFile(const QString& path)
{
    // The bar's position belongs to the well open now.
    DestroyQuickBar();
    wellServices_.drilling = neighbours_.drilling;
    return app::OpenDataFile(state_, wellServices_, path);  // which reads the remote settings too
}

int LogWindow::LoadFileSettings()
{
    bool viewTopTaken = false;
    return app::LoadFileSettings(state_, wellServices_, viewTopTaken);
}

int OpenSharedWell(LogWindow& window, const QString& path, const QString& timeText)
{
    if (window.CommandGuardFails())
        return 0;
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        platform::MessageBox(path, QStringLiteral("File error in Open"), platform::MB_OK);
        return 0;
    }
    app::LogState& s = window.State();
    app::WellServices& services = window.WellServices();
    // The gas chart, the WITS chart and the horizontal view belong to the well that goes.
    services.window->CloseToolWindows(s);
    if (app::OpenCheckedDataFile(s, services, path) != 1 ||
        QFileInfo(s.well.file.dataFileName) != QFileInfo(path))
        return 0;
    const QString caption = QStringLiteral("StrativM    ") +
                            platform::FromCp1252(QByteArray::fromStdString(s.well.wellTitle)) +
                            QStringLiteral("  Last Updated ") + timeText;
    s.well.captionText = caption;
    window.setWindowTitle(caption);
    s.well.timeZoneAdjust = exchange::LiveTimeZone(app::PlaceOf(s), s.well.loggerId);
    window.BuildMenu(-1);
    window.InvalidateLog();
    return 1;
}

}  // namespace shell
