#pragma once
// The left button pressed over the log. One click does one thing, chosen by where it lands (the column,
// above, inside or below the rows), by Ctrl, by the colour under the pointer (the report markers) and by
// the view: close the note edit, toggle a trip or connection mark, open a report from its marker, a picture
// from its marker or a downtime note, jump through the log-image strip, move a custom track, start a drag (memos, short-report
// boxes, a slide interval, the drag-gas band, the offset well's curve, a formation top), page the log, or
// show the values of the clicked depth in the read-out box. Columns are told apart in log coordinates: the click x plus
// the horizontal scroll.
#include <cstdint>

namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;

// `x`, `y` are client coordinates (the menu bar not included); `keys` the MK_ flags of the event, Ctrl
// as it was when the event was made.
void LeftButtonDown(app::LogState& s, const MouseContext& m, int x, int y, unsigned keys);

// The custom tracks' values at `depth` in the read-out box at client point (x, y): one line per curve of
// the track under x, a CRAT line for a track with both its ratio curves, and the depth. Nothing without
// the custom record of the depth and the one above it, or without the depth's row on the screen.
// Without a read-out box the text goes to a message box. Returns 1.
int ShowValueBox(app::LogState& s, const MouseContext& m, std::int32_t depth, int x, int y);

}  // namespace logview
