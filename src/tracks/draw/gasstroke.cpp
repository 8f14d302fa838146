#include "tracks/draw/gasstroke.h"

#include <algorithm>
#include <cstdlib>

namespace tracks {

void DrawGasHalfRow(platform::Dc& dc, const platform::Pen& pen, const GasStroke& how, std::int32_t& last,
                    std::int32_t nx, int yt, int yb)
{
    std::int32_t lx = std::max(last, how.left);
    nx = std::max(nx, how.left);
    if (lx == how.left && nx == how.left)
        return;
    lx = std::min(lx, how.right);
    nx = std::min(nx, how.right);
    dc.SelectObject(pen);
    if (how.solid) {
        dc.MoveTo(lx + 1, yt);
        if (!how.pointToPoint)
            dc.LineTo(nx + 1, yt);
        dc.LineTo(nx + 1, yb);
    } else {
        const bool steep = std::abs(std::int64_t(nx) - lx) < how.steepBelow;
        for (int k = 0; k < how.strokes; ++k) {
            if (!how.pointToPoint) {
                dc.MoveTo(lx, yt + k);
                dc.LineTo(nx, yt + k);
                dc.LineTo(nx + k, yb);
            } else if (steep) {
                platform::Line(dc, lx + k, yt, nx + k, yb);
            } else {
                platform::Line(dc, lx, yt + k, nx, yb + k);
            }
        }
    }
    last = nx;
}

}  // namespace tracks
