// The gas monitor engine's host as the main window makes it: its values read from the window's state,
// its services set from it.
#include "gasmon/gashost.h"

#include "app/logstate.h"
#include "gasmon/autogas.h"
#include "gasmon/chartfile.h"
#include "gasmon/chartwindow.h"
#include "gasmon/gasdisplayheading.h"
#include "gasmon/gasmoncfg_window.h"
#include "layout/trackflags.h"
#include "logview/logview_services.h"
#include "platform/services.h"
#include "wellfile/datafile.h"
#include "wits/wits.h"

namespace gasmon {

namespace {

// The custom tracks' repaint mode of a step the gas monitor booked.
constexpr int kGasBookingRepaint = 2;

}  // namespace

GasHost::GasHost(app::LogState& log, const GasMonitorWindow& window) : log_(log)
{
    app::LogState* s = &log;
    readConfig = [s](GASMONCFG& cfg) { return ReadGasmonCfg(*s, cfg); };
    writeConfig = [s](const GASMONCFG& cfg) { return WriteGasmonCfg(*s, cfg); };
    readLastRecord = [s]() -> std::optional<wellfile::RECORD> {
        const std::unique_ptr<wellfile::RECORD> last =
            wellfile::ReadLastRecord(s->well.file, s->well.file.dataFileName);
        if (!last)
            return std::nullopt;
        return *last;
    };
    writeLastRecord = [s](const wellfile::RECORD& r) {
        return wellfile::WriteLastRecord(r, s->well.file.dataFileName) == 1;
    };
    makeDisplay = [s, make = window.makeDisplay]() -> std::unique_ptr<GasDisplay> {
        if (!make)
            return nullptr;
        HeadingInputs in;
        in.instrumentType = s->engineStatus.gasInstrumentType;
        in.profile = s->well.loggerId;
        if (const AutoGas* engine = s->engines.autoGas) {
            const GasSettings& e = engine->Settings();
            in.instrumentType = e.instrumentType;
            in.type2Mode = e.type2Mode;
            in.outsideFileMode = e.sriMode != 0 || e.baselineMode;
        }
        return make(*s, GasDisplayHeading(in));
    };
    rebuildMenu = [s, build = window.buildMenu] {
        if (build)
            build(*s, -1);
    };
    showRetentionTimes = [s, show = window.showRetentionTimes](const std::array<std::int32_t, 8>& times) {
        if (show)
            show(*s, times);
    };
    setWitsLiveGas = [s](int index, float value) {
        if (s->engines.wits)
            s->engines.wits->SetLiveGas(index, value);
    };
    setTimer = [s](int id, int ms) {
        if (s->timers)
            s->timers->SetTimer(id, ms);
    };
    killTimer = [s](int id) {
        if (s->timers)
            s->timers->KillTimer(id);
    };
    copyWellFileOut = [s](const QString& extension) {
        if (s->well.file.hooks.copyWellFileOut)
            s->well.file.hooks.copyWellFileOut(extension);
    };
    writeChart = [s](const CHARTRECORD* samples, int count, const QDate& day, FailureSpell& spell) {
        const ChartPlace place = ChartPlaceOf(*s);
        return WriteChartRecords(place, samples, count, ChartFileName(place.chartFolder, place.wellName, day),
                                 &spell) == 1;
    };
    addChartSample = [s, add = window.addChartSample](const CHARTRECORD& sample) {
        if (add)
            add(*s, sample);
    };
}

platform::HWND GasHost::Window() const
{
    return log_.window;
}
QString GasHost::DataFolder() const
{
    return log_.well.file.dataFolder;
}
QString GasHost::WellName() const
{
    return log_.well.file.wellName;
}
int GasHost::Profile() const
{
    return log_.well.loggerId;
}
bool GasHost::TestGasPercent() const
{
    return log_.well.config.gasPercentMode != 0;
}
bool GasHost::WitsLinkOn() const
{
    return log_.engineStatus.witsRunning;
}
drilling::Driller* GasHost::Driller() const
{
    return log_.engines.driller;
}
// The log's settings the answers follow: CO2 from channel 3, channel 4 as the mud temperature or as a
// larger total gas.
bool GasHost::Co2Track() const
{
    return layout::On(log_.layout.schemes.trackFlags, layout::FLAG_CO2);
}
bool GasHost::TemperatureSetting() const
{
    return layout::On(log_.layout.schemes.trackFlags, layout::FLAG_TEMPERATURE);
}
bool GasHost::TakeLarger() const
{
    return log_.options.gasTakeLarger;
}
QString GasHost::InstallFolder() const
{
    return log_.env.installFolder;
}
float* GasHost::OutsideHoleDepth() const
{
    return &log_.witsLink.holeDepth;
}
wellfile::OpenWell* GasHost::Well() const
{
    return &log_.well.file;
}
std::int32_t* GasHost::LastBookedDepth() const
{
    return &log_.well.lastBookedDepth;
}
bool GasHost::Busy() const
{
    const app::LogState& s = log_;
    return s.interaction.dialogOpen || s.interaction.dataEntryActive || s.interaction.commandLock ||
           s.scroll.renderingImage || s.scroll.imageRender || s.print.printingLog;
}
void GasHost::RowsBooked(std::int32_t depth, int rows) const
{
    log_.view.RowsChanged({depth, rows, logview::ROW_GAS | logview::ROW_CUSTOM, kGasBookingRepaint});
}

}  // namespace gasmon
