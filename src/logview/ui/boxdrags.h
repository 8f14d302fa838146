#pragma once
// Memos, note frames and short-report boxes moved with the mouse over the log. A Ctrl press on a memo's
// box moves the memo, on its frame handle draws the memo's frame out for the note edit, on the top band
// of a short report's box moves that box; with memos shown, a Ctrl press elsewhere draws the frame of a
// new memo. A moved box follows the mouse as the image saved at the press; on button up the new depth
// and column are stored in the memo or short-report file and the log is painted again. Every end lets
// go of the mouse, the drag's device contexts and the saved image.
#include <cstdint>

namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;
struct ViewGeometry;

// Where a mouse message lands: client coordinates, and x in the log (the client x plus the scroll).
struct MousePoint {
    int x = 0, y = 0;
    int logX = 0;
};
MousePoint PointOf(const ViewGeometry& g, int x, int y);

// Button down. `depth` is the depth of the row pressed on. True when a drag started.
bool StartBoxDrag(app::LogState& log, const MouseContext& m, const ViewGeometry& g, const MousePoint& p,
                  std::int32_t depth);
bool StartNewMemoFrame(app::LogState& log, const MouseContext& m, const MousePoint& p);

// Mouse move. True when the move was taken by the drag.
bool MoveBox(app::LogState& log, const MouseContext& m, const MousePoint& p);
bool MoveNoteFrame(app::LogState& log, const MouseContext& m, const MousePoint& p);
// Ends a box drag or note frame without storing: the note edit closed, everything let go, the log painted.
void AbandonBoxDrag(app::LogState& log, const MouseContext& m);

// Button up. True when a drag ended here.
bool DropShortReportBox(app::LogState& log, const MouseContext& m, const MousePoint& p);
bool DropMemo(app::LogState& log, const MouseContext& m, const MousePoint& p);
bool EndNoteFrame(app::LogState& log, const MouseContext& m);

}  // namespace logview
