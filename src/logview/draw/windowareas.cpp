#include "logview/draw/windowareas.h"

#include "platform/draw/dc.h"

namespace logview {

int SaveWindowArea(const platform::Dc& dc, QImage& area, const platform::RECT& r)
{
    if (area.isNull())
        return 1;  // nothing to fill
    platform::Dc memory(area);
    memory.BitBlt(0, 0, area.width(), area.height(), dc, r.left, r.top, platform::SRCCOPY);
    return 1;
}

bool CopyWindowAreaBack(platform::Dc& dc, const QImage& area, const platform::RECT& r)
{
    return dc.BitBlt(r.left, r.top, area.width(), area.height(), area, 0, 0, platform::SRCCOPY);
}

int RestoreWindowArea(platform::Dc& dc, const QImage& area, const platform::RECT& r, bool& redrawPending,
                      const std::function<void()>& invalidate)
{
    if (CopyWindowAreaBack(dc, area, r))
        return 1;
    redrawPending = true;
    if (invalidate)
        invalidate();
    return 0;
}

}  // namespace logview
