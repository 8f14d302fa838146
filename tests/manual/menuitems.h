#pragma once
// The window's menu bar as the user reads it: its menus and their items by their exact text on the
// screen, the letter marks left out (items are chosen with elogsteps::Choose).
#include <QString>
#include <QStringList>

class LogWindow;
class QMenu;

namespace manual {

// The text as shown: without its letter mark and outer blanks.
QString Shown(const QString& text);
// The menu of the bar titled `title`; null when the bar has none.
QMenu* BarMenu(LogWindow& w, const QString& title);
// The shown texts of the menu's items in order, separators left out; a sub-menu's items follow its
// title as "title > item".
QStringList ItemsOf(const QMenu* menu);

}  // namespace manual
