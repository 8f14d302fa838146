#include "wits/witshost.h"

#include "app/copythreads.h"
#include "app/depthcorrection.h"
#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
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

WitsHost::WitsHost(app::LogState& log, const app::WellServices& services) : log_(log)
{
    WitsHost& host = *this;
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
    host.writeBlock = [&log](const wellfile::WITSRECORD* samples, int count) { WriteWitsRecord(log, samples, {}, count); };
    // The block's second copy goes to the second data folder; without one there is none.
    host.startRemoteCopy = [&log](const QString& path) {
        const QString second = platform::SecondDataFolder();
        if (!second.isEmpty())
            app::StartCopyThread(log, app::CopyKind::Wits, path, second + log.well.file.wellName + ".zl8");
    };
    host.remoteCopyEnded = [&log] { app::WaitForCopyThread(log, app::CopyKind::Wits); };
}

wellfile::OpenWell& WitsHost::Well() const { return log_.well.file; }
app::WitsLinkState& WitsHost::Link() const { return log_.witsLink; }
drilling::Driller* WitsHost::Driller() const { return log_.engines.driller; }
gasmon::AutoGas* WitsHost::Gas() const { return log_.engines.autoGas; }
drilling::PumpStrokes* WitsHost::Pumps() const { return log_.engines.pumpStrokes.get(); }
int WitsHost::Profile() const { return int(log_.well.loggerId); }
int WitsHost::GasMonitorType() const { return log_.engineStatus.gasInstrumentType; }
bool WitsHost::UnmannedUnit() const { return log_.well.config.unmannedUnit != 0; }
bool WitsHost::SendGas() const { return log_.well.config.sendGasViaWits != 0; }
bool WitsHost::BottomSwitchKept() const { return log_.well.config.witsDepthOption != 0; }
bool WitsHost::RemoteCopy() const { return log_.witsCopy.remoteCopy; }

bool WitsHost::StrokesCounted() const
{
    const drilling::Driller* d = log_.engines.driller;
    return d && d->Time() && d->Time()->strokes;
}

bool WitsHost::CustomLinkGas() const
{
    const CUSTWITS* custom = log_.engines.custWits;
    return custom && custom->Mode() == CustWitsMode::Gas;
}

std::int32_t* WitsHost::LastBookedDepth() const { return &log_.well.lastBookedDepth; }
bool WitsHost::KeepRecordsInMemory() const { return log_.well.file.allRecordsKept; }
bool WitsHost::CustomTracksDrawn() const { return wits::CustomTracksDrawn(log_); }
bool WitsHost::GasEntryOpen() const { return log_.entry.gasEntry; }

BookedRowView WitsHost::RowView() const
{
    const app::LogState& log = log_;
    BookedRowView v;
    v.viewScale = log.view.viewScale;
    v.rowHeight = log.layout.format.pixelsPerStep;
    v.topMargin = log.layout.format.logAreaTop;
    v.logBottom = log.view.logAreaBottom;
    v.repaintLater = log.view.repaintLater;
    v.drawingHeld = log.view.painting || log.view.holdRepaint || log.scroll.renderingImage ||
                    log.scroll.imageRender || log.print.printingLog;
    return v;
}

std::vector<wellfile::RECORD>* WitsHost::EntryRecords() const
{
    return log_.interaction.dataEntryActive ? &log_.interaction.dataEntryRecords : nullptr;
}

CustWitsHost::CustWitsHost(app::LogState& log, const app::WellServices& services) : WitsHost(log, services) {}

bool CustWitsHost::StandardLinkRuns() const { return log_.engines.wits != nullptr; }
const std::array<float, kWitsOutPatternSize>& CustWitsHost::WitsOutPattern() const
{
    return log_.tables.witsOutTestGas;
}
int CustWitsHost::WitsOutPatternLast() const { return log_.tables.witsOutTestGasLast; }

void WitsHost::RowBooked(std::int32_t depth, unsigned parts) const
{
    log_.view.RowsChanged({depth, 2, parts, kWitsStepRepaint});
}

}  // namespace wits
