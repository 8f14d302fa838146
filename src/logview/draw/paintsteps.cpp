#include "logview/draw/paintsteps.h"

#include "platform/draw/dc.h"

namespace logview::paint {

void Strip(platform::Dc& dc, const QImage& strip, int x, int y)
{
    if (!strip.isNull())
        dc.BitBlt(x, y, strip.width(), strip.height(), strip, 0, 0, platform::SRCCOPY);
}

}  // namespace logview::paint
