#pragma once
// Steps the walks of the e-log and horizontal sections of the manual share: a menu item chosen by the
// text the user reads on the menu bar, points of the log given in log coordinates, a well of known
// values on every record.
#include "wellfile/record.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

class LogWindow;

namespace elogsteps {

// Triggers the item reached through `path` ({"Options", "Create Las File..."}) on the window's menu
// bar. Texts match as read on screen: no "&", blanks run together, letter case and trailing dots
// aside. False, with a test failure, when an item is missing or gray.
bool Choose(LogWindow& w, const QStringList& path);
// Whether the menu bar shows the item of `path` now.
bool Shown(LogWindow& w, const QStringList& path);

// The window point of log point (x, y) (x in log columns, y below the top of the client area).
QPoint At(LogWindow& w, int x, int y);
// The y of the middle of the row of `depth` on the painted log.
int RowY(LogWindow& w, int depth);
// The log as the window shows it now (painted first).
QImage Screen(LogWindow& w);

// Records first..last, sound for the file checks: rate 2 + (d % 7) minutes a unit and C1 10 + (d % 50)
// units at depth d, lithology 100SH.
std::vector<wellfile::RECORD> KnownRecords(int first, int last);
float KnownRate(int depth);
float KnownC1(int depth);

}  // namespace elogsteps
