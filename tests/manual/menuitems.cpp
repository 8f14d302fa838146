#include "manual/menuitems.h"

#include "shell/ui/logwindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace manual {

QString Shown(const QString& text) { return QString(text).remove(u'&').trimmed(); }

QMenu* BarMenu(LogWindow& w, const QString& title)
{
    for (QAction* a : w.menuBar()->actions())
        if (a->menu() && Shown(a->text()) == title)
            return a->menu();
    return nullptr;
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

namespace {
QAction* Find(const QMenu* menu, const QString& item)
{
    if (!menu)
        return nullptr;
    for (QAction* a : menu->actions()) {
        if (!a->isSeparator() && !a->menu() && Shown(a->text()) == item)
            return a;
        if (QAction* inner = a->menu() ? Find(a->menu(), item) : nullptr)
            return inner;
    }
    return nullptr;
}
}  // namespace

QAction* Item(LogWindow& w, const QString& menu, const QString& item) { return Find(BarMenu(w, menu), item); }

bool Choose(LogWindow& w, const QString& menu, const QString& item)
{
    QAction* a = Item(w, menu, item);
    if (!a || !a->isEnabled()) {
        ADD_FAILURE() << menu.toStdString() << " > " << item.toStdString() << (a ? " is grey" : " is not on the menu bar")
                      << "; the menu holds: " << ItemsOf(BarMenu(w, menu)).join(" | ").toStdString();
        return false;
    }
    a->trigger();
    return true;
}

}  // namespace manual
