#pragma once
// Where a tool window goes on the screen: a remembered place pulled back inside the primary screen, so
// a window left on a monitor that is gone can still be reached.
#include <QPoint>

class QWidget;

namespace platform {

// The top-left corner for `w` at `left`, `top`, moved so that the whole window lies on the screen.
QPoint InsideScreen(const QWidget& w, int left, int top);

}  // namespace platform
