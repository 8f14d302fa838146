// The flare painters as the view's neighbour painters: the window's set forwards its calls here.
#include "entry/draw/flares.h"
#include "shell/draw/viewpainters.h"

namespace shell {

using logview::PaintTarget;
using logview::Records;

void ViewPainters::DrawFlarePolygon(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                    int topY, int x, int width, float scale)
{
    entry::DrawFlarePolygon(t, records, first, count, rowHeight, topY, x, width, scale);
}

void ViewPainters::DrawFlareTrack(const PaintTarget& t, Records records, std::size_t first, int count, int rowHeight,
                                  int topY)
{
    entry::DrawFlareTrack(t, records, first, count, rowHeight, topY);
}

void ViewPainters::DrawFlareTrackLines(const PaintTarget& t, Records records, std::size_t first, int count,
                                       int rowHeight, int topY)
{
    entry::DrawFlareTrackLines(t, records, first, count, rowHeight, topY);
}

}  // namespace shell
