#pragma once
// What the mouse handlers of the log keep between messages: the drags a button press starts and the
// move and button-up handlers carry on and end. While one of these drags runs, a new click only closes
// the note edit.
#include <cstdint>

namespace logview {

struct MouseState {
    bool memoFrame = false;           // a memo's frame is being dragged
    bool noteFrame = false;           // a note frame, a memo's or a new one, is being drawn
    bool shortReportDrilling = false;  // a short report's drilling-parameter box is being moved
    bool shortReportMud = false;       // a short report's mud box is being moved
    std::int32_t imageStripClickY = 0;  // y of the last click in the log-image strip
};

}  // namespace logview
