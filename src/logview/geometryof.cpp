#include "logview/geometryof.h"

#include "app/logstate.h"

namespace logview {

namespace {

// The left x of the first column with width that starts at or right of `c`'s right edge; 0 when none
// or when `c` itself has none.
std::int32_t ColumnAfter(const layout::LogLayout& L, const layout::Column& c)
{
    if (c.Width() <= 0)
        return 0;
    std::int32_t best = 0;
    for (const layout::Column* next : {&L.interpreted, &L.show2, &L.show3, &L.gas, &L.gas2, &L.description, &L.custom})
        if (next->Width() > 0 && next->left >= c.Right() && (best == 0 || next->left < best))
            best = next->left;
    return best;
}

}  // namespace

ViewGeometry GeometryOf(const app::LogState& s)
{
    const layout::LogLayout& L = s.layout.format;
    const wellfile::OpenWell& well = s.well.file;
    const wellfile::WellConfig& cfg = s.well.config;
    ViewGeometry g;

    g.rowHeight = L.pixelsPerStep;
    g.unitWidth = L.trackUnit;
    g.topMargin = L.logAreaTop;
    g.visibleRows = L.visibleRows;
    g.logBottomY = s.view.logAreaBottom;
    g.clientHeight = s.scroll.windowHeight;
    g.origin = {s.view.originX, s.view.originY};
    g.horizontalScroll = s.scroll.horizontalOffset;
    g.screenWidth = L.screenWidth;

    g.viewTopDepth = well.viewTopDepth;
    g.fileFirstDepth = well.fileTopDepth;
    g.fileLastDepth = well.fileBottomDepth;
    g.depthStep = well.depthStep;
    g.depthSpan = well.viewDepthSpan;
    g.scaleIndex = s.view.viewScale;
    g.profile = s.well.loggerId;

    g.rate = L.rate;
    g.sideLithology = L.textColumn;
    g.porosity = L.show1;
    g.lithology = L.lithology;
    g.hardness = L.interpreted;
    g.afterLithologyX = ColumnAfter(L, L.lithology);
    g.fluorescence = L.show2;
    g.cut = L.show3;
    g.description = L.description;
    g.gas = L.gas;
    g.gas2 = L.gas2;
    g.gasMiddleX = L.gasSplitX;
    g.gasRight = L.gasRight;
    g.logWidth = L.logRight;
    g.markOffset = L.trackUnit;
    g.splitGas = L.twoGasTracks;
    g.gasSecondLeft = g.splitGas ? L.gas2.left : L.gas.left;
    g.gasComponentWidth = 5 * (g.splitGas ? L.gas2.cell : L.gas.cell);
    g.ratio = {L.description.left, g.gasPercentCells, L.gas.cell};
    g.customTracks = s.customTracks.data != nullptr;
    g.customLeft = g.customTracks ? L.custom.left : 0;

    g.trackFlags = s.layout.schemes.trackFlags;
    g.options.logGasScale = cfg.logGasScale != 0;
    g.options.logRateScale = cfg.logRateScale != 0;
    g.options.gasPercent = cfg.gasPercentMode;
    g.options.reverseRop = cfg.reverseRop != 0;
    g.options.rateLineStyle = cfg.rateLineStyle;
    g.options.highlightBelow = cfg.highlightRatesBelow;
    g.options.ratePerHour = s.view.rateInMetresPerHour != 0;
    g.options.sandShaleOnly = cfg.sandShaleOnly != 0;
    g.fixedRate = {s.view.fixedRateScale, s.view.fixedRateTable, s.view.fixedRateIndex};
    g.rateShown = L.rateTrack.enabled != 0;

    g.pens.table = s.layout.pens.pens;
    g.pens.rateWidth = s.layout.pens.table.entry[layout::PEN_RATES].width;
    g.pens.rateRepeat = s.layout.pens.table.entry[layout::PEN_RATES].repeat;
    for (std::size_t i = 0; i < g.pens.lith.size(); ++i) {
        const layout::PenEntry& e = s.layout.pens.table.entry[i];
        g.pens.lith[i] = {e.transparent != 0, e.lithCustom != 0, e.lithWash != 0};
    }
    g.fonts = ViewFontsFor(g.rowHeight, g.unitWidth);
    g.fonts.smallLog = L.logFont;
    g.fonts.title = L.titleFont;
    return g;
}

}  // namespace logview
