#pragma once
// The flare drawings on the screen's backing store, in log images and on paper alike: the flare polygon
// at the right of the gas track (masked into what lies under it), the flare track with its red profile,
// the yellow wrap of flares longer than its scale and the flare texts, its compressed form, and the step
// drawn while flares are typed in. Where they stand is entry/flarepoints.h; paper is told by the Device.
#include "entry/flarepoints.h"
#include "logview/draw/gridstrips.h"
#include "logview/draw/neighbourpainters.h"

#include <cstddef>

namespace entry {

// The flare track's place on the screen or, while printing, on paper.
FlareTrackPlace FlareTrackOf(const logview::ViewGeometry& g, const logview::Device& device);

// The polygon of `count` records from buffer[first] from startY, in the flare colour with the pen
// masked into the background; the compressed form on scale index 3 and up. `paperFromLeft` starts the
// profile at the left x on paper.
void DrawFlarePolygon(const logview::PaintTarget& t, FlareRecords buffer, std::size_t first, int count, int rowHeight,
                      int startY, int left, int width, float scale, bool paperFromLeft = false);
// The flare track; on paper with its grid, its row lines and, at the 51st record, its scale heads.
void DrawFlareTrack(const logview::PaintTarget& t, FlareRecords buffer, std::size_t first, int count, int rowHeight,
                    int startY);
// The flare track on the compressed scales: five records a row.
void DrawFlareTrackLines(const logview::PaintTarget& t, FlareRecords buffer, std::size_t first, int count,
                         int rowHeight, int startY);
// One step while typing: a red line from buffer[index]'s flare at y to the next record's a row lower, and
// the next record's flare text.
void DrawFlareStep(const logview::PaintTarget& t, FlareRecords buffer, std::size_t index, int rowHeight, int y);

// The rows a drawing covered: [top, bottom).
struct FlareRows {
    int top = 0;
    int bottom = 0;
};
// One stored step of the flare entry on the log: buffer[index] was stored, its step starting at row y.
// A flare of 0 first restores the gas track's flare cells of that row from the grid; then the flare
// track's step, or, without the flare track, the flare polygon again from the start depth's record.
FlareRows DrawFlareEntryStep(const logview::PaintTarget& t, const logview::GridStrips& strips, FlareRecords buffer,
                             int index, int y, bool flareTrack);

}  // namespace entry
