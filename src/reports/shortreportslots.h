#pragma once
// The one-time move of short-report boxes to the memo column slots of the present log layout: files
// written before the layout gained its extra slots hold the old slot numbers, and each file is marked
// once its numbers are converted.
#include "wellfile/reportrecords.h"

#include <cstdint>
#include <span>

namespace reports {

// The present slot of an old slot number. The logging companies whose layout never changed (17, 88, 4,
// 11, 116, 115, 20) keep every slot; otherwise 0-5 stay, 6, 7 and 8 stay under column multiplier 1 and
// become 5, 8 and 9 under any other, 9 and 10 become 10 and 11, 11-26 move up by 3, and any other
// number becomes 1.
std::int32_t RemapReportSlot(std::int32_t slot, std::uint16_t loggerId, std::int32_t columnMultiplier);

// Converts the reports of a file read in file order when its first record is not marked yet: both slots
// of every unmarked record are remapped and every record is marked. True when anything changed, so
// the caller saves the file; false for a file already marked or empty.
bool ConvertShortReportSlots(std::span<wellfile::QREPORT> reports, std::uint16_t loggerId, std::int32_t columnMultiplier);

}  // namespace reports
