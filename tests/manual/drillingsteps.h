#pragma once
// The steps of the drilling and station walks on a real window: a menu item chosen by its text as the
// user reads it on the bar, the depth box's pulses and the drilling tick.
#include <QString>
#include <QStringList>

class LogWindow;
class QAction;
class QImage;

namespace manual_testing {

// The item `item` of the menu `menu` (or of one of its sub-menus), both named as on screen: without the
// underline marks and the blanks around the text. Null when the bar holds none.
QAction* MenuItem(LogWindow& w, const QString& menu, const QString& item);
// Chooses that item as the user does; false (with a test failure) when it is missing or grey.
bool Choose(LogWindow& w, const QString& menu, const QString& item);
// The titles of the bar's menus, as on screen.
QStringList MenuTitles(LogWindow& w);

// `ticks` drilling ticks, the clock `ms` on before each.
void Tick(int ticks = 1, int ms = 6000);
// One pulse of the depth box (button 1 pressed), posted by the port and taken by the window.
void Pulse();

// The pixels of the band above the log (rows 0 to `bottom`) of the window's picture that have the
// colour `rgb`.
int PixelsOf(const QImage& picture, int bottom, unsigned rgb);

}  // namespace manual_testing
