#pragma once
// The rubber-band frames dragged over the log: the drag-gas function's and the frame of a memo being
// placed, with the note edit following it. Handler steps on the window's state, not painters; drawn as
// the depth-match drags are (app/ui/depthmatchdrag.h): on the handler's XOR Dc, each step taking the
// last frame off first.
#include "platform/gdi.h"

namespace platform {
class Dc;
}

namespace app {

struct LogState;

// The drag-gas frame from the gas track's left edge at the starting row to (x, y).
void DrawDragGasFrame(LogState& log, platform::Dc& dc, int x, int y);
// Takes the drag-gas frame last drawn off again (nothing before the first step).
void EraseDragGasFrame(LogState& log, platform::Dc& dc);
// The band the drag-gas function will move, outlined as the frames are.
void DrawDragGasBand(LogState& log, platform::Dc& dc, const platform::RECT& band);
// One step of a memo's frame from the anchor to (x, y). A point above or left of the anchor cancels
// the placement.
void DragNote(LogState& log, platform::Dc& dc, int x, int y);

}  // namespace app
