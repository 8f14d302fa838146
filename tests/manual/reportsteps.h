#pragma once
// Steps of the reports and printing walks: a colour looked for on the painted log.
#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>

namespace manual {

// The first pixel of `colour` in `area` of the painted log, row by row.
std::optional<QPoint> FindColour(const QImage& log, const QRect& area, QRgb colour);

}  // namespace manual
