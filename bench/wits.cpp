// The WITS reader's speed: 16 MB of record-01 and record-12 frames, as a rig's data system sends them,
// fed in 500-byte reads (a serial or socket read's size), every item handed to a sink.
#include "wits/framereader.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class CountingSink final : public wits::FrameSink {
public:
    long long items = 0;
    long long frames = 0;
    std::size_t valueBytes = 0;
    void Item(const wits::WitsItem& item) override
    {
        ++items;
        valueBytes += item.value.size();
    }
    void FrameEnd() override { ++frames; }
};

std::string Frames(std::size_t bytes)
{
    const std::string frame01 =
        "&&\r\n0108 2345.67\r\n0110 2346.10\r\n0112 12.4\r\n0113 35.2\r\n0116 12.5\r\n0118 4500\r\n0120 120\r\n"
        "0121 2450\r\n0123 95\r\n0124 96\r\n0125 0\r\n0126 512.3\r\n0127 -0.4\r\n0128 620\r\n0139 2290.5\r\n"
        "0140 125.6\r\n!!\r\n";
    const std::string frame12 =
        "&&\r\n1212 10234\r\n1213 1523\r\n1214 820\r\n1215 210\r\n1216 305\r\n1217 95\r\n1218 120\r\n"
        "1222 2.5\r\n!!\r\n";
    std::string text;
    text.reserve(bytes + frame01.size());
    while (text.size() < bytes)
        text += frame01 + frame12;
    return text;
}

void BM_ReadFrames(benchmark::State& state)
{
    const std::string text = Frames(16u << 20);
    constexpr std::size_t kRead = 500;
    for (auto _ : state) {
        CountingSink sink;
        wits::FrameReader reader(sink);
        for (std::size_t at = 0; at < text.size(); at += kRead)
            reader.Feed(text.data() + at, std::min(kRead, text.size() - at));
        benchmark::DoNotOptimize(sink.items);
        benchmark::DoNotOptimize(sink.valueBytes);
    }
    state.SetBytesProcessed(static_cast<long long>(state.iterations()) * static_cast<long long>(text.size()));
}
BENCHMARK(BM_ReadFrames)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
