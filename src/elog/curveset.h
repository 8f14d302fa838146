#pragma once
// The window's curve set as its commands handle it: made from the window's state, loaded, replaced,
// closed, and handed to the painters. Only these calls make or drop `Engines::elogCurves`.
#include "elog/curves.h"

#include <QString>

namespace app {
struct LogState;
class WindowServices;
}  // namespace app

namespace elog {

// What a curve set of this window reads of it; `curveFile` is the file it is loaded from.
CurveOwner CurveOwnerOf(const app::LogState& log, const QString& curveFile);

// Replaces the window's curve set by one loaded from `curveFile`, restores the file's stored depth shift
// and applies the scheme again. A missing or unreadable file removes the set. 0 after "Elog Data Not
// Loaded" when no set can be made, else 1.
int LoadElog(app::LogState& log, app::WindowServices& window, const QString& curveFile);
// Drops the window's curve set (before its file changes).
void CloseElog(app::LogState& log);
// The well's own curve file, found with no scheme naming it: the window keeps it as its curve file, the
// first scheme shows the e-log track, and the file is stored with its shift for the selected scheme.
void LinkElogToScheme(app::LogState& log, const QString& curveFile);

// Hands the window's curve set, or its absence, to everything that reads it: the painters' row view
// and automatic lithology, the e-log shown flag and the depth match's KB elevation. Called after every
// change of the set or of the e-log depth shift.
void PublishCurves(app::LogState& log);
// What the curve drawing reads of the window's layout now: the first track on the screen, the curve
// pens of the pen table and the off-scale gamma fill.
CurveLayout CurveLayoutOf(const app::LogState& log);
// Rebuilds the loaded set's drawing state for the screen (the row height as unit size): after a load,
// a printout, a change of the pens or of the gamma scale index. Nothing without a set.
void PrepareCurveDrawing(app::LogState& log);
// True when the loaded set has a curve shown on the log (resistivity flags 8-13 with their curve).
bool ElogShown(const app::LogState& log);

}  // namespace elog
