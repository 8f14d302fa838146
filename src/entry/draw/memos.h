#pragma once
// The memo boxes over the depth log, on the screen's backing store, in log images and on paper alike:
// the memos from a top depth down (DrawMemos), the rest of a memo that a printed page cut off
// (DrawMemoBox), the red slot numbers written over the log while the memo dialog is open
// (DrawMemoLabel) and a memo's printer font (MemoPrintFont). They draw through the Dc they are given
// with the view's geometry; paper is told by the Device, whose printer part gives the printed layout.
#include "entry/memodrawing.h"
#include "logview/device.h"
#include "logview/viewgeometry.h"
#include "platform/gdi.h"
#include "wellfile/memorecords.h"

#include <cstdint>
#include <span>

namespace platform {
class Dc;
}

namespace entry {

// One drawing of memos: where, what, and the window's state it reads and keeps.
struct MemoPass {
    platform::Dc& dc;
    const logview::ViewGeometry& g;   // the screen's layout: row height, top margin, log bottom, slots
    const logview::Device& device;    // paper: the printed layout, row height and scale factor
    std::span<wellfile::SVMEMO> memos;          // in depth order; a memo of depth 0 ends them
    MemoDrawState& state;             // the hit boxes of a screen drawing
    PendingMemos& pending;            // what a printed page leaves to the next
    MemoOptions options;
};

// Draws the memos from `topDepth` down with their first row at `yOrigin`. Mode 0 draws memos and
// descriptions at their slots; a mode above 0 draws only the descriptions, every box at x = mode. On
// paper, a memo that reaches the page's bottom reserve is left to the next page (`pending`, emptied
// first); `pageBottomY` ends the drawing only once that list is full. A screen drawing rebuilds the hit boxes. A memo at an odd depth is
// drawn at the next even depth (its record keeps its own), and one whose shown flag is 0 has its text
// emptied in the array.
void DrawMemos(MemoPass& pass, std::int32_t topDepth, int pageBottomY, int rowHeight, int yOrigin, int mode);

// Draws memo `memo` from line `firstLine` at the top of a page (y = yTop), at its slot or, with x above
// 0, at x; returns the y below its last line. Nothing (yTop returned) for a memo that is not there.
int DrawMemoBox(MemoPass& pass, std::int32_t memo, std::int32_t firstLine, int rowHeight, int yTop, int x);

// The width a description's lines have on the screen: from where they start in the descriptions column
// to the column's right edge (0 without the column). Typed to it, a description stays in its column.
int DescriptionTextRoom(const logview::ViewGeometry& g);

// Writes the slot numbers 0-24 over the log in red (or, with `erase`, in the Dc's background colour).
void DrawMemoLabel(platform::Dc& dc, const logview::ViewGeometry& g, bool erase);

// A memo's font on paper, from its own: scaled by the printed row height (per tenth of an inch) and the
// print scale factor (at most 1.0), 10 % larger and 100 heavier.
platform::LOGFONTA MemoPrintFont(const platform::LOGFONTA& memoFont, const logview::PrinterGeometry& printer);

}  // namespace entry
