#pragma once
// The gas monitor. What the main window asks of this subsystem.
// Until the subsystem is built, the default services say so on stderr (commands also beep).
#include <array>
#include <cstdint>

class QWidget;

namespace app {
struct LogState;
}

namespace gasmon {

class GasMonitorServices {
public:
    virtual ~GasMonitorServices() = default;
    // Command 51779: gas monitor on or off.
    virtual void CmGasMonitor(app::LogState& log) = 0;
    // Command 51800: the gas monitor set-up.
    virtual void CmGasMonitorSetup(app::LogState& log) = 0;
    // WM_USER+1: the gas instrument answered.
    virtual void EvGasResponse(app::LogState& log, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    // What drilling mode asks of the gas monitor (the defaults until the engine is built):
    // whether the monitor runs (its engine exists);
    virtual bool MonitorRunning(const app::LogState& log);
    // timer 1: the poll of the instrument;
    virtual void Poll(app::LogState& log);
    // the depth box's chromatograph trigger: the coming cycle is a calibration cycle when one was
    // requested (the request is then cleared), else a normal one, and a new cycle starts;
    virtual void StartCycle(app::LogState& log);
    // drilling stops: the monitor is disconnected and deleted (the caller has killed timer 1).
    virtual void StopMonitor(app::LogState& log);
    // The display scheme changed: the running monitor makes its live window again (nothing otherwise).
    virtual void RefreshGasDisplay(app::LogState& log);

    // The real-time gas chart (ChartDlg, dialog 49), as the gas chart command drives it. CreateChart makes
    // it a modeless child of `parent` with its window created (null where no window makes it).
    // ReadChartCfg fills the 1,024-byte chart settings record (zeroed first) and gives non-zero when the
    // settings file was read; a file longer than the record is not read. The caller uses the first five
    // values: the chart value handed to SetChartValue, then top, left, width and height of the window.
    // RedrawChart draws the whole chart (0 when it cannot); CloseChart saves the settings and lets go of
    // the chart's own windows before the caller deletes it.
    using ChartCfgRecord = std::array<std::int32_t, 256>;
    virtual QWidget* CreateChart(app::LogState& log, QWidget* parent);
    virtual int ReadChartCfg(app::LogState& log, QWidget* chart, ChartCfgRecord& settings);
    virtual void SetChartValue(QWidget* chart, std::int32_t value);
    virtual int RedrawChart(app::LogState& log, QWidget* chart);
    virtual void CloseChart(app::LogState& log, QWidget* chart);
};

// The services in force for this subsystem.
GasMonitorServices& DefaultGasMonitorServices();

}  // namespace gasmon
