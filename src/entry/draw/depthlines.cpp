#include "entry/draw/depthlines.h"

#include "platform/draw/dc.h"
#include "platform/gdi.h"

namespace entry {

bool DrawDepthLines(platform::Dc& dc, const logview::ViewGeometry& g, int y, bool up, bool single)
{
    const platform::Pen magenta(platform::RGB(255, 0, 255), 1);
    const platform::KeepDcState keep(dc);
    dc.SelectObject(magenta);
    dc.SetROP2(platform::R2_XORPEN);
    const int left = g.rate.left, right = g.gas.left;
    dc.MoveTo(left, y);
    bool drawn = dc.LineTo(right, y);
    if (!single) {
        const int other = up ? y - g.rowHeight : y + g.rowHeight;
        dc.MoveTo(left, other);
        drawn = dc.LineTo(right, other);
    }
    return drawn;
}

}  // namespace entry
