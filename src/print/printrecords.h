#pragma once
// The depth records of a log print run, read from the open well's data file into a buffer with room for
// the blank rows that carry the log past the file's last depth.
#include "print/printgeometry.h"
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace print {

struct PrintRecords {
    std::vector<wellfile::RECORD> buffer;
    std::size_t current = 0;        // the first record printed: the one after the start (ten-foot: six after)
    std::int32_t printBottomDepth;  // the depth the run prints to: the file's last, or the end when deeper
};

// More records than any well's range holds (over a gigabyte): such a buffer is not asked for.
constexpr int kMaxPrintRecords = 1 << 21;

// Reads the records of `range` (already rounded for `scaleKind`). When the buffer cannot be had the user
// (or would exceed kMaxPrintRecords) the user is told "Memory allocation error" ("Printing Failure") and
// nothing is returned: the run prints nothing.
std::optional<PrintRecords> ReadPrintRecords(wellfile::OpenWell& well, DepthRange range, int scaleKind);

}  // namespace print
