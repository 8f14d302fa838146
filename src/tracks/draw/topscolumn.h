#pragma once
// The formation tops on the log: at the row of each top a line in the top's colour across the curve
// track and the gas track, and its label (with the subsea depth when asked) in the notes slot chosen
// for it, boxed in the outer slots. On screen, while drilling asks for it, the depth markers too.
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "tracks/tops.h"
#include "wellfile/record.h"

#include <cstddef>
#include <span>

namespace platform {
class Dc;
}

namespace tracks {

// Draws the tops of the rows from records[first], the first row's top at y0, up to one row more than
// `rows` (five records a row on the compressed scales); it stops at the record of the file's last depth
// made even. The tops are only read: a top without a colour is drawn red and stays as stored.
void DrawTopsColumn(platform::Dc& dc, const logview::ViewGeometry& g, const logview::Device& device,
                    const TopsView& view, std::span<const wellfile::RECORD> records, std::size_t first, int rows,
                    int rowHeight, int y0);

}  // namespace tracks
