#pragma once
// Where a tool window goes on the screen: a remembered place pulled back inside the primary screen, so
// a window left on a monitor that is gone can still be reached.
#include <QPoint>

class QWidget;

namespace platform {

// The top-left corner of `w`'s frame at `left`, `top` (as QWidget::move takes it), moved so that the whole
// window with its frame lies on the screen.
QPoint InsideScreen(const QWidget& w, int left, int top);

// Once the window manager has framed the shown window `w` (after a short wait when it puts no frame
// round it), moves it, and narrows or lowers it as far as needed, for its frame to lie on the screen.
void KeepFramedOnScreen(QWidget& w);

}  // namespace platform
