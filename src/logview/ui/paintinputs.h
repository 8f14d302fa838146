#pragma once
// What both paint paths (one record a row, and the compressed body) take from the window's state
// besides the records: the custom-data records and whether a shown e-log curve is loaded.
#include "logview/draw/gridstrips.h"
#include "logview/draw/neighbourpainters.h"
#include "logview/rateplot.h"
#include "wellfile/customdata.h"
#include "wellfile/record.h"

#include <cstddef>
#include <vector>

namespace app {
struct LogState;
}

namespace logview {

// The custom-data records of the whole file, read again unless drilling keeps them up to date, with the
// index of the one `offset` records below the view top's; absent when custom tracks are not painted this
// time (among others, on a well whose last depth is not more than 20 units below its first). A read that
// gets nothing frees the buffer and makes the custom-track object afresh, so the next paint reads again.
CustomRecords CustomRecordsAt(app::LogState& s, long long offset);

// The record buffer of a paint: a running data entry's records (grown to `size`, the new ones blank),
// else `own` made `size` blank records. False when there is no memory for it.
bool PaintBuffer(app::LogState& s, std::size_t size, std::vector<wellfile::RECORD>& own, Records& records);

// The window's grid strips and neighbour painters, or empty ones and the set that draws nothing.
const GridStrips& StripsOf(const app::LogState& s);
NeighbourPainters& PaintersOf(const app::LogState& s);

// Whether the offset well's rate curve is drawn for the view top: switched on, a file named, and the
// view top inside the depths the offset well holds.
bool OffsetShown(const app::LogState& s);

// What both paint paths set alike in their frame (PaintFrame or BodyFrame): the e-log strip, the scroll
// bar, the depth tables, the depth column, the title band and the rate curve's memory. Off the screen
// the curve draws with `memoryCopy`, so the window's last rate x and offset curve stay the screen's;
// `memoryCopy` must live as long as the paint.
template <class Frame>
void FillSharedFrame(app::LogState& s, Frame& frame, bool offScreen, RateCurveMemory& memoryCopy);

}  // namespace logview
