#include "logview/draw/neighbourpainters.h"

namespace logview {

NeighbourPainters& NoNeighbourPainters()
{
    static NeighbourPainters none;
    return none;
}

}  // namespace logview
