#include "lithologynotes.h"

#include "logview/geometryof.h"
#include "shell/ui/logwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

namespace testing_support {

namespace {
QString Shown(QString text) { return text.remove(QLatin1Char('&')).trimmed(); }
}  // namespace

QAction* MenuItem(LogWindow& w, const QString& menu, const QString& item)
{
    for (QAction* top : w.menuBar()->actions())
        if (top->menu() && Shown(top->text()) == menu)
            for (QAction* a : top->menu()->actions())
                if (Shown(a->text()) == item)
                    return a;
    return nullptr;
}

bool Pick(LogWindow& w, const QString& menu, const QString& item)
{
    QAction* a = MenuItem(w, menu, item);
    if (!a || !a->isEnabled()) {
        ADD_FAILURE() << "no item " << item.toStdString() << " in " << menu.toStdString();
        return false;
    }
    a->trigger();
    QCoreApplication::processEvents();
    return true;
}

QPoint ClientPoint(LogWindow& w, int x, int y)
{
    const int top = w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0;
    return QPoint(x, y + top);
}

int RecordRowY(LogWindow& w, int depth)
{
    const logview::ViewGeometry g = logview::GeometryOf(w.State());
    return g.topMargin + (depth - 1 - g.viewTopDepth) * g.rowHeight + g.rowHeight / 2;
}

void DoubleClickAt(LogWindow& w, int x, int y, Qt::KeyboardModifiers keys)
{
    // The window sees a double-click as a desktop delivers it: the first click, then the second as a
    // double-click.
    QTest::mouseClick(&w, Qt::LeftButton, keys, ClientPoint(w, x, y));
    QTest::mouseDClick(&w, Qt::LeftButton, keys, ClientPoint(w, x, y));
    QCoreApplication::processEvents();
}

void ClickAt(LogWindow& w, int x, int y, Qt::MouseButton button, Qt::KeyboardModifiers keys)
{
    QTest::mouseClick(&w, button, keys, ClientPoint(w, x, y));
    QCoreApplication::processEvents();
}

void CtrlDrag(LogWindow& w, QPoint from, QPoint to)
{
    QTest::mousePress(&w, Qt::LeftButton, Qt::ControlModifier, ClientPoint(w, from.x(), from.y()));
    const QPoint half = (from + to) / 2;
    QTest::mouseMove(&w, ClientPoint(w, half.x(), half.y()));
    QTest::mouseMove(&w, ClientPoint(w, to.x(), to.y()));
    QTest::mouseRelease(&w, Qt::LeftButton, Qt::ControlModifier, ClientPoint(w, to.x(), to.y()));
    QCoreApplication::processEvents();
}

void ShowFrom(LogWindow& w, int top)
{
    w.State().well.file.viewTopDepth = top;
    w.PaintLog();
    QCoreApplication::processEvents();
}

}  // namespace testing_support
