#pragma once
// Where texts stand: the cell a text written with TextOut takes, and the cells of the texts a Dc has
// recorded. A label written after the rest is kept clear of them.
#include "platform/draw/dc.h"

#include <vector>

namespace platform {

// Where a text written at (x, y) in `font` with `align` stands: its advance wide, its font's height
// high; the Dc keeps its font.
RECT TextCell(Dc& dc, int x, int y, const QString& text, unsigned align, const Font& font);
// Where each text the Dc recorded stands (a formatted text's rectangle), `margin` wider all round.
std::vector<RECT> RecordedTextCells(Dc& dc, int margin);
// Whether `a` shares a pixel with any of `rects`.
bool Crosses(const RECT& a, const std::vector<RECT>& rects);

}  // namespace platform
