#include "logview/ui/mousemove.h"

#include "app/logstate.h"
#include "logview/geometryof.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/buttonup.h"
#include "logview/ui/depthdrags.h"

namespace logview {

namespace {

// A box or note frame leaving the log.
bool LeaveLogDuringDrag(app::LogState& s, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                        unsigned keys)
{
    const MouseState& ms = s.interaction.mouse;
    if (!ms.BoxMoving() && !ms.noteFrame)
        return false;
    if (p.x >= 2 && p.logX <= g.logWidth && p.y >= g.topMargin && p.y < g.logBottomY)
        return false;
    if (p.x < 2)
        LeftButtonUp(s, m, 2, p.y, keys);
    else if (p.y < g.topMargin)
        LeftButtonUp(s, m, p.x, g.topMargin, keys);
    else
        AbandonBoxDrag(s, m);
    return true;
}

}  // namespace

void MouseMove(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys)
{
    const ViewGeometry g = GeometryOf(s);
    const MousePoint p = PointOf(g, x, y);
    if (LeaveLogDuringDrag(s, m, g, p, keys) || MoveBox(s, m, p) || MoveNoteFrame(s, m, p) || MoveSlideLine(s, m, p))
        return;
    MoveOverLog(s, m, p);
}

}  // namespace logview
