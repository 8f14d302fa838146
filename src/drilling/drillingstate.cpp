#include "drilling/drillingstate.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/welltitle.h"
#include "gasmon/autogas.h"
#include "layout/trackflags.h"
#include "logview/logview_services.h"
#include "wits/custwits.h"
#include "wits/wits.h"
#include "app/opendatafile.h"
#include "wellfile/profile.h"

#include <QString>

#include <algorithm>

namespace drilling {

namespace {

constexpr int kDrillingStepRepaint = 1;  // the custom tracks' repaint mode of a drilling step

}  // namespace

DrillingHost::DrillingHost(app::LogState& log, DrillingPeers peers) : log_(log), peers_(peers) {}

DrillingWindow DrillingHost::Window() const
{
    const app::LogState& log = log_;
    const layout::LogLayout& L = log.layout.format;
    DrillingWindow w;
    w.profile = log.well.loggerId;
    w.metric = wellfile::kDepthsInMetres;
    w.startingUp = !log.well.fileOpened;
    w.customDataInUse = log.well.customTracksEnabled && log.customTracks.data != nullptr;
    w.witsLinkOn = log.engines.wits != nullptr;
    w.witsNewData = log.engines.wits && log.engines.wits->NewData();
    w.witsCustomCopy = log.drilling.timedCustomCopy;
    w.customLinkOn = log.engines.custWits != nullptr;
    w.customLinkDepth = log.engines.custWits && log.engines.custWits->Settings().trackDepth;
    w.copyOut = log.well.file.copyOut;
    w.copyOutInterval = log.well.config.copyOptions.liveUpdateInterval;
    w.customLas = log.well.config.autoCreateLas != 0;
    w.bottomToFirstRecord = log.well.writeBottomToFirstRecord;
    w.gasInstrumentType = log.engineStatus.gasInstrumentType;
    // The running gas monitor's "Conn Time Out" puts the bit off bottom (none while it is off).
    w.gasConnTimeOutMinutes = log.engines.autoGas ? log.engines.autoGas->Settings().connectionTimeout : 0.0f;
    w.memosShown = layout::On(log.layout.schemes.trackFlags, layout::FLAG_MEMOS);
    w.unmanned = log.well.config.unmannedUnit != 0;
    w.busy = log.scroll.renderingImage || log.scroll.imageRender;
    w.printing = log.print.printingLog;
    w.viewScale = log.view.viewScale;
    w.bottomInView = !log.scroll.notAtBottom;
    w.altLayout = L.alternateFormat;
    w.unitWidth = L.trackUnit;
    w.rowHeight = L.pixelsPerStep;
    w.topMargin = L.logAreaTop;
    w.logWidth = L.logRight;
    w.logBottomY = log.view.logAreaBottom;
    w.firstColumnX = L.rate.left;
    w.secondColumnX = L.textColumn.count > 0 ? L.textColumn.left : L.outline.left;
    w.firstTrackUnits = L.rate.count;
    w.gasLeftX = L.gas.left;
    w.gasRightX = L.gasRight;
    w.gasSplitX = L.gasSplitX;
    w.descriptionX = L.description.left;
    w.charWidth = std::max(1, log.env.charWidth);  // the window's font: the lag text's place
    w.lagDepthFromWits = log.witsLink.lagFromWits;
    w.witsHoleDepth = log.witsLink.holeDepth;
    if (log.layout.pens.pens.size() > 17)
        w.slideColour = log.layout.pens.pens[17].colour;  // " Slide "
    return w;
}

wellfile::OpenWell& DrillingHost::Well() const { return log_.well.file; }
wellfile::FitFile& DrillingHost::Fit() const { return log_.well.fit; }
std::vector<wellfile::CUSTDATAREC>& DrillingHost::CustomRows() const { return log_.customTracks.rows; }
StatusCanvas& DrillingHost::Canvas() const { return peers_.canvas ? *peers_.canvas : NullCanvas(); }

DrillingStatusBox& DrillingHost::Box() const
{
    static DrillingStatusBox notBuilt;
    return peers_.box ? *peers_.box : notBuilt;
}

StatusNotes& DrillingHost::Notes() const
{
    static StatusNotes notBuilt;
    return peers_.notes ? *peers_.notes : notBuilt;
}

WellFileWork& DrillingHost::Files() const
{
    static WellFileWork notBuilt;
    return peers_.files ? *peers_.files : notBuilt;
}

LagHandover& DrillingHost::Handover() const
{
    static LagHandover notBuilt;
    return peers_.lag ? *peers_.lag : notBuilt;
}

void DrillingHost::NewRowDrawn(const wellfile::RECORD& added) const
{
    unsigned parts = logview::ROW_RATE | logview::ROW_DEPTH | logview::ROW_NEW_LITHOLOGY;
    // The custom tracks of the last two rows, on even depths while a link brings their values.
    const bool linkOn = log_.engines.wits || log_.engines.custWits;
    if (log_.engines.driller && log_.well.customTracksEnabled && log_.customTracks.data && linkOn &&
        added.depth % 2 == 0)
        parts |= logview::ROW_CUSTOM;
    log_.view.RowsChanged({added.depth, 2, parts, kDrillingStepRepaint});
}

std::int32_t& DrillingHost::KeptCorrectLagDepth() const { return log_.drilling.correctLagDepth; }
PumpStrokes* DrillingHost::Pumps() const { return log_.engines.pumpStrokes.get(); }

void DrillingHost::Invalidate() const { log_.view.Invalidate(); }

int LoadWellTitle(app::LogState& log)
{
    const WellTitle t = ReadWellTitle(app::PlaceOf(log), log.well.loggerId);
    log.well.wellTitle = t.title;
    log.well.wellCompany = t.company;
    log.well.companyFlag = t.companyFlag;
    log.well.kbElevation = t.kb;
    return 1;
}

void LoadWellTitleWhenMissing(app::LogState& log)
{
    const std::string& title = log.well.wellTitle;
    if (title.empty() || QString::fromLatin1(title.data(), qsizetype(title.size()))
                                 .compare(QLatin1String(kNoHeaderTitle.data(), qsizetype(kNoHeaderTitle.size())),
                                          Qt::CaseInsensitive) == 0)
        LoadWellTitle(log);
}

void AttachDriller(app::LogState& log, Driller* driller)
{
    log.engines.driller = driller;
    log.engines.runningDriller = driller;
    log.customTracks.host.drillerLag = driller ? &driller->Lag() : nullptr;
    if (driller) {
        log.engines.drillerFigures = [driller] { return driller->Figures(); };
        // The entry boxes hand their Ctrl keys to the drilling keys while the time panel exists.
        log.engines.drillingKeys = [driller](int key) {
            if (LogTime* time = driller->Time())
                time->KeyDown(key, true);
        };
    } else {
        log.engines.drillerFigures = nullptr;
        log.engines.drillingKeys = nullptr;
    }
}

}  // namespace drilling
