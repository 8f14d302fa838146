#pragma once
// The title band of the main window: what the band reads is taken from the window's state groups here,
// and the rectangle it drew is kept in ViewState::titleRect (the "Lith Legend" command repaints it).
#include "logview/draw/titlerow.h"

namespace app {
struct LogState;
}

namespace logview {

// The band's inputs as the state holds them; `clientWidth` is the width of the window's client area.
// The curve-set lines wait for the e-log curve set (none until it is built).
TitleRow TitleRowOf(const app::LogState& log, int clientWidth);

// Draws the title band of `log` on `dc`. The caller has loaded the well title (ViewServices::LoadWellTitle)
// when it was empty. While a log image is rendered the well header is read anew for the header page.
void PaintTrackTitles(app::LogState& log, platform::Dc& dc, int clientWidth, NeighbourPainters& painters);

}  // namespace logview
