#include "manual/reportsteps.h"

namespace manual {

std::optional<QPoint> FindColour(const QImage& log, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (log.valid(x, y) && (log.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return QPoint(x, y);
    return std::nullopt;
}

}  // namespace manual
