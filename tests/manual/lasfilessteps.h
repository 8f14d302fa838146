#pragma once
// Steps the walks of the e-log and horizontal sections of the manual share: points of the log given in
// log coordinates, a well of known values on every record (menu items are chosen with menuitems.h).
#include "manual/menuitems.h"
#include "wellfile/record.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

namespace shell { class LogWindow; }

namespace manual {

// The window point of log point (x, y) (x in log columns, y below the top of the client area).
QPoint At(shell::LogWindow& w, int x, int y);
// The y of the middle of the row of `depth` on the painted log.
int RowY(shell::LogWindow& w, int depth);
// The log as the window shows it now (painted first).
QImage Screen(shell::LogWindow& w);

// Records first..last, sound for the file checks: rate 2 + (d % 7) minutes a unit and C1 10 + (d % 50)
// units at depth d, lithology 100SH.
std::vector<wellfile::RECORD> KnownRecords(int first, int last);
float KnownRate(int depth);
float KnownC1(int depth);

}  // namespace manual
