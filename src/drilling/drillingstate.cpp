#include "drilling/drillingstate.h"

#include "app/logstate.h"
#include "drilling/driller.h"
#include "drilling/logtime.h"
#include "drilling/welltitle.h"
#include "gasmon/autogas.h"
#include "layout/trackflags.h"
#include "wits/custwits.h"
#include "wits/wits.h"
#include "app/opendatafile.h"
#include "wellfile/profile.h"

#include <QString>

#include <algorithm>

namespace drilling {

void RefreshDrillingWindow(DrillingWindow& w, app::LogState& log)
{
    const layout::LogLayout& L = log.layout.format;
    w.well = &log.well.file;
    w.fit = &log.well.fit;
    w.customRows = &log.customTracks.rows;
    w.profile = log.well.loggerId;
    w.metric = wellfile::MetricProfile(log.well.loggerId, log.well.config.rateUnitPerHour);
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
    w.keptCorrectLagDepth = &log.drilling.correctLagDepth;
    w.lagDepthFromWits = log.witsLink.lagFromWits;
    w.witsHoleDepth = log.witsLink.holeDepth;
    w.pumpStrokes = log.engines.pumpStrokes.get();
    w.invalidate = log.view.invalidate;
    if (log.layout.pens.pens.size() > 17)
        w.slideColour = log.layout.pens.pens[17].colour;  // " Slide "
}

DrillingWindow MakeDrillingWindow(app::LogState& log)
{
    DrillingWindow w;
    w.refresh = [&log](DrillingWindow& self) { RefreshDrillingWindow(self, log); };
    RefreshDrillingWindow(w, log);
    return w;
}

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
    log.customTracks.host.drillerLag = driller ? &driller->lag : nullptr;
    if (driller) {
        log.engines.drillerFigures = [driller] { return driller->Figures(); };
        // The entry boxes hand their Ctrl keys to the drilling keys while the time panel exists.
        log.engines.drillingKeys = [driller](int key) {
            if (driller->time)
                driller->time->KeyDown(key, true);
        };
    } else {
        log.engines.drillerFigures = nullptr;
        log.engines.drillingKeys = nullptr;
    }
}

}  // namespace drilling
