#include "shell/ui/witswindowservices.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/drilling_services.h"
#include "drilling/pumpstrokes.h"
#include "drilling/ui/statuswindow.h"
#include "gasmon/ui/gasdisplaydlg.h"
#include "shell/ui/logwindow.h"
#include "wits/ui/custwitscfgdlg.h"
#include "wits/ui/witsdisplaydlg.h"
#include "wits/witscommands.h"
#include "wits/ui/witsalarmwindows.h"
#include "wits/ui/witschartdlg.h"
#include "wits/witsalarmhost.h"

#include <QScreen>

namespace shell {

WitsWindowServices::WitsWindowServices(QWidget* window, wits::WitsServices& rest) : window_(window), rest_(rest) {}

void WitsWindowServices::Install(app::LogState& log)
{
    log.engines.makeWitsAlarmPopup = [this](wits::WitsAlarms& table, int channel, const QString& text) {
        return MakeAlarmPopup(table, channel, text);
    };
}

wits::AlarmPopup* WitsWindowServices::MakeAlarmPopup(wits::WitsAlarms& table, int channel, const QString& text)
{
    return wits::ShowWitsAlarmDisplay(window_, table, channel, text);
}

void WitsWindowServices::CmWitsAlarms(app::LogState& log)
{
    wits::WitsAlarmsDlg dlg(window_, wits::MakeWitsAlarmHost(log));
    dlg.Execute();
}

namespace {

// After the chart has gone: its menu item unchecked, and the window's chart titles and first-draw flags
// as a new chart expects them.
void ChartGone(LogWindow* main, app::LogState& log)
{
    log.witsChart.titles = {};
    log.witsChart.firstDraw = {true, true};
    if (main)
        main->CheckMenuItem(app::cmd::WitsChart, false);
}

}  // namespace

void WitsWindowServices::CmWitsChart(app::LogState& log)
{
    auto* main = qobject_cast<LogWindow*>(window_.data());
    if (!main)
        return;
    QPointer<QWidget>& held = main->Tools().witsChart;
    if (auto* open = qobject_cast<wits::WitsChartDlg*>(held.data())) {
        open->CloseChart();
        held = nullptr;
        delete open;
        ChartGone(main, log);
        return;
    }
    auto* chart = new wits::WitsChartDlg(main, log, [main, &log] {
        main->Tools().witsChart = nullptr;
        ChartGone(main, log);
    });
    const QRect client(main->mapToGlobal(QPoint(0, 0)), main->size());
    const QScreen* screen = main->screen();
    chart->setGeometry(wits::WitsChartDlg::Placement(log, client, screen ? screen->geometry().height() : 0));
    held = chart;
    chart->Create();
    main->CheckMenuItem(app::cmd::WitsChart, true);
    chart->FirstLoad();
}

wits::WitsLinkWindow LinkWindowOf(LogWindow& window)
{
    LogWindow* main = &window;
    wits::WitsLinkWindow witsWindow;
    witsWindow.checkMenuItem = [main](app::LogState&, int id, bool checked) { main->CheckMenuItem(id, checked); };
    witsWindow.buildMenu = [main](app::LogState&) { main->BuildMenu(-1); };
    witsWindow.makeGasWindow = [main](app::LogState&, const QString& caption) {
        std::unique_ptr<gasmon::GasDisplay> display =
            gasmon::MakeGasDisplay(main, QString(), [main] { return main->LiveWindowHome(); });
        if (display)
            display->SetCaption(caption);
        return display;
    };
    witsWindow.makeDataWindow = [main](app::LogState&, int linkKind, const wits::CUSTWITSCFG& settings) {
        return wits::MakeWitsDisplay(main, linkKind, settings, [main] { return main->State().witsLink.mwdDisplay; });
    };
    // The drilling status box goes through the drilling services, which make and destroy it.
    witsWindow.statusBoxExists = [](app::LogState& log) {
        return log.engines.driller && log.engines.driller->StatusBoxShown();
    };
    witsWindow.removeStatusBox = [main](app::LogState& log) { main->Neighbours().drilling->ShowStatusBox(log, false); };
    witsWindow.showStatusBox = [main](app::LogState& log) { main->Neighbours().drilling->ShowStatusBox(log, true); };
    witsWindow.startPumpThreads = [](app::LogState& log) {
        const drilling::Driller* d = log.engines.driller;
        for (int pump = 0; d && pump < 3; ++pump)
            if (d->Lag().pumpOnHole[pump])
                drilling::StartPumpThread(log, pump + 1);
    };
    witsWindow.pumpsOn = [main](app::LogState& log) { main->Neighbours().drilling->PumpsOn(log); };
    witsWindow.drawLinkStatus = [main](app::LogState& s) {
        if (s.well.file.drilling)
            main->DrillingStatus().DrawLinkStatus(false);
    };
    witsWindow.runLinkSettings = [main](app::LogState& s, int form, wits::CUSTWITSCFG& settings) {
        return wits::RunCustWitsCfgDlg(main, s.well.loggerId, form, settings);
    };
    return witsWindow;
}

}  // namespace shell
