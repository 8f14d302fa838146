#pragma once
// One half row of a gas curve, as the screen and paper gas tracks lay it.
#include "platform/draw/dc.h"

#include <cstdint>

namespace tracks {

struct GasStroke {
    std::int32_t left = 0;         // the track's edges: both ends are held between them
    std::int32_t right = 0;
    bool solid = true;             // one line, a pixel right of the positions; else `strokes` lines
    bool pointToPoint = false;     // the "Point to Point" line style; else blocked (a step)
    int strokes = 1;               // one-pixel strokes of a styled pen
    std::int32_t steepBelow = 0;   // point to point: a run narrower than this shifts its strokes right
};

// Draws the curve in `pen` from its last x to `nx` between yt and yb, and moves its last x there. When
// both lie on or left of the left edge nothing is drawn and the last x stays.
void DrawGasHalfRow(platform::Dc& dc, const platform::Pen& pen, const GasStroke& how, std::int32_t& last,
                    std::int32_t nx, int yt, int yb);

}  // namespace tracks
