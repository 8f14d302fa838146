#pragma once
// What the mouse handlers of the log keep between messages: the drags a button press starts and the
// move and button-up handlers carry on and end. While one of these drags runs, a new click only closes
// the note edit.
#include "platform/gdi.h"

#include <cstdint>

namespace logview {

// A box moved with the mouse (a memo's or a short report's), or the memo whose frame is drawn out.
struct BoxDrag {
    std::int32_t index = -1;      // the memo, or the box in its table of the last paint
    std::int32_t visible = -1;    // a memo's box among the boxes of the last paint
    std::int32_t report = -1;     // the short report the box stands for
    std::int32_t grabOffset = 0;  // the press x less the box's left edge
    platform::RECT rect{};        // where the box stands now, client coordinates
};

// The slide interval marked with Ctrl in the rate track's first block: its line grows from the press.
struct SlideDrag {
    std::int32_t startDepth = 0;  // the interval's first depth, even
    std::int32_t startY = 0;
};

// A formation top dragged to another depth.
struct TopDrag {
    std::int32_t depth = 0;   // the depth of the row pressed on
    std::int32_t index = -1;  // the top among the well's tops
    std::int32_t startY = 0;
};

struct MouseState {
    bool memoMove = false;            // a memo's box is being moved
    bool memoFrame = false;           // a memo's frame is being dragged
    bool noteFrame = false;           // a note frame, a memo's or a new one, is being drawn
    bool shortReportDrilling = false;  // a short report's drilling-parameter box is being moved
    bool shortReportMud = false;       // a short report's mud box is being moved
    BoxDrag box;
    bool slideInterval = false;  // a slide interval is being marked
    SlideDrag slide;
    bool topDrag = false;        // a formation top is being moved
    TopDrag top;
    bool offsetDrag = false;     // the offset well's curve is being matched in depth
    bool elogDrag = false;       // the e-log curves are being matched in depth
    bool elogFirstMove = false;  // no outline drawn by the drag yet: the next move takes none off
    bool elogMoved = false;      // the last move was away from the start
    std::int32_t elogStartY = 0;
    std::int32_t elogStartShift = 0;  // the e-log depth shift when the drag started
    bool dragGasBand = false;    // the drag-gas band is chosen: the keys move it from here on
    std::int32_t imageStripClickY = 0;  // y of the last click in the log-image strip
    bool stripLabel = false;            // a depth is written over the log-image strip
    platform::RECT stripLabelRect{};    // where that label stands, client coordinates
    platform::POINT lastMouse{};        // the last move over the log no drag took

    bool BoxMoving() const { return memoMove || shortReportDrilling || shortReportMud; }
    // What closing the note edit ends: the box drags and the note frames, with what they keep.
    void EndNoteDrags()
    {
        memoMove = memoFrame = noteFrame = shortReportDrilling = shortReportMud = false;
        box = BoxDrag{};
    }
};

}  // namespace logview
