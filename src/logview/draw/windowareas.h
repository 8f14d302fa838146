#pragma once
// Saved pieces of the window: the mouse handlers save the area under a rubber band, a drag frame or a
// moving note into one of the view's bitmaps and put it back to erase what they drew.
#include "platform/gdi.h"

#include <QImage>

#include <functional>

namespace platform {
class Dc;
}

namespace logview {

// Copies the piece of `dc` whose top left corner is (r.left, r.top) and whose size is the area's size
// into `area`, which the caller has sized. Returns 1.
int SaveWindowArea(const platform::Dc& dc, QImage& area, const platform::RECT& r);

// Copies the whole of `area` to `dc` with its top left corner at (r.left, r.top); false when it could
// not be copied (no area was saved).
bool CopyWindowAreaBack(platform::Dc& dc, const QImage& area, const platform::RECT& r);

// The window's restore: 1 when the area was put back. When it cannot be, no message is shown (it would
// come up on every mouse move of a drag): the log is marked for a full redraw and the window is
// invalidated, so the next paint draws it again; 0.
int RestoreWindowArea(platform::Dc& dc, const QImage& area, const platform::RECT& r, bool& redrawPending,
                      const std::function<void()>& invalidate);

}  // namespace logview
