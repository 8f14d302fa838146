#pragma once
// What a log print reads from and leaves in the well's files: the start depth offered, and the last
// printed depth kept in the well's ".cfg" for the next print.
#include "wellfile/wellplace.h"

#include <cstdint>

namespace print {

// The start depth offered: the view's top depth less 100, or the depth the last print reached when that
// lies strictly between the file's first depth and 500 above its last.
std::int32_t DefaultPrintStart(std::int32_t viewTopDepth, std::int32_t lastPrintedDepth, std::int32_t firstDepth,
                               std::int32_t lastDepth);

// Sets the last printed depth in the well's own ".cfg" and writes it back. Only the well's own settings
// are rewritten: when they cannot be read whole nothing is written (a "default.cfg" read in their place
// would otherwise replace them). False when nothing was written.
bool SaveLastPrintedDepth(const wellfile::WellPlace& place, bool& fieldSettings, std::int32_t depth);

}  // namespace print
