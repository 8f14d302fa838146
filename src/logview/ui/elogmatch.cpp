#include "logview/ui/elogmatch.h"

#include "app/ui/depthmatchdrag.h"
#include "app/elogoffset.h"
#include "app/logstate.h"
#include "elog/curves.h"
#include "elog/elog_services.h"
#include "logview/clickhits.h"
#include "logview/device.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/elogmatch.h"
#include "logview/geometryof.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/mousewindow.h"
#include "platform/draw/dc.h"

namespace logview {

namespace {

void Invalidate(app::LogState& s)
{
    if (s.view.invalidate)
        s.view.invalidate();
}

// The painters read the shift through the curve set's row view, which this moves in place.
void SetShift(app::LogState& s, std::int32_t shift)
{
    s.well.elogDepthOffset = shift;
    if (s.engines.elogCurves)
        s.engines.elogCurves->View(shift);
}

int DrawOutline(app::LogState& s, platform::Dc& dc, const ViewGeometry& g)
{
    const Device device = Device::Screen();
    return s.view.painters->DrawCurveLines(PaintTarget{dc, g, device}, ElogOutlinePoints(g), g.viewTopDepth);
}

}  // namespace

bool StartElogMatch(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                    std::int32_t depth, bool ctrl)
{
    const elog::Curves* curves = s.engines.elogCurves.get();
    if (!s.view.elogShown || ctrl || !curves || !m.drags || !s.view.painters)
        return false;
    // The outline is drawn only while dragged: its points are placed for the click, as the drag would
    // draw them.
    if (!s.view.painters->PlaceCurveLines(g, ElogOutlinePoints(g), g.viewTopDepth))
        return false;
    if (!(curves->firstDepth < depth && depth < curves->lastDepth && g.topMargin < p.y && p.y < s.view.logAreaBottom &&
          p.logX > g.rate.left + 2 * g.rate.cell && HitElogCurve(curves->points, p.logX, p.y, g.topMargin, g.rowHeight)))
        return false;
    platform::Dc* dc = XorDragDc(s, *m.drags, platform::Pen(platform::RGB(0, 0, 0), 1));
    if (!dc)
        return false;
    // The black dotted outline shows on any background only when the mix inverts under black.
    dc->SetROP2(platform::R2_NOTXORPEN);
    MouseState& ms = s.interaction.mouse;
    ms.elogFirstMove = true;
    ms.elogStartY = p.y;
    ms.elogStartShift = s.well.elogDepthOffset;
    ms.elogMoved = false;
    CaptureMouse(m);
    ms.elogDrag = true;
    app::DrawDepthMatchText(s, *dc, {p.logX, p.y});
    return true;
}

bool MoveElogMatch(app::LogState& s, const MouseContext& m, const MousePoint& p)
{
    MouseState& ms = s.interaction.mouse;
    if (!ms.elogDrag)
        return false;
    platform::Dc* dc = m.drags ? m.drags->xorDc.get() : nullptr;
    if (!dc || !s.engines.elogCurves || !s.view.painters)
        return true;
    const ViewGeometry g = GeometryOf(s);
    const std::int32_t shift = ElogDragShift(ms.elogStartY, p.y, g.rowHeight, g.scaleIndex);
    bool drawn = ms.elogFirstMove || DrawOutline(s, *dc, g) != 0;
    if (drawn) {
        SetShift(s, ms.elogStartShift + shift);
        drawn = DrawOutline(s, *dc, g) != 0;
    }
    if (!drawn) {
        ReleaseCapture(m);
        ReleaseXorDc(*m.drags);
        CancelElogMatch(s);
        Invalidate(s);
        return true;
    }
    ms.elogFirstMove = false;
    app::DrawDepthMatchText(s, *dc, {p.logX, p.y});
    ms.elogMoved = ms.elogStartY != p.y;
    return true;
}

bool EndElogMatch(app::LogState& s)
{
    MouseState& ms = s.interaction.mouse;
    if (!ms.elogDrag || ms.topDrag)
        return false;
    const bool moved = ms.elogMoved;
    ms.elogDrag = ms.elogMoved = false;
    // The outlines the drag drew go with the paint, moved or not.
    Invalidate(s);
    if (!moved)
        return true;  // nothing to store
    app::SaveElogOffset(s, s.well.elogFileName);
    elog::PublishCurves(s);
    return true;
}

void CancelElogMatch(app::LogState& s)
{
    MouseState& ms = s.interaction.mouse;
    if (!ms.elogDrag)
        return;
    ms.elogDrag = ms.elogMoved = false;
    SetShift(s, ms.elogStartShift);
    elog::PublishCurves(s);
}

}  // namespace logview
