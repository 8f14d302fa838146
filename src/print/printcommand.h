#pragma once
// The print command's own steps around the print job: what it prepares from the window and the set-up
// before the job, and what it writes back and restores after it. The job itself (the printout and the
// print loop) is run by the window's print services.
#include "print/printrun.h"
#include "print/printsetup.h"
#include "wellfile/printcfg.h"

#include <cstdint>
#include <optional>

namespace app {
struct LogState;
}

namespace print {

// One print command: its kind, its settings and the window values it changes for the run.
struct PrintCommandRun {
    PrintRunKind kind = PrintRunKind::Log;
    wellfile::PRINTCFG cfg{};
    DepthRange range;  // the start and the rounded end; 0-0 for header-only and tops runs
    std::int32_t keptScaleKind = 1;
    std::int32_t keptRateLineStyle = 1;
    std::int32_t keptGasLineStyle = 1;
    std::int32_t keptRatePerHour = 0;
};

// The kind of run the window's flags ask for.
PrintRunKind RequestedRunKind(const app::LogState& log);

// Before the job: the printer check, the range offered and the set-up (log runs), the rounded end,
// and the window's print values taken from the settings. nullopt when the set-up is cancelled.
std::optional<PrintCommandRun> PreparePrintCommand(app::LogState& log, const RunPrintSetupFn& setup);

// After the job: a printed log run leaves the last described depth in the well's ".cfg" and its settings
// in "strativ.pfg"; every run gives the window its scale kind and line styles back (a header or tops
// page would otherwise leave the screen's curves blocked), and a header or tops page its rate units
// too (a log run keeps the set-up's choice).
void FinishPrintCommand(app::LogState& log, const PrintCommandRun& run, bool printed);

}  // namespace print
