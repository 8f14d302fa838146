#pragma once
// The mud pumps' output in gallons per minute, as the short report fills its MMRPM field and the drilling
// step adds it to the rotary speed of the custom record.
#include <cstdint>

namespace wellfile {
struct LagRecord;
struct OpenWell;
}
namespace wellfile {
struct WITSRECORD;
}

namespace reports {

constexpr float kGallonsPerBarrel = 42.0f;

// At a depth strictly between the file's first depth + 50 and last depth - 50 (`well` given): the
// product of the custom-data record's pump rate, output per stroke and motor factor there, times 42;
// 0 when no custom record is read. At any other depth (0 for the drilling step): from the lag settings
// and the live strokes per minute of pumps 1-3: the flow of the pumps on hole (each one's rate x output
// per stroke x efficiency, summed), times 42 and the overall factor. 0 when the lag settings or the
// live record are missing, the factor is 0, or pumps 1 and 2 have no rate setting, no output per stroke
// or are both off hole.
float ComputePumpOutput(const wellfile::OpenWell* well, const wellfile::LagRecord* lag, const wellfile::WITSRECORD* live,
                        std::int32_t depth);

}  // namespace reports
