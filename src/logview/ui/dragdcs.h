#pragma once
// The device contexts of the mouse drags over the log, on the window's backing store. One XOR Dc serves
// every drag that draws figures a second drawing takes off again (the note frames, the depth drags);
// the mix it had before XOR is kept and given back when it goes. A box moved with the mouse is copied
// through a Dc of its own, from the box image saved when the drag started (ViewBitmaps::savedAreas[0]).
// The slide interval's line, which only grows, is drawn through a third. Each lives from the press that
// starts a drag to the drag's end.
#include "platform/draw/dc.h"

#include <memory>

namespace app {
struct LogState;
}

namespace logview {

struct MouseContext;

struct DragDcs {
    std::unique_ptr<platform::Dc> xorDc;  // in log coordinates: its viewport origin carries the scroll
    std::unique_ptr<platform::Dc> boxDc;  // in client coordinates
    std::unique_ptr<platform::Dc> slideDc;  // in log coordinates
};

// The XOR Dc, made when there is none, with `pen` and no fill selected. Null without a backing store.
platform::Dc* XorDragDc(app::LogState& log, DragDcs& dcs, const platform::Pen& pen);
// Gives the XOR Dc its mix and objects back and deletes it.
void ReleaseXorDc(DragDcs& dcs);

// The slide interval's Dc, made when there is none, with `pen` selected. Null without a backing store.
platform::Dc* SlideDragDc(app::LogState& log, DragDcs& dcs, const platform::Pen& pen);

// The box Dc, made when there is none. Null without a backing store.
platform::Dc* BoxDragDc(app::LogState& log, DragDcs& dcs);
// The saved box image: the area `r` (client coordinates) of the backing store copied into a new image.
void SaveBoxImage(app::LogState& log, DragDcs& dcs, const platform::RECT& r);
// Forgets the saved box image.
void ForgetBoxImage(app::LogState& log);
bool HasBoxImage(const app::LogState& log);
// The box Dc deleted and the saved box image freed.
void ReleaseBoxDc(app::LogState& log, DragDcs& dcs);

// The mouse taken to the window until it is let go.
void CaptureMouse(const MouseContext& m);
void ReleaseCapture(const MouseContext& m);

}  // namespace logview
