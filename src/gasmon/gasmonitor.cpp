#include "gasmon/gasmonitor.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "app/nowindow.h"
#include "app/wellsettings.h"
#include "gasmon/gasmoncfg_window.h"
#include "platform/services.h"
#include "app/opendatafile.h"

namespace gasmon {

namespace {

// The fifth pop-up of the menu bar, where the monitor's set-up goes while it runs.
constexpr int kSetupPopup = 4;
constexpr int kPollMs = 300;

}  // namespace

GasMonitorCommands::GasMonitorCommands(GasMonitorWindow window) : window_(std::move(window)) {}

GasMonitorCommands::~GasMonitorCommands() = default;

void GasMonitorCommands::DeleteEngine(app::LogState& log)
{
    if (engine_)
        engine_->Disconnect();
    engine_.reset();
    log.engines.autoGas = nullptr;
}

void GasMonitorCommands::CmGasMonitor(app::LogState& log)
{
    if (log.well.tvdFile) {
        platform::MessageBox(QStringLiteral("Can Not enable gas monitor in a TVD file"), QStringLiteral("StrativM"),
                             platform::MB_OK);
        return;
    }
    wellfile::WellConfig config{};
    wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
    bool& running = log.engineStatus.gasMonitorRunning;

    if (running) {
        running = false;
        if (log.timers)
            log.timers->KillTimer(1);
        if (window_.checkMenuItem)
            window_.checkMenuItem(log, app::cmd::GasMonitor, false);
        if (engine_) {
            DeleteEngine(log);
            if (window_.gasChartOpen && window_.gasChartOpen(log) && window_.closeGasChart)
                window_.closeGasChart(log);
            if (window_.buildMudlogMenu)
                window_.buildMudlogMenu(log);
        }
    } else if (!engine_) {
        int type = log.engineStatus.gasInstrumentType;
        if (type < 0)
            type = config.gasInstrumentType >= 0 ? config.gasInstrumentType : 0;
        log.engineStatus.gasInstrumentType = type;
        host_ = std::make_unique<GasHost>(log, window_);
        engine_ = std::make_unique<AutoGas>(*host_, type, 0);
        log.engines.autoGas = engine_.get();
        if (engineMade)
            engineMade(*engine_);
        if (!engine_->Start()) {
            engine_.reset();
            log.engines.autoGas = nullptr;
            config.gasMonitorOn = 0;
            if (app::SaveWellConfig(log, config))
                log.well.config = config;
            if (window_.buildMenu)
                window_.buildMenu(log, -1);
            return;
        }
        if (log.timers)
            log.timers->SetTimer(1, kPollMs);
        running = true;
        if (window_.buildMudlogMenu)
            window_.buildMudlogMenu(log);
        if (window_.checkMenuItem)
            window_.checkMenuItem(log, app::cmd::GasMonitor, true);
        if (window_.appendMenuItem)
            window_.appendMenuItem(log, kSetupPopup, app::cmd::GasMonitorSetup, QStringLiteral("Gas Monitor Setup"));
    }
    config.gasMonitorOn = running ? 1 : 0;
    if (app::SaveWellConfig(log, config))
        log.well.config = config;
}

void GasMonitorCommands::CmGasMonitorSetup(app::LogState& log)
{
    if (!window_.runSetupDialog) {
        app::NoWindowCommand("gasmon", "CmGasMonitorSetup");
        return;
    }
    // The dialog edits its own copy; only its Save writes the file.
    GASMONCFG cfg = OpenSetupRecord(log, engine_.get(), SetupInstrumentType(log));
    GasSetupHooks hooks;
    app::LogState* s = &log;
    hooks.rebuildMenu = [s, this] {
        if (window_.buildMenu)
            window_.buildMenu(*s, -1);
    };
    hooks.handToWitsLink = [s, this](const wits::GasSetupValues& v) {
        if (window_.handToWitsLink)
            window_.handToWitsLink(*s, v);
    };
    hooks.gasChartOpen = [s, this] { return window_.gasChartOpen && window_.gasChartOpen(*s); };
    hooks.closeGasChart = [s, this] {
        if (window_.closeGasChart)
            window_.closeGasChart(*s);
    };
    GasSetupSession session(log, engine_.get(), cfg, std::move(hooks));
    window_.runSetupDialog(log, session);
}

void GasMonitorCommands::EvGasResponse(app::LogState&, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (engine_)
        engine_->EvResponse(wParam, lParam);
}

void GasMonitorCommands::Poll(app::LogState&)
{
    if (engine_)
        engine_->Poll();
}

void GasMonitorCommands::StartCycle(app::LogState&)
{
    if (!engine_)
        return;
    engine_->StartRequestedCycle();
}

void GasMonitorCommands::StopMonitor(app::LogState& log)
{
    DeleteEngine(log);
    log.engineStatus.gasMonitorRunning = false;
}

void GasMonitorCommands::RefreshGasDisplay(app::LogState&)
{
    if (engine_)
        engine_->OpenGasDisplay();
}

}  // namespace gasmon
