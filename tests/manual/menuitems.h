#pragma once
// The window's menu bar as the user reads it: menus and items named by their text on the screen, the
// letter marks left out, so that a renamed item is not found.
#include <QString>
#include <QStringList>

class LogWindow;
class QAction;
class QMenu;

namespace manual {

// The text as shown: without its letter mark and outer blanks.
QString Shown(const QString& text);
// The menu of the bar titled `title`; null when the bar has none.
QMenu* BarMenu(LogWindow& w, const QString& title);
// The shown texts of the menu's items in order, separators left out; a sub-menu's items follow its
// title as "title > item".
QStringList ItemsOf(const QMenu* menu);
// The item `item` of menu `menu`, searched through its sub-menus too; null when absent.
QAction* Item(LogWindow& w, const QString& menu, const QString& item);
// Chooses the item as a click does; false (with a test failure) when it is absent or grey.
bool Choose(LogWindow& w, const QString& menu, const QString& item);

}  // namespace manual
