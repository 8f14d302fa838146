#pragma once
// The chromatograph track: total gas in the first gas track on the scale of each record's gas scale
// code, the part past the first track folded back into it and filled, and the components C1 to iC5 in
// the second gas track as fractions of their test gas. On paper it also draws both tracks' unit grid.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "platform/gdi.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>
#include <vector>

namespace platform {
class Dc;
}

namespace tracks {

// Draws `count` steps from records[first], the first with its top at y; records[first - 1], when there
// is one, is the starting step. One record per step on scale indexes 0-2; on the compressed scales a step
// covers five records (the greatest of each gas over them), and on scale index 3 the steps are doubled
// at half height. Each curve starts where the last call left it (PainterState::chromatographX). Draws
// nothing when custom tracks are enabled and the gas track is not shown. `rowHeight` sizes the fill's
// closing edge; the step height is the view's (paper: the printer's line height). Never reads past
// `records`.
void DrawChromatographTrack(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                            const TrackSettings& s, PainterState& state, std::span<const wellfile::RECORD> records,
                            std::size_t first, int rowHeight, int y, int count);

// The total-gas steps of one call: the step's point (its x before it was held at the first track's right
// edge, `limit`, and the y of its top; step 0 shares step 1's top) and its x on the fold's scale.
struct ChromatographRun {
    std::vector<platform::POINT> points;  // steps 0 .. count
    std::vector<std::int32_t> secondX;
    std::int32_t origin = 0;  // total gas's origin
    std::int32_t limit = 0;   // the first gas track's right edge
    int step = 0;             // step height
};

// Fills the overflow run that starts at step `index` (of `count`): under the mask mix, in grey (profile
// 11: the colour of pen entry 19), back inside the first track. Returns the step where the run ended.
std::size_t FillChromatographPolygons(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                                      const TrackSettings& s, const ChromatographRun& run, int rowHeight,
                                      std::size_t count, std::size_t index);

}  // namespace tracks
