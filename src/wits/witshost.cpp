#include "wits/witshost.h"

#include "app/copythreads.h"
#include "app/depthcorrection.h"
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "logview/logview_services.h"
#include "platform/folders.h"
#include "wits/witswindow.h"
#include "wits/custwits.h"

namespace wits {

namespace {

constexpr int kWitsStepRepaint = 2;  // the custom tracks' mode of a WITS step

// Custom tracks are drawn with a booked row on a plain log that shows them with data, once the file is
// longer than 20 units.
bool CustomTracksDrawn(const app::LogState& log)
{
    const wellfile::OpenWell& well = log.well.file;
    return log.well.customTracksEnabled && log.customTracks.data && !log.customTracks.rows.empty() &&
           well.fileBottomDepth - well.fileTopDepth > 20 && !log.view.logImageMode;
}

}  // namespace

WitsHost::WitsHost(app::LogState& log, const app::WellServices& services)
{
    WitsHost& host = *this;
    host.refresh = [&log](WitsHost& h) {
        h.well = &log.well.file;
        h.link = &log.witsLink;
        h.driller = log.engines.driller;
        h.gas = log.engines.autoGas;
        h.pumps = log.engines.pumpStrokes.get();
        h.profile = int(log.well.loggerId);
        h.gasMonitorType = log.engineStatus.gasInstrumentType;
        h.unmannedUnit = log.well.config.unmannedUnit != 0;
        h.sendGas = log.well.config.sendGasViaWits != 0;
        const drilling::Driller* d = log.engines.driller;
        h.strokesCounted = d && d->time && d->time->strokes;

        h.lastBookedDepth = &log.well.lastBookedDepth;
        h.keepRecordsInMemory = log.well.file.allRecordsKept;
        h.viewScale = log.view.viewScale;
        h.rowHeight = log.layout.format.pixelsPerStep;
        h.topMargin = log.layout.format.logAreaTop;
        h.logBottom = log.view.logAreaBottom;
        h.repaintLater = log.view.repaintLater;
        h.drawingHeld = log.view.painting || log.view.holdRepaint || log.scroll.renderingImage ||
                        log.scroll.imageRender || log.print.printingLog;
        h.customTracksDrawn = CustomTracksDrawn(log);
        const CUSTWITS* custom = log.engines.custWits;
        h.customLinkGas = custom && custom->Mode() == CustWitsMode::Gas;
        h.customLinkTotalGas = log.witsLink.customLinkTotalGas;
        h.entryRecords = log.interaction.dataEntryActive ? &log.interaction.dataEntryRecords : nullptr;
        h.gasEntryOpen = log.entry.gasEntry;
        h.bottomSwitchKept = log.well.config.witsDepthOption != 0;
        h.remoteCopy = log.witsCopy.remoteCopy;
    };
    host.correctFileDepth = [&log, &services](std::int32_t depth) {
        return app::CorrectFileDepth(log, services, float(depth), 1);
    };
    host.showDepthStatus = [&log] {
        if (drilling::Driller* d = log.engines.driller)
            d->ShowDepthStatus();
    };
    // The driller draws its own lag depth, just set.
    host.showLagStatus = [&log](std::int32_t) {
        if (drilling::Driller* d = log.engines.driller)
            d->ShowLagStatus();
    };
    host.invalidate = [&log] {
        log.view.Invalidate();
    };
    host.writeBlock = [&log](const WITSRECORD* samples, int count) { WriteWitsRecord(log, samples, {}, count); };
    // The block's second copy goes to the second data folder; without one there is none.
    host.startRemoteCopy = [&log](const QString& path) {
        const QString second = platform::SecondDataFolder();
        if (!second.isEmpty())
            app::StartCopyThread(log, app::CopyKind::Wits, path, second + log.well.file.wellName + ".zl8");
    };
    host.remoteCopyEnded = [&log] { app::WaitForCopyThread(log, app::CopyKind::Wits); };
    host.refresh(host);
}

CustWitsHost::CustWitsHost(app::LogState& log, const app::WellServices& services) : WitsHost(log, services)
{
    const auto base = refresh;
    refresh = [base, &log](WitsHost& h) {
        base(h);
        auto& custom = static_cast<CustWitsHost&>(h);
        custom.standardLinkRuns = log.engines.wits != nullptr;
        custom.witsOutPattern = log.tables.witsOutTestGas;
        custom.witsOutPatternLast = log.tables.witsOutTestGasLast;
    };
    refresh(*this);
}

void RepaintBookedRow(logview::LogViewServices& view, app::LogState& log, std::int32_t depth, unsigned parts)
{
    view.RepaintRows(log, depth, 2, parts, kWitsStepRepaint);
}

}  // namespace wits
