#pragma once
// The region code of a well: a whole-hour offset taken from the state text of its header, used where
// no time-zone offset has been set. Callers hold it and treat a value above 10 as not yet computed.
#include "wellfile/wellplace.h"

#include <string_view>

namespace wellfile {

// The region code of a state text, matched without regard to case by parts of words, the first rule
// that matches deciding: "TX", "TEX", "OK", "KS" give -1; "MEXICO" gives -2 (New Mexico too, as the
// text is written out); "NM", "CO", "OH", "PA", "PENN", "NY", "WV", "WEST", "VA", "VIRGINA", "MI" give
// 0; anything else -1.
int RegionOfState(std::string_view state);

// Reads the well's header (local folder + well name + ".hdr") and gives the region code of its state
// text; -1 when the header cannot be read.
int CheckHeader(const WellPlace& place);

}  // namespace wellfile
