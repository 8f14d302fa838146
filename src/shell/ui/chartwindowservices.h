#pragma once
// The gas monitor services of a main window with the real-time gas chart: the chart's calls (made by the
// gas chart command) are answered here with a ChartDlg, the rest by the services they are built on.
#include "gasmon/chartrecord.h"
#include "gasmon/gasmon_services.h"

#include <QPointer>
#include <QWidget>

namespace gasmon { struct GasMonitorWindow; class ChartDlg; }

namespace shell {

class LogWindow;

// What the gas monitor's commands ask of the main window besides its state: its menu, the gas chart,
// the live windows, the set-up dialog and the hand-over to the WITS link.
gasmon::GasMonitorWindow MonitorWindowOf(LogWindow& window);

class ChartWindowServices final : public gasmon::GasMonitorServices {
public:
    // `window` is the main window (a LogWindow), the chart's parent and the owner of its menu item.
    ChartWindowServices(QWidget* window, gasmon::GasMonitorServices& rest);

    QWidget* CreateChart(app::LogState& log, QWidget* parent) override;
    int ReadChartCfg(app::LogState& log, QWidget* chart, ChartCfgRecord& settings) override;
    void SetChartValue(QWidget* chart, std::int32_t value) override;
    int RedrawChart(app::LogState& log, QWidget* chart) override;
    void CloseChart(app::LogState& log, QWidget* chart) override;

    void CmGasMonitor(app::LogState& log) override { rest_.CmGasMonitor(log); }
    void CmGasMonitorSetup(app::LogState& log) override { rest_.CmGasMonitorSetup(log); }
    void EvGasResponse(app::LogState& log, std::uintptr_t w, std::intptr_t l) override { rest_.EvGasResponse(log, w, l); }
    bool MonitorRunning(const app::LogState& log) override { return rest_.MonitorRunning(log); }
    void Poll(app::LogState& log) override { rest_.Poll(log); }
    void StartCycle(app::LogState& log) override { rest_.StartCycle(log); }
    void StopMonitor(app::LogState& log) override { rest_.StopMonitor(log); }
    void RefreshGasDisplay(app::LogState& log) override { rest_.RefreshGasDisplay(log); }

    // What the gas monitor hands the open chart (none open: nothing).
    static void AddSample(QWidget* chart, const gasmon::CHARTRECORD& sample);
    static void ShowRetentionTimes(QWidget* chart, const std::array<std::int32_t, 8>& times);

private:
    QPointer<QWidget> window_;
    gasmon::GasMonitorServices& rest_;
};

}  // namespace shell
