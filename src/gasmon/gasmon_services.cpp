#include "gasmon/gasmon_services.h"

#include "app/logstate.h"
#include "app/nowindow.h"

namespace gasmon {

namespace {

class Windowless final : public GasMonitorServices {
public:
    void CmGasMonitor(app::LogState&) override { app::NoWindowCommand("gasmon", "CmGasMonitor"); }
    void CmGasMonitorSetup(app::LogState&) override { app::NoWindowCommand("gasmon", "CmGasMonitorSetup"); }
    void EvGasResponse(app::LogState&, std::uintptr_t, std::intptr_t) override { app::NoWindow("gasmon", "EvGasResponse"); }
};
}  // namespace

bool GasMonitorServices::MonitorRunning(const app::LogState& log) { return log.engines.autoGas != nullptr; }
void GasMonitorServices::Poll(app::LogState&) { app::NoWindow("gasmon", "Poll"); }
void GasMonitorServices::StartCycle(app::LogState&) { app::NoWindow("gasmon", "StartCycle"); }
void GasMonitorServices::StopMonitor(app::LogState&) { app::NoWindow("gasmon", "StopMonitor"); }
void GasMonitorServices::RefreshGasDisplay(app::LogState&) {}

QWidget* GasMonitorServices::CreateChart(app::LogState&, QWidget*)
{
    app::NoWindowCommand("gasmon", "ChartDlg");
    return nullptr;
}
int GasMonitorServices::ReadChartCfg(app::LogState&, QWidget*, ChartCfgRecord& settings)
{
    settings.fill(0);
    return 0;
}
void GasMonitorServices::SetChartValue(QWidget*, std::int32_t) {}
int GasMonitorServices::RedrawChart(app::LogState&, QWidget*) { return 0; }
void GasMonitorServices::CloseChart(app::LogState&, QWidget*) {}

GasMonitorServices& DefaultGasMonitorServices()
{
    static Windowless services;
    return services;
}

}  // namespace gasmon
