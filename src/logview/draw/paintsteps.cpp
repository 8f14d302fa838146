#include "logview/draw/paintsteps.h"

#include "platform/draw/dc.h"

namespace logview::paint {

void Strip(platform::Dc& dc, const QImage& strip, int x, int y)
{
    if (!strip.isNull())
        dc.BitBlt(x, y, strip.width(), strip.height(), strip, 0, 0, platform::SRCCOPY);
}

void Line(platform::Dc& dc, int x0, int y0, int x1, int y1)
{
    dc.MoveTo(x0, y0);
    dc.LineTo(x1, y1);
}

}  // namespace logview::paint
