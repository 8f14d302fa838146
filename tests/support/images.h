#pragma once
// Images to draw on and the extent of what was drawn.
#include "platform/draw/dc.h"

#include <QImage>

#include <utility>

namespace testing_support {

// A w x h RGB32 image filled with `c`.
QImage Filled(int w, int h, platform::COLORREF c);
inline QImage White(int w, int h) { return Filled(w, h, platform::RGB(255, 255, 255)); }

// The rectangle [l, r) x [t, b) of the pixels of colour `c`; {w, h, 0, 0} when none.
platform::RECT Ink(const platform::Dc& dc, int w, int h, platform::COLORREF c);

// The columns [left, right) of the pixels of colour `c` in rows [top, bottom) of a w-wide image; {w, 0}
// when none.
std::pair<int, int> InkColumns(const platform::Dc& dc, int w, int top, int bottom, platform::COLORREF c);

// The rectangle [l, r) x [t, b) of the pixels that differ from `background`; {w, h, 0, 0} when none.
platform::RECT Touched(const platform::Dc& dc, int w, int h, platform::COLORREF background);

}  // namespace testing_support
