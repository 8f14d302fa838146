#include "entry/testgas.h"

#include "app/runningdriller.h"
#include "platform/numbers.h"
#include "wellfile/datafile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace entry {

namespace {

std::int32_t Step(const wellfile::OpenWell& well)
{
    return std::max(well.depthStep, 1);
}

}  // namespace

std::int32_t EvenDepth(std::int64_t depth)
{
    const std::int64_t even = depth - ((depth % 2) + 2) % 2;  // down, below 0 too
    return std::int32_t(std::clamp<std::int64_t>(even, INT32_MIN, INT32_MAX - 1));
}

bool TakesHotWireTestGas(std::uint16_t profile)
{
    return profile == 17 || profile == 88 || profile == 15;
}

TestGasInterval FirstTestGasInterval(const wellfile::OpenWell& well)
{
    return {well.viewTopDepth, EvenDepth(well.fileBottomDepth)};
}

std::optional<TestGasRun> PlanTestGasRun(const wellfile::OpenWell& well, std::int32_t typedFrom, std::int32_t typedTo)
{
    const std::int64_t from = std::max<std::int64_t>(EvenDepth(typedFrom), std::int64_t(well.fileTopDepth) + 10);
    const std::int64_t to = std::min<std::int64_t>(EvenDepth(typedTo), well.fileBottomDepth);
    const std::int64_t step = Step(well);
    const std::int64_t count = (to - from) / step + 1;
    if (count <= 0 || to < from)
        return std::nullopt;
    const std::int64_t index = std::max<std::int64_t>((from - well.fileTopDepth) / step, 10);
    if (index > INT32_MAX || count > INT32_MAX)
        return std::nullopt;
    return TestGasRun{std::int32_t(from), std::int32_t(to), int(index), int(count)};
}

TestGasInterval NextTestGasInterval(const wellfile::OpenWell& well, std::int32_t to)
{
    const std::int32_t last = well.fileBottomDepth;
    std::int32_t from = EvenDepth(std::int64_t(to) + 2);
    if (std::int64_t(from) > std::int64_t(last) - 2)
        from = last;
    const std::int32_t next = std::min(EvenDepth(std::int64_t(from) + 100), EvenDepth(last));
    return {from, next};
}

float TypedTestGas(const QString& text)
{
    const double v = platform::LeadingDouble(text);
    return std::fabs(v) <= double(std::numeric_limits<float>::max()) ? float(v) : 0.0f;
}

float HotWireTestGas(float typed)
{
    return typed <= 1.0f ? 50.0f : typed;
}

TestGasValues TestGasInForce(const TestGasValues& typed)
{
    TestGasValues v{};
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = typed[i] > 0 ? typed[i] : 1.0f;
    return v;
}

int WriteTestGas(wellfile::OpenWell& well, const QString& path, const TestGasRun& run, const TestGasValues& values)
{
    // The read is bounded by the file's range; one more record takes the end mark.
    const std::int64_t span = std::int64_t(well.fileBottomDepth) - well.fileTopDepth + 1;
    const std::size_t size
        = std::size_t(std::clamp<std::int64_t>(std::min<std::int64_t>(run.count, span), 0, INT32_MAX)) + 1;
    std::vector<wellfile::RECORD> records(size);
    const int read = wellfile::ReadRecords(well, records, path, run.index, run.count);
    if (read <= 0)
        return 0;
    const TestGasValues inForce = TestGasInForce(values);
    for (int k = 0; k < read; ++k)
        for (int g = 0; g < wellfile::TEST_COUNT; ++g)
            records[std::size_t(k)].testGas[g] = inForce[std::size_t(g)];
    return wellfile::SaveRecords(
        well, std::span<const wellfile::RECORD>(records.data(), std::size_t(read)), path, run.index, read);
}

bool TestGasReachesBottom(const wellfile::OpenWell& well, std::int32_t to)
{
    return std::int64_t(to) >= std::int64_t(well.fileBottomDepth) - 1;
}

void SetDrillerTestGas(app::RunningDriller& driller, const TestGasValues& values)
{
    const TestGasValues inForce = TestGasInForce(values);
    for (int g = 0; g < wellfile::TEST_COUNT; ++g)
        driller.SetTestGas(g, inForce[std::size_t(g)]);
}

}  // namespace entry
