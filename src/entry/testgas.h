#pragma once
// Test-gas values: the reading of each gas that stands for 1 % of it, kept in every depth record (the
// eight floats at byte 68: hot wire, C1..nC5). They are set over a depth interval at a time, and the
// interval moves on down the file after each save.
#include "wellfile/openwell.h"
#include "wellfile/record.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace app {
class RunningDriller;
}

namespace entry {

using TestGasValues = std::array<float, wellfile::TEST_COUNT>;  // hot wire, C1, C2, C3, iC4, nC4, iC5, nC5

struct TestGasInterval {
    std::int32_t from = 0;
    std::int32_t to = 0;
};

// The records one save rewrites.
struct TestGasRun {
    std::int32_t from = 0;
    std::int32_t to = 0;
    int index = 0;  // record index of the first
    int count = 0;  // records from there on
};

// `depth` rounded down to an even number.
std::int32_t EvenDepth(std::int64_t depth);

// Profiles that log a hot-wire detector and so enter its test value too.
bool TakesHotWireTestGas(std::uint16_t profile);

// The interval offered when the values are first shown: from the view's top depth to the last depth
// rounded down to even.
TestGasInterval FirstTestGasInterval(const wellfile::OpenWell& well);

// The records of the typed interval: from rounded down to even and at least first depth + 10, to rounded
// down to even and at most the last depth; the index at least 10. None when the interval holds no record
// (from below to), so that nothing is written.
std::optional<TestGasRun> PlanTestGasRun(const wellfile::OpenWell& well, std::int32_t typedFrom, std::int32_t typedTo);

// The interval proposed after a save that ended at `to`: the next even depth two on, or the last depth
// when that passes last depth - 2; 100 units long, at most the last depth rounded down to even.
TestGasInterval NextTestGasInterval(const wellfile::OpenWell& well, std::int32_t to);

// A typed value: what the text begins with as a number; 0 for text that is no number or no float.
float TypedTestGas(const QString& text);

// The hot-wire value typed for a profile that takes one: 1.0 or less stands for the usual 50.
float HotWireTestGas(float typed);

// The values as records hold them: each value of 0 or less is 1.0.
TestGasValues TestGasInForce(const TestGasValues& typed);

// Reads the records of `run` from the data file `path`, sets their eight test values to `values` in
// force and writes them back; the rest of each record is left as it was. Returns the records written;
// 0 when none could be read (the record routines report write failures).
int WriteTestGas(wellfile::OpenWell& well, const QString& path, const TestGasRun& run, const TestGasValues& values);

// Whether an interval ending at `to` reaches the bottom of the file being drilled.
bool TestGasReachesBottom(const wellfile::OpenWell& well, std::int32_t to);

// Makes `values` (in force) the drilling object's current test values: both of its working records
// carry them into the next depth steps.
void SetDrillerTestGas(app::RunningDriller& driller, const TestGasValues& values);

}  // namespace entry
