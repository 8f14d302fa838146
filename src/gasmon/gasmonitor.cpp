#include "gasmon/gasmonitor.h"

#include "app/commandids.h"
#include "app/logstate.h"
#include "app/notbuilt.h"
#include "app/wellsettings.h"
#include "gasmon/chartwindow.h"
#include "gasmon/gasdisplayheading.h"
#include "gasmon/gasmoncfg_window.h"
#include "layout/trackflags.h"
#include "platform/services.h"
#include "wits/wits.h"
#include "wellfile/datafile.h"
#include "app/opendatafile.h"

namespace gasmon {

namespace {

// The fifth pop-up of the menu bar, where the monitor's set-up goes while it runs.
constexpr int kSetupPopup = 4;
constexpr int kPollMs = 300;

}  // namespace

GasMonitorCommands::GasMonitorCommands(GasMonitorWindow window) : window_(std::move(window)) {}

GasMonitorCommands::~GasMonitorCommands() = default;

void GasMonitorCommands::FillHost(app::LogState& log)
{
    app::LogState* s = &log;
    host_.refresh = [s, this](GasHost& h) {
        h.window = s->window;
        h.dataFolder = s->well.file.dataFolder;
        h.wellName = s->well.file.wellName;
        h.profile = s->well.loggerId;
        h.witsLinkOn = s->engineStatus.witsRunning;
        h.driller = s->engines.driller;
        // The log's settings the answers follow: CO2 from channel 3, channel 4 as the mud temperature
        // or as a larger total gas, components as percent of their test gas.
        h.co2Track = layout::On(s->layout.schemes.trackFlags, layout::FLAG_CO2);
        h.temperatureSetting = layout::On(s->layout.schemes.trackFlags, layout::FLAG_TEMPERATURE);
        h.takeLarger = s->options.gasTakeLarger;
        h.testGasPercent = s->well.config.gasPercentMode != 0;
        h.setWitsLiveGas = [s](int index, float value) {
            if (s->engines.wits)
                s->engines.wits->SetLiveGas(index, value);
        };
        h.readConfig = [s](GASMONCFG& cfg) { return ReadGasmonCfg(*s, cfg); };
        h.writeConfig = [s](const GASMONCFG& cfg) { return WriteGasmonCfg(*s, cfg); };
        h.readLastRecord = [s]() -> std::optional<wellfile::RECORD> {
            const std::unique_ptr<wellfile::RECORD> last = wellfile::ReadLastRecord(s->well.file, s->well.file.dataFileName);
            if (!last)
                return std::nullopt;
            return *last;
        };
        h.writeLastRecord = [s](const wellfile::RECORD& r) {
            return wellfile::WriteLastRecord(r, s->well.file.dataFileName) == 1;
        };
        h.makeDisplay = [s, this]() -> std::unique_ptr<GasDisplay> {
            if (!window_.makeDisplay)
                return nullptr;
            HeadingInputs in;
            in.instrumentType = s->engineStatus.gasInstrumentType;
            in.profile = s->well.loggerId;
            if (engine_) {
                in.instrumentType = engine_->instrumentType;
                in.type2Mode = engine_->type2Mode;
                in.outsideFileMode = engine_->sriMode != 0 || engine_->baselineMode;
            }
            return window_.makeDisplay(*s, GasDisplayHeading(in));
        };
        h.well = &s->well.file;
        h.lastBookedDepth = &s->well.lastBookedDepth;
        h.busy = s->interaction.dialogOpen || s->interaction.dataEntryActive || s->interaction.commandLock ||
                 s->scroll.renderingImage || s->scroll.imageRender || s->print.printingLog;
        h.repaintRows = [s, this](std::int32_t depth, int rows) {
            if (window_.repaintGasRows)
                window_.repaintGasRows(*s, depth, rows);
        };
        h.copyWellFileOut = s->well.file.hooks.copyWellFileOut;
        h.writeChart = [s](const CHARTRECORD* samples, int count, const QDate& day, FailureSpell& spell) {
            const ChartPlace place = ChartPlaceOf(*s);
            return WriteChartRecords(place, samples, count, ChartFileName(place.chartFolder, place.wellName, day),
                                     &spell) == 1;
        };
        h.addChartSample = [s, this](const CHARTRECORD& sample) {
            if (window_.addChartSample)
                window_.addChartSample(*s, sample);
        };
        h.showRetentionTimes = [s, this](const std::array<std::int32_t, 8>& times) {
            if (window_.showRetentionTimes)
                window_.showRetentionTimes(*s, times);
        };
        h.setTimer = [s](int id, int ms) {
            if (s->timers)
                s->timers->SetTimer(id, ms);
        };
        h.killTimer = [s](int id) {
            if (s->timers)
                s->timers->KillTimer(id);
        };
        h.installFolder = s->env.installFolder;
        h.outsideHoleDepth = &s->witsLink.holeDepth;
        h.rebuildMenu = [s, this] {
            if (window_.buildMenu)
                window_.buildMenu(*s, -1);
        };
    };
    host_.refresh(host_);
}

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
        FillHost(log);
        engine_ = std::make_unique<AutoGas>(host_, type, 0);
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
        app::NotBuiltCommand("gasmon", "CmGasMonitorSetup");
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
    engine_->calibrationCycle = engine_->calibrationRequest;
    engine_->calibrationRequest = false;
    engine_->StartCycle();
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
