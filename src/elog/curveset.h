#pragma once
// The window's curve set as the groups of the window's state see it: what the set reads of the well,
// the drawing layout it takes from the log's layout, and whether it shows on the log. The commands that
// load, replace, close and publish the set (`LoadElog`, `CloseElog`, `LinkElogToScheme`, `PublishCurves`)
// are handlers, with the subsystem's services (elog/elog_services.h).
#include "elog/curves.h"

#include <QString>

namespace app {
struct Engines;
struct LogLayoutState;
struct WellState;
}  // namespace app

namespace elog {

// What a curve set of this well reads of it; `curveFile` is the file it is loaded from and
// `alternateLayout` the log format's alternate-format flag.
CurveOwner CurveOwnerOf(const app::WellState& well, bool alternateLayout, const QString& curveFile);

// What the curve drawing reads of the window's layout now: the first track on the screen, the curve
// pens of the pen table and the off-scale gamma fill.
CurveLayout CurveLayoutOf(const app::LogLayoutState& layout);
// Rebuilds the loaded set's drawing state for the screen (the row height as unit size): after a load,
// a printout, a change of the pens or of the gamma scale index. Nothing without a set.
void PrepareCurveDrawing(app::Engines& engines, const app::LogLayoutState& layout);
// True when the loaded set has a curve shown on the log (resistivity flags 8-13 with their curve).
bool ElogShown(const app::Engines& engines, const app::LogLayoutState& layout);

}  // namespace elog
