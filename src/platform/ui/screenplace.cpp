#include "platform/ui/screenplace.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace platform {

QPoint InsideScreen(const QWidget& w, int left, int top)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {left, top};
    const QRect area = screen->availableGeometry();
    // The frame the window manager put round the window counts: its edges stay on the screen too.
    const QSize framed = w.frameGeometry().size();
    const int x = std::clamp(left, area.left(), std::max(area.left(), area.right() + 1 - framed.width()));
    const int y = std::clamp(top, area.top(), std::max(area.top(), area.bottom() + 1 - framed.height()));
    return {x, y};
}

namespace {

constexpr int kFrameWaitMs = 50, kFrameWaits = 40;

void KeepOnScreen(QPointer<QWidget> w, int waits)
{
    if (!w || !w->isVisible() || w->isMaximized() || w->isFullScreen())
        return;
    if (w->frameGeometry() == w->geometry() && waits > 0) {
        QTimer::singleShot(kFrameWaitMs, w, [w, waits] { KeepOnScreen(w, waits - 1); });
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize over = w->frameGeometry().size() - area.size();
    if (over.width() > 0 || over.height() > 0)
        w->resize(w->width() - std::max(over.width(), 0), w->height() - std::max(over.height(), 0));
    const QPoint at = InsideScreen(*w, w->x(), w->y());
    if (at != w->pos())
        w->move(at);
}

}  // namespace

void KeepFramedOnScreen(QWidget& w) { KeepOnScreen(&w, kFrameWaits); }

}  // namespace platform
