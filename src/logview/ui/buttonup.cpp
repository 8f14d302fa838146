#include "logview/ui/buttonup.h"

#include "app/logstate.h"
#include "logview/geometryof.h"
#include "logview/ui/boxdrags.h"
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
    // The depth drags store what they moved here.
}

}  // namespace

void LeftButtonUp(app::LogState& s, const MouseContext& m, int x, int y, unsigned)
{
    const MousePoint p = PointOf(GeometryOf(s), std::max(x, 0), y);
    if (DropShortReportBox(s, m, p) || DropMemo(s, m, p) || EndNoteFrame(s, m))
        return;
    // The slide interval and the drag-gas band end here, before the common end.
    CommonEnd(s, m);
}

}  // namespace logview
