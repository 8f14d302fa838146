#pragma once
// The off-screen log: at idle time, after a paint with the horizontal scroll bar shown, the window's
// paint is run again into an image the whole width of the log (ViewBitmaps::offScreenLog), so that a
// horizontal scroll is one copy from it. Both renders draw with their own copy of the geometry: the
// window's top margin, log bottom y and visible rows stay as the last paint left them.
namespace app {
struct LogState;
}

namespace logview {

// Renders the off-screen log. Nothing while the first paint is owed, an e-log import or an image
// export runs, or the window shows no horizontal scroll bar. On the compressed scales it is the
// ten-foot log (RenderTenFootLog); else the one-record-a-row paint into an image of log width x
// (visible rows x row height + top margin). No memory: nothing rendered, the last image kept.
void RenderLog(app::LogState& s);

// The compressed body into an image of (log width + 2 units) x ((visible rows + 18) x row height), 18
// rows more than the window shows, from the view top the compressed rule gives. 1 after a render, 0
// when it did nothing (an e-log import, no data file, no memory).
int RenderTenFootLog(app::LogState& s);

}  // namespace logview
