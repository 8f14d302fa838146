#pragma once
// The window's log image: built from the whole data file into ViewBitmaps::logImage, stretched into its
// strip on every paint while the image view is on, and freed by the commands that change the well or its
// layout. Failures are left in ViewState::paintFailure, shown by the window once the paint or command is
// over.
namespace app {
struct LogState;
}
namespace platform {
class Dc;
}

namespace logview {

bool HasLogImage(const app::LogState& s);

// Builds the image unless the well spans more than 10,000 depth units. `window`, when given, is the Dc
// the strip's frame is drawn on first (the paint's). A build that fails leaves no image and the build
// flag clear. The window's scale index and layout are never changed.
void CreateLogImage(app::LogState& s, platform::Dc* window = nullptr);
// Stretches the image into its strip and sets the image y of the view top; "Zoom Image Failed " when
// the stretch failed.
void StretchLogImage(app::LogState& s, platform::Dc& dc);
void FreeLogImage(app::LogState& s);

// What a paint does for the image view: builds the image when there is none (and none is being built),
// then stretches it.
void PaintLogImage(app::LogState& s, platform::Dc& dc);

}  // namespace logview
