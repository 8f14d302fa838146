#include "drilling/drilling_services.h"

#include "app/logstate.h"
#include "app/nowindow.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"

namespace drilling {

namespace {

class Windowless final : public DrillingServices {
public:
    void CmDrilling(app::LogState&) override { app::NoWindowCommand("drilling", "CmDrilling"); }
    void CmLagTime(app::LogState&) override { app::NoWindowCommand("drilling", "CmLagTime"); }
    void CmBackupReminder(app::LogState&) override { app::NoWindowCommand("drilling", "CmBackupReminder"); }
    void EvTimer(app::LogState&, int) override { app::NoWindow("drilling", "EvTimer"); }
    void EvJoyButton(app::LogState&, unsigned) override { app::NoWindow("drilling", "EvJoyButton"); }
};
}  // namespace

layout::DrillerSettings DrillingServices::Settings(app::LogState&)
{
    app::NoWindow("drilling", "Settings");
    return {};
}
void DrillingServices::ApplySettings(app::LogState&, const layout::DrillerSettings&) { app::NoWindow("drilling", "ApplySettings"); }
void DrillingServices::SetDelay(app::LogState&, std::int32_t) { app::NoWindow("drilling", "SetDelay"); }
void DrillingServices::SetOnBottomMode(app::LogState&, int) { app::NoWindow("drilling", "SetOnBottomMode"); }
void DrillingServices::ShowStatusBox(app::LogState&, bool) { app::NoWindow("drilling", "ShowStatusBox"); }
void DrillingServices::SetWorkingRecordsScale(app::LogState&, int, std::uint16_t)
{
    app::NoWindow("drilling", "SetWorkingRecordsScale");
}
void DrillingServices::PendOneUnitStep(app::LogState&) { app::NoWindow("drilling", "PendOneUnitStep"); }
void DrillingServices::FileDepthChanged(app::LogState&, bool) { app::NoWindow("drilling", "FileDepthChanged"); }

void DrillingServices::LoadLagRecords(app::LogState& log, std::int32_t depth)
{
    Driller* d = log.engines.driller;
    if (d && log.well.file.drilling && float(depth) > d->LagDepth())
        d->LoadLagRecords(0);
}

void DrillingServices::PumpsOn(app::LogState&) { app::NoWindowCommand("drilling", "PumpsOn"); }

void DrillingServices::RunLagCalculator(app::LogState&) { app::NoWindowCommand("drilling", "LagCalcDlg"); }
void DrillingServices::RunAlarmSetup(app::LogState&) { app::NoWindowCommand("drilling", "AlarmSetupDlg"); }

std::vector<LagEntry> DrillingServices::LagEntries(app::LogState& log)
{
    std::vector<LagEntry> entries;
    const Driller* d = log.engines.driller;
    if (!d)
        return entries;
    const bool strokes = d->Strokes() != nullptr;
    const StepTables& t = d->Steps().tables;
    entries.reserve(kStepSlots);
    for (std::size_t i = 0; i < std::size_t(kStepSlots); ++i)
        entries.push_back({t.depth[i], t.clock[i], strokes ? t.volume[i] : t.lagTime[i]});
    return entries;
}

void DrillingServices::ClearLagTables(app::LogState& log)
{
    if (Driller* d = log.engines.driller)
        d->ClearStepTables();
}

DrillingServices& DefaultDrillingServices()
{
    static Windowless services;
    return services;
}

}  // namespace drilling
