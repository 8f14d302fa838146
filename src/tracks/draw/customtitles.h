#pragma once
// The title strips above the custom tracks: each track's title, written across the track or down it
// one letter under the other, its box or separator line, and the scale labels of its curves. One strip
// for the screen and log images, a compact one while drilling, and one for the printed pages.
//
// A track of type 12 (interpreted lithology) whose lithology comes from the e-log curves is titled
// "Elog Lith": each strip writes that title into the working track set before drawing. A track with an
// empty title gets no title (and, except on paper, no box).
#include "layout/custchartcfg.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "wellfile/record.h"

#include <span>

namespace platform {
class Dc;
}

namespace tracks {

// The screen's strip, from 15 rows above the log's top line, with the tracks' title boxes; in a log
// image (device.imageExport) the strip 52 rows below it. While `drilling` the screen gets the compact
// strip instead. `records` go to the scale labels.
void DrawTrackTitles(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                     const logview::Device& device, std::span<const wellfile::RECORD> records, int rowHeight,
                     bool drilling);
// The three-row strip of drilling: titles in boxes right above the log, no scale labels.
void DrawCompactTitles(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g, int rowHeight);
// The printed strip above the page's log body at y, in rows of the printer's row height. Lays the
// printed tracks out from the printed custom-track origin + 10, each next one pixel right of the last,
// into the working track set, so the page's tracks and curves are drawn there.
void DrawPrintedTitles(platform::Dc& dc, layout::CUSTOMDATA& data, const logview::ViewGeometry& g,
                       const logview::Device& device, std::span<const wellfile::RECORD> records, int y);

}  // namespace tracks
