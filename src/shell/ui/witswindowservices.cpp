#include "shell/ui/witswindowservices.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "shell/ui/logwindow.h"
#include "wits/ui/witsalarmwindows.h"
#include "wits/ui/witschartdlg.h"
#include "wits/witsalarmhost.h"

#include <QScreen>

namespace wits {

WitsWindowServices::WitsWindowServices(QWidget* window, WitsServices& rest) : window_(window), rest_(rest) {}

void WitsWindowServices::Install(app::LogState& log)
{
    log.engines.makeWitsAlarmPopup = [this](WitsAlarms& table, int channel, const QString& text) {
        return MakeAlarmPopup(table, channel, text);
    };
}

AlarmPopup* WitsWindowServices::MakeAlarmPopup(WitsAlarms& table, int channel, const QString& text)
{
    return ShowWitsAlarmDisplay(window_, table, channel, text);
}

void WitsWindowServices::CmWitsAlarms(app::LogState& log)
{
    WitsAlarmsDlg dlg(window_, MakeWitsAlarmHost(log));
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
    if (auto* open = qobject_cast<WitsChartDlg*>(held.data())) {
        open->CloseChart();
        held = nullptr;
        delete open;
        ChartGone(main, log);
        return;
    }
    auto* chart = new WitsChartDlg(main, log, [main, &log] {
        main->Tools().witsChart = nullptr;
        ChartGone(main, log);
    });
    const QRect client(main->mapToGlobal(QPoint(0, 0)), main->size());
    const QScreen* screen = main->screen();
    chart->setGeometry(WitsChartDlg::Placement(log, client, screen ? screen->geometry().height() : 0));
    held = chart;
    chart->Create();
    main->CheckMenuItem(app::cmd::WitsChart, true);
    chart->FirstLoad();
}

}  // namespace wits
