// The e-log subsystem's part of the view's neighbour painters: the curve set's rows and the automatic
// lithology made over them.
#include "logview/draw/viewpainters.h"

#include <utility>

namespace logview {

void ViewPainters::SetElogCurves(const tracks::ElogView* view, tracks::AutomaticLith lith)
{
    elogView = view;
    automaticLith = std::move(lith);
}

}  // namespace logview
