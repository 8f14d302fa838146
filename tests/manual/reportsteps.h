#pragma once
// Steps of the reports and printing walks: a menu item chosen as the user sees it on the menu bar, a
// place of the painted log clicked, a colour looked for on it.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

class LogWindow;
class QAction;

namespace manual {

// The item `item` of the menu bar's menu `menu` (texts as shown, without the '&' marks and the blanks
// around them); null when the menu bar has no such item.
QAction* MenuItem(LogWindow& window, const QString& menu, const QString& item);
// Chooses it, as a click on it does; false (with a test failure) when it is missing or gray.
bool Choose(LogWindow& window, const QString& menu, const QString& item);

// Where a point of the painted log lies in the window (below its menu bar).
QPoint OnWindow(LogWindow& window, QPoint onLog);
// The first pixel of `colour` in `area` of the painted log, row by row.
std::optional<QPoint> FindColour(const QImage& log, const QRect& area, QRgb colour);

}  // namespace manual
