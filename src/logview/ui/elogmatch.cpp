#include "logview/ui/elogmatch.h"

#include "app/ui/depthmatchdrag.h"
#include "app/elogoffset.h"
#include "app/logstate.h"
#include "elog/curves.h"
#include "elog/elog_services.h"
#include "layout/trackflags.h"
#include "logview/device.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/elogmatch.h"
#include "logview/geometryof.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/mousewindow.h"
#include "platform/draw/dc.h"
#include "platform/draw/raster.h"

#include <QImage>

#include <algorithm>

namespace logview {

namespace {

// The drag wrote its comparison text under the log, where a paint draws only the scale bars: the
// whole window is painted afresh.
void InvalidateErased(app::LogState& s) { s.view.InvalidateErased(); }

// The painters read the shift through the curve set's row view, which this moves in place.
void SetShift(app::LogState& s, std::int32_t shift)
{
    s.well.elogDepthOffset = shift;
    if (s.engines.elogCurves)
        s.engines.elogCurves->View(shift);
}

// Draws the outline on the drag Dc and shows the first track, where it lies, on the window.
int DrawOutline(app::LogState& s, platform::Dc& dc, const ViewGeometry& g)
{
    const Device device = Device::Screen();
    const int drawn = s.view.painters->DrawCurveLines(PaintTarget{dc, g, device}, ElogOutlinePoints(g), g.viewTopDepth);
    if (s.view.updateArea) {
        const platform::POINT o = dc.GetViewportOrg();
        s.view.updateArea(g.rate.left - 2 + o.x, g.topMargin - g.rowHeight, g.rate.Right() + 3 + o.x,
                          g.logBottomY + g.rowHeight);
    }
    return drawn;
}

// The press lies on the gamma the scheme draws over the first track: a pixel of the gamma pen within
// 3 pixels left and 5 right of it, on its row. Where no curve is drawn the user cannot have aimed at one.
bool OnDrawnGamma(const app::LogState& s, const ViewGeometry& g, const MousePoint& p)
{
    if (!g.Flag(layout::FLAG_FIRST_CURVE) || !s.view.bitmaps)
        return false;
    const QImage& store = s.view.bitmaps->backingStore;
    const QRgb gamma = platform::raster::ToPixel(g.pens.table[layout::PEN_GAMMA].colour) & 0xFFFFFF;
    const int half = std::max(g.rowHeight / 2, 1);
    for (int y = p.y - half; y <= p.y + half; ++y)
        for (int x = p.x - 3; x <= p.x + 5; ++x)
            if (store.valid(x, y) && (store.pixel(x, y) & 0xFFFFFF) == gamma)
                return true;
    return false;
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
          p.logX > g.rate.left + 2 * g.rate.cell && p.logX < g.rate.Right() && OnDrawnGamma(s, g, p)))
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
        InvalidateErased(s);
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
    // The outlines and the text the drag drew go with the paint, moved or not.
    InvalidateErased(s);
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
