#include "elog/curveset.h"

#include "app/engines.h"
#include "app/layoutstate.h"
#include "app/wellstate.h"
#include "platform/folders.h"

namespace elog {

CurveOwner CurveOwnerOf(const app::WellState& well, bool alternateLayout, const QString& curveFile)
{
    const wellfile::OpenWell& f = well.file;
    CurveOwner o;
    o.wellCurveFile = platform::FindFileNoCase(f.dataFolder, f.wellName + QStringLiteral(".svc"));
    o.currentCurveFile = curveFile;
    o.gammaScaleSetting = well.config.curveSetting;
    o.alternateLayout = alternateLayout;
    o.kbSetting = well.kbElevation;
    return o;
}

CurveLayout CurveLayoutOf(const app::LogLayoutState& layout)
{
    const layout::Column& rate = layout.format.rate;
    CurveLayout l;
    l.screenLeft = rate.left;
    l.screenRight = rate.Right();
    l.screenDivision = float(rate.cell);
    for (std::size_t i = 0; i < l.curvePens.size(); ++i)
        l.curvePens[i] = layout.pens.pens[std::size_t(kCurvePenEntries[i])];
    l.offScaleFill = layout.pens.pens[layout::PEN_OFFSCALE_GAMMA_FILL].colour;
    return l;
}

void PrepareCurveDrawing(app::Engines& engines, const app::LogLayoutState& layout)
{
    if (Curves* c = engines.elogCurves.get())
        c->PrepareDraw(CurveLayoutOf(layout), layout.format.pixelsPerStep, false);
}

bool ElogShown(const app::Engines& engines, const app::LogLayoutState& layout)
{
    return engines.elogCurves && engines.elogCurves->ShownOnLog(layout.schemes.trackFlags);
}

}  // namespace elog
