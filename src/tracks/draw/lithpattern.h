#pragma once
// The pattern painters of the lithology column: one rock type with its share, drawn into the cells of
// one row. DrawLithPattern draws on the screen and into log images, PrintLithPattern on paper; both keep
// the row state of PainterState::lith (the share used, the cells, the joins by next type).
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/lithrowplan.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"

namespace platform {
class Dc;
}

namespace tracks {

// What a pattern painter draws with, besides the pattern.
struct LithPatternTarget {
    platform::Dc& dc;
    const logview::ViewGeometry& g;
    const logview::Device& device;
    const TrackSettings& settings;
    PainterState& state;
};

// The screen and image painter: the item's fill in its rock's colour over share / 10 cells from the
// row's next cell, its figures, accessory symbols and record marks (tracks/lithstyles.h says which go
// where), boundary lines against the row above and a divider before the next item. In split mode `p.x`
// is where the item starts and its cells are stacked downwards; otherwise it is unused. The brush the
// caller leaves in the device context fills blank items, anhydrite, salt and the figures' dots.
void DrawLithPattern(const LithPatternTarget& t, const LithPattern& p);

// The printer's painter (tracks/draw/printlithitem.h): the pattern on paper in printer units, the
// printed cell width from `t.device.printer`, the row height in `p.x`; even and odd rows by the
// printed row counter. It ignores the split flag. The device context's pen and brush are the
// caller's again when it returns.
void PrintLithPattern(const LithPatternTarget& t, const LithPattern& p);

// The one interface the column paints its patterns through: the real painters by default; a test
// overrides them to see which is called with what.
class LithPatternPainters {
public:
    virtual ~LithPatternPainters() = default;
    virtual void Screen(const LithPatternTarget& t, const LithPattern& p) { DrawLithPattern(t, p); }
    virtual void Printer(const LithPatternTarget& t, const LithPattern& p) { PrintLithPattern(t, p); }
};

}  // namespace tracks
