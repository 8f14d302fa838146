#pragma once
// Small steps the paint paths of the log share: a grid strip copied to a row, a line.
#include <QImage>

#include <algorithm>
#include <initializer_list>

namespace platform {
class Dc;
}

namespace logview::paint {

// Copies a grid strip, its whole width, to (x, y); a null strip copies nothing.
void Strip(platform::Dc& dc, const QImage& strip, int x, int y);

// A line from (x0, y0) to (x1, y1) in the Dc's pen, its end point left out.
void Line(platform::Dc& dc, int x0, int y0, int x1, int y1);

}  // namespace logview::paint
