#include "manual/reportsteps.h"

#include "shell/ui/logwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace manual {

namespace {

QString Shown(const QString& text) { return QString(text).remove(u'&').trimmed(); }

}  // namespace

QAction* MenuItem(LogWindow& window, const QString& menu, const QString& item)
{
    for (QAction* top : window.menuBar()->actions())
        if (top->menu() && Shown(top->text()) == menu)
            for (QAction* a : top->menu()->actions())
                if (!a->menu() && !a->isSeparator() && Shown(a->text()) == item)
                    return a;
    return nullptr;
}

bool Choose(LogWindow& window, const QString& menu, const QString& item)
{
    QAction* a = MenuItem(window, menu, item);
    if (!a || !a->isEnabled()) {
        ADD_FAILURE() << "no item " << item.toStdString() << " to choose in " << menu.toStdString();
        return false;
    }
    a->trigger();
    QCoreApplication::processEvents();
    return true;
}

QPoint OnWindow(LogWindow& window, QPoint onLog)
{
    const QWidget* bar = window.menuWidget();
    return onLog + QPoint(0, bar && bar->isVisible() ? bar->height() : 0);
}

std::optional<QPoint> FindColour(const QImage& log, const QRect& area, QRgb colour)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (log.valid(x, y) && (log.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return QPoint(x, y);
    return std::nullopt;
}

}  // namespace manual
