#pragma once
// The steps of the depth-match drags over the log, called by the mouse handlers while a drag Dc
// exists. They are handlers, not painters: they read and move the window's state (the offset well's
// records and shift, the drag rows) and draw as they go: the offset well's rate curve moved with the mouse, the two comparison texts and the
// horizontal drag line of a formation top. The Dc is the handler's, on the window's backing store in
// the XOR mix, so a figure drawn again takes itself off; its viewport origin carries the horizontal
// scroll. Each call shows what it drew on the window (ViewState::updateArea).
#include "platform/gdi.h"

namespace platform {
class Dc;
}

namespace app {

struct LogState;

// The start of an offset-curve drag at row `y`: the first index for the view top and the current shift
// (never below 1), the offset well's records loaded when none are, the curve drawn once there and the
// comparison text shown. False (a beep, nothing drawn) when the index falls before the offset well's
// first record.
bool StartDepthMatchDrag(LogState& log, platform::Dc& dc, int y);
// One drag step of the offset curve to row `y`: the offset shift follows the rows dragged from the drag
// start. A step that would leave the offset well's records beeps, and the curve and the shift stay
// where they were drawn last.
void DragDepthMatch(LogState& log, platform::Dc& dc, int y);
// The offset comparison text for the depth at row `y`, below the log.
void DepthMatchStatus(LogState& log, platform::Dc& dc, int y);
// The e-log comparison text for the depth at the cursor's row, below the log.
void DrawDepthMatchText(LogState& log, platform::Dc& dc, platform::POINT cursor);
// The start of a drag line at row `y`: the first step draws a line there and one at its own row.
void StartTopDragLine(LogState& log, int y);
// The drag line at row `y`, the previous one taken off; false (a beep) for a row outside the log.
bool DrawTopDragLine(LogState& log, platform::Dc& dc, int y);

}  // namespace app
