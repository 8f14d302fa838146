#pragma once
// What both paint paths (one record a row, and the compressed body) take from the window's state
// besides the records: the custom-data records and whether a shown e-log curve is loaded.
#include "layout/customdata.h"

namespace app {
struct LogState;
}

namespace logview {

// The custom-data records of the whole file, read again unless drilling keeps them up to date, and the
// one `offset` records below the view top's; null when custom tracks are not painted this time. A read
// that gets nothing frees the buffer and makes the custom-track object afresh, so the next paint reads
// again.
const layout::CUSTDATAREC* CustomRecordsAt(app::LogState& s, long long offset);

// The e-log gas strip is used while a shown e-log curve (track flags 8-13) is loaded; until the curve
// set can say which of its curves are loaded, none is.
bool ElogShown(const app::LogState& s);

}  // namespace logview
