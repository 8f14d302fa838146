#pragma once
// The pen a track painter draws an entry of the pen table with: the entry's colour, width and style as
// made by the layout (a styled entry is one pixel wide; its style passes unchanged).
#include "layout/pentable.h"
#include "platform/draw/gdiobjects.h"

namespace tracks {

inline platform::Pen PenOf(const layout::PenSpec& s) { return platform::Pen(s.colour, s.width, s.style); }

}  // namespace tracks
