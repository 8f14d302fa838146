// The e-log subsystem's part of the view's neighbour painters: the curve set's rows, the automatic
// lithology made over them, and the GAMMA outline of the depth match.
#include "elog/curverecord.h"
#include "elog/draw/curvelines.h"
#include "shell/draw/viewpainters.h"

#include <utility>

namespace shell {

using logview::PaintTarget;
using logview::ViewGeometry;

void ViewPainters::SetElogCurves(const tracks::ElogView* view, tracks::AutomaticLith lith)
{
    elogView = view;
    automaticLith = std::move(lith);
}

namespace {

elog::CurveLinesTarget OutlineTarget(const tracks::ElogView* view, const ViewGeometry& g, bool printing)
{
    elog::CurveLinesTarget target;
    target.depthOffset = view ? view->depthOffset : 0;
    target.scaleIndex = g.scaleIndex;
    target.rowHeight = g.rowHeight;
    target.topY = g.topMargin;
    target.bottomY = g.logBottomY;
    target.liftBottom = printing;
    return target;
}

}  // namespace

int ViewPainters::DrawCurveLines(const PaintTarget& t, int rows, std::int32_t topDepth)
{
    if (!elogCurves)
        return 1;
    return elog::DrawCurveLines(t.dc, *elogCurves, OutlineTarget(elogView, t.geometry, t.device.printing), rows,
                                topDepth, elog::SLOT_GAMMA);
}

bool ViewPainters::PlaceCurveLines(const ViewGeometry& g, int rows, std::int32_t topDepth)
{
    return elogCurves &&
           elog::BuildCurveLinePoints(*elogCurves, OutlineTarget(elogView, g, false), rows, topDepth, elog::SLOT_GAMMA) > 0;
}

}  // namespace shell
