#include "shell/ui/chartwindowservices.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "gasmon/chartwindow.h"
#include "gasmon/ui/chartdlg.h"
#include "gasmon/gashost.h"
#include "gasmon/ui/autogasdlg.h"
#include "gasmon/ui/gasdisplaydlg.h"
#include "shell/ui/logwindow.h"

#include <cstring>

namespace shell {

ChartWindowServices::ChartWindowServices(QWidget* window, gasmon::GasMonitorServices& rest)
    : window_(window)
    , rest_(rest)
{
}

QWidget* ChartWindowServices::CreateChart(app::LogState& log, QWidget* parent)
{
    // Closed by its close box: the main window's guarded pointer clears itself, its menu item is
    // unchecked and the status area drawn again.
    QPointer<QWidget> window = window_;
    auto* chart = new gasmon::ChartDlg(parent, log, [window] {
        if (auto* main = qobject_cast<LogWindow*>(window.data())) {
            main->CheckMenuItem(app::cmd::GasChart, false);
            main->InvalidateLog();
        }
    });
    if (!chart->Create()) {
        delete chart;
        return nullptr;
    }
    return chart;
}

int ChartWindowServices::ReadChartCfg(app::LogState& log, QWidget*, ChartCfgRecord& settings)
{
    gasmon::ChartSettings read;
    const int ok = gasmon::ReadChartCfg(log, read);
    static_assert(sizeof read == sizeof settings);
    std::memcpy(settings.data(), &read, sizeof settings);
    return ok;
}

void ChartWindowServices::SetChartValue(QWidget* chart, std::int32_t value)
{
    if (auto* c = qobject_cast<gasmon::ChartDlg*>(chart))
        c->SetScaleIndex(value);
}

int ChartWindowServices::RedrawChart(app::LogState&, QWidget* chart)
{
    auto* c = qobject_cast<gasmon::ChartDlg*>(chart);
    if (!c)
        return 0;
    c->Redraw();
    return 1;
}

void ChartWindowServices::CloseChart(app::LogState&, QWidget* chart)
{
    if (auto* c = qobject_cast<gasmon::ChartDlg*>(chart))
        c->CloseChart();
}

void ChartWindowServices::AddSample(QWidget* chart, const gasmon::CHARTRECORD& sample)
{
    if (auto* c = qobject_cast<gasmon::ChartDlg*>(chart))
        c->AddSamples(&sample, 1);
}

void ChartWindowServices::ShowRetentionTimes(QWidget* chart, const std::array<std::int32_t, 8>& times)
{
    if (auto* c = qobject_cast<gasmon::ChartDlg*>(chart))
        c->ShowRetentionTimes(times);
}

gasmon::GasMonitorWindow MonitorWindowOf(LogWindow& window)
{
    LogWindow* main = &window;
    gasmon::GasMonitorWindow gasWindow;
    gasWindow.buildMenu = [main](app::LogState&, int part) { main->BuildMenu(part); };
    gasWindow.buildMudlogMenu = [main](app::LogState&) { main->BuildMudlogMenu(); };
    gasWindow.checkMenuItem = [main](app::LogState&, int id, bool checked) { main->CheckMenuItem(id, checked); };
    gasWindow.appendMenuItem = [main](app::LogState&, int position, int id, const QString& text) {
        main->AppendMenuItem(position, id, text);
    };
    gasWindow.gasChartOpen = [main](app::LogState&) { return !main->Tools().gasChart.isNull(); };
    gasWindow.closeGasChart = [main](app::LogState&) { main->CmGasChart(); };
    gasWindow.makeDisplay = [main](app::LogState&, const QString& heading) {
        return gasmon::MakeGasDisplay(main, heading, [main] { return main->LiveWindowHome(); });
    };
    gasWindow.addChartSample = [main](app::LogState&, const gasmon::CHARTRECORD& sample) {
        ChartWindowServices::AddSample(main->Tools().gasChart, sample);
    };
    gasWindow.showRetentionTimes = [main](app::LogState&, const std::array<std::int32_t, 8>& times) {
        ChartWindowServices::ShowRetentionTimes(main->Tools().gasChart, times);
    };
    gasWindow.runSetupDialog = [main](app::LogState&, gasmon::GasSetupSession& session) {
        gasmon::RunAutoGasDlg(main, session, main->Tools().helpWindow);
    };
    gasWindow.handToWitsLink = [main](app::LogState& s, const wits::GasSetupValues& v) {
        main->Neighbours().wits->TakeGasSetup(s, v);
    };
    return gasWindow;
}

}  // namespace shell
