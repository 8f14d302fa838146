// Drilling's override of the view's neighbour painters: the status band in place of the title band.
#include "logview/draw/viewpainters.h"

namespace logview {

void ViewPainters::DrawDrillingStatus(const PaintTarget& target)
{
    if (drillingStatus)
        drillingStatus(target);
}

}  // namespace logview
