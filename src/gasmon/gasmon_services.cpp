#include "gasmon/gasmon_services.h"

#include "app/logstate.h"
#include "app/notbuilt.h"

namespace gasmon {

namespace {

class NotBuilt final : public GasMonitorServices {
public:
    void CmGasMonitor(app::LogState&) override { app::NotBuiltCommand("gasmon", "CmGasMonitor"); }
    void CmGasMonitorSetup(app::LogState&) override { app::NotBuiltCommand("gasmon", "CmGasMonitorSetup"); }
    void EvGasResponse(app::LogState&, std::uintptr_t, std::intptr_t) override { app::NotBuilt("gasmon", "EvGasResponse"); }
};
}  // namespace

bool GasMonitorServices::MonitorRunning(const app::LogState& log) { return log.engines.autoGas != nullptr; }
void GasMonitorServices::Poll(app::LogState&) { app::NotBuilt("gasmon", "Poll"); }
void GasMonitorServices::StartCycle(app::LogState&) { app::NotBuilt("gasmon", "StartCycle"); }
void GasMonitorServices::StopMonitor(app::LogState&) { app::NotBuilt("gasmon", "StopMonitor"); }
void GasMonitorServices::RefreshGasDisplay(app::LogState&) {}

QWidget* GasMonitorServices::CreateChart(app::LogState&, QWidget*)
{
    app::NotBuiltCommand("gasmon", "ChartDlg");
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
    static NotBuilt services;
    return services;
}

}  // namespace gasmon
