#include "manual/menuitems.h"

#include "shell/ui/logwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace manual {

namespace {

QAction* Named(const QList<QAction*>& items, const QString& text)
{
    for (QAction* a : items)
        if (!a->isSeparator() && a->isVisible() && Shown(a->text()).simplified() == text)
            return a;
    for (QAction* a : items)
        if (a->menu())
            if (QAction* inner = Named(a->menu()->actions(), text))
                return inner;
    return nullptr;
}

}  // namespace

QString Shown(const QString& text) { return QString(text).remove(u'&').trimmed(); }

QMenu* BarMenu(shell::LogWindow& w, const QString& title)
{
    for (QAction* a : w.menuBar()->actions())
        if (a->menu() && Shown(a->text()) == title)
            return a->menu();
    return nullptr;
}

QStringList MenuTitles(shell::LogWindow& w)
{
    QStringList titles;
    for (QAction* a : w.menuBar()->actions())
        if (a->menu())
            titles << Shown(a->text());
    return titles;
}

QStringList ItemsOf(const QMenu* menu)
{
    QStringList items;
    if (!menu)
        return items;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        items << Shown(a->text());
        if (a->menu())
            for (const QString& sub : ItemsOf(a->menu()))
                items << Shown(a->text()) + " > " + sub;
    }
    return items;
}

QAction* MenuItem(shell::LogWindow& w, const QStringList& path)
{
    QList<QAction*> items = w.menuBar()->actions();
    QAction* found = nullptr;
    for (const QString& step : path) {
        found = Named(items, Shown(step).simplified());
        if (!found)
            return nullptr;
        items = found->menu() ? found->menu()->actions() : QList<QAction*>();
    }
    return found;
}

bool Choose(shell::LogWindow& w, const QStringList& path)
{
    QAction* a = MenuItem(w, path);
    if (!a || !a->isEnabled()) {
        ADD_FAILURE() << "no item " << path.join(" > ").toStdString() << (a ? " (grey)" : "");
        return false;
    }
    a->trigger();
    QCoreApplication::processEvents();
    return true;
}

}  // namespace manual
