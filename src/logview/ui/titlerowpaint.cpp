#include "logview/ui/titlerowpaint.h"

#include "app/logstate.h"
#include "elog/curves.h"
#include "entry/flarepoints.h"
#include "logview/geometryof.h"
#include "app/opendatafile.h"
#include "wellfile/wellheader.h"

namespace logview {

TitleRow TitleRowOf(const app::LogState& s, int clientWidth)
{
    TitleRow in;
    in.imageRender = s.scroll.imageRender;
    in.drilling = s.well.file.drilling;
    in.customTracksShown = s.well.customTracksEnabled;
    in.lithLegend = s.options.lithLegend;
    in.hardnessLabel = s.layout.schemes.hardnessLabel;
    in.remoteMonitor = s.env.remoteMonitorOn;
    in.clientWidth = clientWidth;
    in.wellName = s.well.file.wellName;
    in.wellTitle = s.well.wellTitle;
    in.kb = s.well.kbElevation;
    in.tvdFile = s.well.scratchWell;  // a TVD well: its depth range is marked TVD
    if (const elog::Curves* curves = s.engines.elogCurves.get())
        in.curves = TitleCurveSet{curves->owner.currentCurveFile, curves->firstDepth, curves->lastDepth, curves->kbElevation};
    // The imported-curve display stays off: no command shows imported curves on their own yet.
    in.importedCurves = false;
    if (s.layout.flareTrack != 0) {
        const ViewGeometry g = GeometryOf(s);
        in.flareScale = true;
        in.flareLeft = entry::FlareTrackAt(g.gasRight, g.gas.cell).left;
    }

    HeaderPage& page = in.headerPage;
    page.clientRight = clientWidth;
    page.headerRows = s.layout.format.imageHeaderRows;
    page.logTitle = s.layout.format.title;
    page.customTracksOn = s.well.customTracksEnabled;
    page.gammaScaleIndex = s.well.config.curveSetting;
    page.hardnessSwitch = s.layout.schemes.hardnessLabel;
    page.legend.imageRender = in.imageRender;
    page.legend.customTracksShown = in.customTracksShown;
    return in;
}

void PaintTrackTitles(app::LogState& s, platform::Dc& dc, int clientWidth, NeighbourPainters& painters)
{
    TitleRow in = TitleRowOf(s, clientWidth);
    wellfile::WellHeader header{};
    if (in.imageRender) {
        // The page shows the header file as it is now; a missing file leaves every field empty.
        wellfile::ReadHeader(header, app::PlaceOf(s));
        in.headerPage.header = &header;
    }
    DrawTrackTitles(dc, GeometryOf(s), s.layout.pens, in, painters, s.view.titleRect);
}

}  // namespace logview
