#include "logview/ui/buttonup.h"

#include "app/logstate.h"
#include "logview/geometryof.h"
#include "logview/ui/boxdrags.h"
#include "logview/ui/depthdrags.h"
#include "logview/ui/dragdcs.h"
#include "logview/ui/mousewindow.h"

#include <algorithm>

namespace logview {

namespace {

// Whenever the XOR drag Dc exists: the mouse let go and the Dc given back its mix and deleted.
void CommonEnd(app::LogState&, const MouseContext& m)
{
    if (!m.drags || !m.drags->xorDc)
        return;
    ReleaseCapture(m);
    ReleaseXorDc(*m.drags);
}

}  // namespace

void LeftButtonUp(app::LogState& s, const MouseContext& m, int x, int y, unsigned)
{
    const MousePoint p = PointOf(GeometryOf(s), std::max(x, 0), y);
    if (DropShortReportBox(s, m, p) || DropMemo(s, m, p) || EndNoteFrame(s, m) || DropSlideInterval(s, m, p) ||
        EndDragGasBand(s, m, p))
        return;
    CommonEnd(s, m);
    EndDepthDrags(s, m, p);  // the offset well's entry or the moved top stored
}

}  // namespace logview
