#pragma once
// The crossover fills of the custom curve tracks: the area between two curves coloured wherever the
// first lies left of the second (above it, in the horizontal view). The custom curve painter hands them
// the point lists it built while walking the curves: index i of both lists is sample i.
//
// One polygon a stretch: down along A from the first sample where A lies on the near side of B to the
// last, then back up along B to the first, from the sample of the crossing that ended the stretch or,
// when it ran to the end of the samples the curves reached, from its own last sample. A sample of A at 0 or less ends a stretch, so lists of zeros
// draw nothing. The lists must hold count + 1 points (the fills read the point at index count as the
// end); a shorter list is read only within its size. The fills are mixed with R2_MASKPEN: the colour is
// ANDed with what is already drawn. A fill whose working list cannot be made draws nothing.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "platform/gdi.h"

#include <span>

namespace platform {
class Dc;
}

namespace tracks {

using PointList = std::span<const platform::POINT>;

// The porosity crossover. B's points are taken 2 units to the left on the way back (the painter keeps
// the curve it names 2 units to the right). On the screen a stretch stops at the log's bottom y; on paper
// without colour it is light grey whatever `colour`.
void FillCrossover(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, PointList a,
                   PointList b, int count, int topY, int leftX, platform::COLORREF colour);
// The band between the ratio curves: the same fill.
void FillRatioCrossover(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device, PointList a,
                        PointList b, int count, int topY, int leftX, platform::COLORREF colour);
// The horizontal view's curve track, whose values run down the image: y compared in place of x, the
// way back ends at y 10, no shift, no grey and no bottom.
void FillCrossoverHorizontal(platform::Dc& dc, PointList a, PointList b, int count, int leftX, platform::COLORREF colour);

}  // namespace tracks
