#pragma once
// The pen a painter draws an entry of the pen table with: the entry's colour, width and style as the
// layout made them (a styled entry is one pixel wide; its style passes unchanged).
#include "layout/pentable.h"
#include "platform/draw/gdiobjects.h"

namespace layout {

inline platform::Pen PenOf(const PenSpec& s) { return platform::Pen(s.colour, s.width, s.style); }

}  // namespace layout
