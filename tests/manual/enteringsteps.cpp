#include "manual/enteringsteps.h"

#include "manual/menuitems.h"
#include "shell/ui/logwindow.h"
#include "support/demowindow.h"
#include "support/files.h"

#include <QAction>
#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace manual {

namespace {

int ClientTop(shell::LogWindow& w)
{
    return w.menuWidget() && w.menuWidget()->isVisible() ? w.menuWidget()->height() : 0;
}

}  // namespace

bool EnteringWindow::Open(int top)
{
    if (!testing_support::ShowDemoWindow(window) || !Choose("Options", "Drilling") || !window.State().well.file.drilling) {
        ADD_FAILURE() << "drilling mode did not come on";
        return false;
    }
    PaintAt(top);
    return true;
}

void EnteringWindow::PaintAt(int top)
{
    window.State().well.file.viewTopDepth = top;
    window.PaintLog();
    QCoreApplication::processEvents();
    g = logview::GeometryOf(window.State());
}

QAction* EnteringWindow::Item(const QString& menu, const QString& item)
{
    QAction* a = MenuItem(window, menu, item);
    if (!a)
        ADD_FAILURE() << "no item " << item.toStdString() << " in the menu " << menu.toStdString();
    return a;
}

bool EnteringWindow::Choose(const QString& menu, const QString& item) { return manual::Choose(window, menu, item); }

int EnteringWindow::RowY(int depth) const
{
    return g.topMargin + (depth - window.State().well.file.viewTopDepth) * g.rowHeight + g.rowHeight / 2;
}

void EnteringWindow::Click(Qt::MouseButton button, int x, int y, Qt::KeyboardModifiers keys)
{
    QTest::mouseClick(&window, button, keys, QPoint(x, y + ClientTop(window)));
    QCoreApplication::processEvents();
}

void EnteringWindow::DoubleClick(int x, int y, Qt::KeyboardModifiers keys)
{
    QTest::mouseDClick(&window, Qt::LeftButton, keys, QPoint(x, y + ClientTop(window)));
    QCoreApplication::processEvents();
}

wellfile::RECORD EnteringWindow::At(int depth) const
{
    const wellfile::OpenWell& f = window.State().well.file;
    return testing_support::FileRecords<wellfile::RECORD>(f.dataFileName).at(std::size_t((depth - f.fileTopDepth) / std::max(f.depthStep, 1)));
}

}  // namespace manual
