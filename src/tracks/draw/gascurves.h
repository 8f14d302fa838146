#pragma once
// The gas curves of the gas track and of the gas ratio column: one record's row of the eight curves
// (TG, C1 .. nC5), each joined to where it ended on the row before, and the short name written beside a
// curve whose reading is flagged (negative).
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/painterstate.h"
#include "tracks/tracksettings.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace tracks {

// Draws the row of records[index] with its top at y: the first half of the row from the first-half gas,
// the second half from the full-step gas (on the compressed scales, index 3 and up, both from the
// greatest of each component over this record and the four after it). `ratio` draws in the ratio
// column. `previous` joins the row to the record before it rather than to the last row drawn; on the
// span's first record it draws as the first row of a pass. The first row of a pass (rowCounter 0)
// starts every curve at its own value. Returns 0, drawing nothing and keeping the join state, when the
// record's full-step TG and C1 are both 0; else 1. Drawn with the screen's geometry: the screen and log
// image renderers call it.
int DrawGasCurves(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                  const TrackSettings& s, PainterState& state, std::span<const wellfile::RECORD> records,
                  std::size_t index, int y, bool ratio, bool previous);

// Writes the short name of gas curve `curve` (0-7) with its top-left at (x, y), in the curve's colour
// (black on a black-and-white page); on paper half a printed row higher.
void DrawGasLegend(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                   const TrackSettings& s, int x, int y, int curve);

}  // namespace tracks
