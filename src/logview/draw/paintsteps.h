#pragma once
// Small steps the paint paths of the log share: a grid strip copied to a row.
#include <QImage>

namespace platform {
class Dc;
}

namespace logview::paint {

// Copies a grid strip, its whole width, to (x, y); a null strip copies nothing.
void Strip(platform::Dc& dc, const QImage& strip, int x, int y);

}  // namespace logview::paint
