#pragma once
// What a click on the log hits, in numbers: a report or downtime marker near the clicked depth, and the
// drawn e-log or offset-well curve under the pointer.
#include "platform/gdi.h"

#include <cstdint>
#include <optional>
#include <span>

namespace logview {

// The depth tolerance of a click on a show, DST or daily-report marker: 6 units, 10 on the compressed
// scales (scale index 3 and up).
int MarkerTolerance(int scaleIndex);
// The index of the first marker m of `table` (walked to its first 0) with m - tolerance <= d <= m +
// tolerance; nothing when none is that near.
std::optional<int> FindMarker(std::span<const std::int32_t> table, std::int32_t d, int tolerance);
// The first downtime note m with m - 4 <= d <= m + 2: its box stands above its depth.
std::optional<std::int32_t> FindDowntimeNote(std::span<const std::int32_t> table, std::int32_t d);

// The e-log outline has one screen point per row, on the row's top edge. A click hits it when
// p.x - 3 < x < p.x + 5 for one of the points row - 1, row and row + 1 of the clicked row (those that
// exist).
bool HitElogCurve(std::span<const platform::POINT> points, int x, int y, int topMargin, int rowHeight);
// The offset-well curve's points are walked from the first while 0 < p.y < y and p.y is above the log
// bottom; a click hits when p.x - 4 < x < p.x + 4 for the point where the
// walk stopped or one of its neighbours (those that exist).
bool HitOffsetCurve(std::span<const platform::POINT> points, int x, int y, int logBottomY);

}  // namespace logview
