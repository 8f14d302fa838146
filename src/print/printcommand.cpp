#include "print/printcommand.h"

#include "app/logstate.h"
#include "print/printer_commands.h"
#include "print/printgeometry.h"
#include "print/printrunfiles.h"
#include "app/opendatafile.h"
#include "wellfile/sidefiles_settings.h"
#include "wellfile/wellconfig.h"

namespace print {

PrintRunKind RequestedRunKind(const app::LogState& log)
{
    if (log.print.topsPage)
        return PrintRunKind::Tops;
    if (log.print.headerOnly)
        return PrintRunKind::HeaderOnly;
    return PrintRunKind::Log;
}

std::optional<PrintCommandRun> PreparePrintCommand(app::LogState& log, const RunPrintSetupFn& setup)
{
    PrintState& ps = log.print;
    const wellfile::OpenWell& file = log.well.file;
    PrintCommandRun run;
    run.kind = RequestedRunKind(log);
    run.keptScaleKind = ps.scaleKind;
    run.keptRateLineStyle = log.well.config.rateLineStyle;
    run.keptGasLineStyle = log.well.config.gasLineStyle;
    run.keptRatePerHour = log.view.rateInMetresPerHour;
    log.trackPainters.StartPrintingPass();

    wellfile::PRINTCFG& cfg = run.cfg;
    cfg.continuousPaper = CheckPrinter(log);

    if (run.kind == PrintRunKind::Log) {
        wellfile::WellConfig config{};
        wellfile::LoadConfig(config, app::PlaceOf(log), log.well.fieldSettings);
        cfg.startDepth = DefaultPrintStart(file.viewTopDepth, config.lastPrintedDepth, file.fileTopDepth,
                                           file.fileBottomDepth);
        cfg.endDepth = file.fileBottomDepth;
        if (!setup || setup(log, cfg) == 0)
            return std::nullopt;
        run.range.start = cfg.startDepth;
        run.range.end = PrintEndDepth(cfg.endDepth, cfg.startDepth, ps.printBottomDepth);
    }

    ps.printInColour = ps.colourPrinter && cfg.colour != 0;
    log.well.config.rateLineStyle = cfg.ratePointToPoint;
    log.well.config.gasLineStyle = cfg.gasPointToPoint;
    ps.scaleKind = cfg.scaleKind;
    ps.twoAndHalfInch = cfg.twoAndHalfInch != 0;
    log.view.rateInMetresPerHour = cfg.rateInMetresPerHour;
    // What these per-column tables hold is not settled; each print starts them over from the layout's
    // alternate-format byte.
    const auto fill = static_cast<std::uint8_t>(log.layout.format.alternateFormat);
    for (auto& table : ps.columnTables)
        table.fill(fill);
    return run;
}

void FinishPrintCommand(app::LogState& log, const PrintCommandRun& run, bool printed)
{
    if (printed && run.kind == PrintRunKind::Log) {
        SaveLastPrintedDepth(app::PlaceOf(log), log.well.fieldSettings, run.cfg.lastDescribedDepth);
        wellfile::SavePrintConfig(log.well.file.dataFolder, run.cfg);
    }
    log.print.scaleKind = run.keptScaleKind;
    log.well.config.rateLineStyle = run.keptRateLineStyle;
    log.well.config.gasLineStyle = run.keptGasLineStyle;
    if (run.kind != PrintRunKind::Log)
        log.view.rateInMetresPerHour = run.keptRatePerHour;
    log.trackPainters.StartPrintingPass();
}

}  // namespace print
