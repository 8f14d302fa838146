#pragma once
// Scale changes over a depth interval: every depth record carries the codes of the scales it is drawn
// on, so a log changes scale at any depth. The writer puts one code into one field of every record of
// an interval of the open well's data file.
#include "wellfile/openwell.h"

#include <cstdint>

namespace layout {

// The 16-bit scale fields of a depth record, by byte.
enum class ScaleField : int {
    Gas = 100,
    RatePerHour = 258,
    Temperature = 260,
    GasPercent = 262,
    RateMinutes = 322,
    MaxGas = 413,  // the custom gas curve's maximum from this depth on
};

// Writes `code` into `field` of the records from depth `from` to depth `to` of the open data file. A
// `to` below `from` reaches the file's last depth; one beyond the last whole record is cut there. A
// `from` outside the file is refused ("Start Value out of Range"). The run is read and written back in
// one piece, so a failed write (reported by SaveRecords) leaves the file as it was. Returns the number of
// records written.
int WriteScaleInterval(wellfile::OpenWell& well, ScaleField field, std::uint16_t code, std::int32_t from,
                       std::int32_t to);

}  // namespace layout
