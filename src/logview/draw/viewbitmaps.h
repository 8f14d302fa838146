#pragma once
// The view's images, which the window's state cannot hold (it is free of the GUI): the main window
// owns one ViewBitmaps and the view state points at it. Each image is sized by the code that fills it.
#include "logview/draw/gridstrips.h"

#include <QImage>

#include <array>

namespace logview {

class ViewBitmaps {
public:
    // The two saved window areas of the mouse handlers (rubber bands, drag frames, moving notes):
    // SaveWindowArea fills one, RestoreWindowArea puts it back.
    std::array<QImage, 2> savedAreas;
    // The one-row grid strips, rebuilt after every change of the layout (BuildGridBitmaps).
    GridStrips grid;
};

}  // namespace logview
