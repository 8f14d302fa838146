// The e-log subsystem's part of the view's neighbour painters: the curve set's rows, the automatic
// lithology made over them, and the GAMMA outline of the depth match.
#include "elog/curverecord.h"
#include "elog/draw/curvelines.h"
#include "logview/draw/viewpainters.h"

#include <utility>

namespace logview {

void ViewPainters::SetElogCurves(const tracks::ElogView* view, tracks::AutomaticLith lith)
{
    elogView = view;
    automaticLith = std::move(lith);
}

int ViewPainters::DrawCurveLines(const PaintTarget& t, int rows, std::int32_t topDepth)
{
    if (!elogCurves)
        return 1;
    elog::CurveLinesTarget target;
    target.depthOffset = elogView ? elogView->depthOffset : 0;
    target.scaleIndex = t.geometry.scaleIndex;
    target.rowHeight = t.geometry.rowHeight;
    target.topY = t.geometry.topMargin;
    target.bottomY = t.geometry.logBottomY;
    target.liftBottom = t.device.printing;
    return elog::DrawCurveLines(t.dc, *elogCurves, target, rows, topDepth, elog::SLOT_GAMMA);
}

}  // namespace logview
