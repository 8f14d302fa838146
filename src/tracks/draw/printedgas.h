#pragma once
// The gas track on the printed log: the row's grid (the logarithmic grid, or the linear unit grid) and
// the eight gas curves in two half-row steps a record, in the gas track or, in ratio mode, in the gas
// ratio column. Paper only: the device's printer geometry and pens.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/elogview.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace tracks {

// Draws the printed row of records[index] with its top at y, joined to where the curves of the mode
// ended on the row before (PainterState::printGasJoin or printRatioJoin); the first row of a printing
// pass (printRowCounter 0) starts from records[index - 1], or afresh when there is none. `elog` is the
// well's e-log curves, null when none are loaded. Returns 0 when nothing may be drawn, else 1.
int PrintCurveTrack(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const TrackSettings& s, PainterState& state, const ElogView* elog,
                    std::span<const wellfile::RECORD> records, std::size_t index, int rowHeight, bool ratio, int y);

// Draws `count` records from records[first] in one call, each from the record before it. Returns 0 when
// the printed gas track is not shown (after its grid), else 1.
int PrintCurveTrack2(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                     const TrackSettings& s, PainterState& state, const ElogView* elog,
                     std::span<const wellfile::RECORD> records, std::size_t first, int rowHeight, int count,
                     bool ratio, int y);

}  // namespace tracks
