// Drilling's override of the view's neighbour painters: the status band in place of the title band.
#include "shell/draw/viewpainters.h"

namespace shell {

using logview::PaintTarget;

void ViewPainters::DrawDrillingStatus(const PaintTarget& target)
{
    if (drillingStatus)
        drillingStatus(target);
}

}  // namespace shell
