#pragma once
// The view's images, which the window's state cannot hold (it is free of the GUI): the main window
// owns one ViewBitmaps and the view state points at it. Each image is sized by the code that fills it.
#include "logview/draw/gridstrips.h"
#include "platform/draw/imagelib.h"

#include <QImage>

#include <algorithm>
#include <array>

namespace logview {

class ViewBitmaps {
public:
    // The two saved window areas of the mouse handlers (rubber bands, drag frames, moving notes):
    // SaveWindowArea fills one, RestoreWindowArea puts it back.
    std::array<QImage, 2> savedAreas;
    // What lay under the depth label over the log-image strip (MouseState::stripLabelRect): the label may
    // reach past the strip, which the strip's redrawing does not cover.
    QImage stripLabelArea;
    // The one-row grid strips, rebuilt after every change of the layout (BuildGridBitmaps).
    GridStrips grid;
    // The log window's client area as painted (RGB32, device pixel ratio 1): the paint and every drawing
    // outside a paint go here, and the window only copies it to the screen. Sized by the window.
    QImage backingStore;
    // The off-screen log: the whole width of the log as the window paints it, rendered at idle time so
    // that a horizontal scroll is one copy from it (RenderLog). Null until the first render; each render
    // replaces it, a failed one keeps the last.
    QImage offScreenLog;
    // The log image of the whole well beside the log; empty when there is none.
    platform::ImageDescriptor logImage;

    // Makes the backing store `width` x `height` (at least 1 x 1), white; nothing when it has that size.
    void ResizeBackingStore(int width, int height)
    {
        const QSize size(std::max(width, 1), std::max(height, 1));
        if (backingStore.size() == size)
            return;
        backingStore = QImage(size, QImage::Format_RGB32);
        backingStore.setDevicePixelRatio(1);
        EraseBackingStore();
    }
    // The whole backing store in the window's background colour (white), as before a paint with erase.
    void EraseBackingStore() { backingStore.fill(0xFFFFFFFFu); }
};

}  // namespace logview
