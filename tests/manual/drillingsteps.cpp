#include "drillingsteps.h"

#include "drilling/drillingcommands.h"
#include "shell/ui/logwindow.h"
#include "support/testmain.h"

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

using testing_support::doubles;

namespace manual_testing {

namespace {
QString OnScreen(const QString& text) { return QString(text).remove(u'&').trimmed(); }

QAction* Find(const QMenu* menu, const QString& item)
{
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            if (QAction* inner = Find(a->menu(), item))
                return inner;
        } else if (!a->isSeparator() && OnScreen(a->text()) == item) {
            return a;
        }
    }
    return nullptr;
}
}  // namespace

QAction* MenuItem(LogWindow& w, const QString& menu, const QString& item)
{
    for (QAction* top : w.menuBar()->actions())
        if (top->menu() && OnScreen(top->text()) == menu)
            return Find(top->menu(), item);
    return nullptr;
}

bool Choose(LogWindow& w, const QString& menu, const QString& item)
{
    QAction* a = MenuItem(w, menu, item);
    if (!a || !a->isEnabled()) {
        ADD_FAILURE() << "no item " << menu.toStdString() << " > " << item.toStdString();
        return false;
    }
    a->trigger();
    QCoreApplication::processEvents();
    return true;
}

QStringList MenuTitles(LogWindow& w)
{
    QStringList titles;
    for (QAction* top : w.menuBar()->actions())
        if (top->menu())
            titles << OnScreen(top->text());
    return titles;
}

void Tick(int ticks, int ms)
{
    for (int i = 0; i < ticks; ++i) {
        doubles().clock.Advance(ms);
        ASSERT_TRUE(doubles().timers.last->Fire(2)) << "the drilling tick does not run";
    }
}

void Pulse()
{
    ASSERT_TRUE(doubles().gamePort.Deliver(true, drilling::kButton1 | drilling::kButton1Changed));
    doubles().queue.DeliverAll();
}

int PixelsOf(const QImage& picture, int bottom, unsigned rgb)
{
    int n = 0;
    for (int y = 0; y < bottom && y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += (picture.pixel(x, y) & 0xFFFFFFu) == (rgb & 0xFFFFFFu);
    return n;
}

}  // namespace manual_testing
