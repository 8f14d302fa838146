#pragma once
// The window's menu bar as the user reads it: its menus and their items by their text on the screen,
// the letter marks left out; a path to an item reads a run of blanks as one, as the eye does. A renamed item is not found, so a walk that
// chooses it fails.
#include <QString>
#include <QStringList>

namespace shell { class LogWindow; }
class QAction;
class QMenu;

namespace manual {

// The text as shown: without its letter mark and outer blanks.
QString Shown(const QString& text);
// The menu of the bar titled `title`; null when the bar has none.
QMenu* BarMenu(shell::LogWindow& w, const QString& title);
// The titles of the bar's menus.
QStringList MenuTitles(shell::LogWindow& w);
// The shown texts of the menu's items in order, separators left out; a sub-menu's items follow its
// title as "title > item".
QStringList ItemsOf(const QMenu* menu);

// The item reached through `path` ({"Options", "Create Las File..."}): the bar's menu, then an item of
// it, looked for among its own items first and then in its sub-menus. Null when there is none.
QAction* MenuItem(shell::LogWindow& w, const QStringList& path);
inline QAction* MenuItem(shell::LogWindow& w, const QString& menu, const QString& item)
{
    return MenuItem(w, { menu, item });
}
// Chooses that item as the user does; false, with a test failure, when it is missing or grey.
bool Choose(shell::LogWindow& w, const QStringList& path);
inline bool Choose(shell::LogWindow& w, const QString& menu, const QString& item) { return Choose(w, {menu, item}); }

}  // namespace manual
