#include "manual/menuitems.h"

#include "shell/ui/logwindow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

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

}  // namespace manual
