#pragma once
// The view's depth notes drawn on the plot image: each note's text box at its depth, where its flags
// put it, with the resize handles the mouse code looks for. The drawing writes every drawn note's box
// back into its record (saved with it) and clears the box of a note above the drawn range.
#include "horizontal/draw/horzplot.h"
#include "horizontal/horznotes.h"
#include "platform/draw/dc.h"

#include <span>
#include <vector>

namespace horizontal {

// What a drawing leaves for the mouse code: one handle per drawn note, from `firstDrawn` on.
struct NoteDrawing {
    std::vector<platform::RECT> handles;
    int firstDrawn = -1;
};

// The note geometry of a finished plot scrolled to `scrollPos`, with the log layout's grid unit.
NoteView NoteViewOf(const HorzPlot& plot, int scrollPos, int unitWidth);
// A note's font: "VERDANA", the height of its font index, weight 700 when bold.
platform::Font NoteFont(const wellfile::HTEXTEX& note);

// Draws the first `count` notes (up to `lastIndex` when it is above 0) below the draw-from depth and
// above the plot's last depth; false when none is there to draw.
bool DrawNotes(platform::Dc& dc, std::span<wellfile::HTEXTEX> notes, int count, int lastIndex, const NoteView& v,
               NoteDrawing& out);

}  // namespace horizontal
