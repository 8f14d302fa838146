#include "platform/ui/screenplace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace platform {

QPoint InsideScreen(const QWidget& w, int left, int top)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {left, top};
    const QRect area = screen->availableGeometry();
    const int x = std::clamp(left, area.left(), std::max(area.left(), area.right() - w.width()));
    const int y = std::clamp(top, area.top(), std::max(area.top(), area.bottom() - w.height()));
    return {x, y};
}

}  // namespace platform
