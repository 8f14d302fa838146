// The mudlog's LAS export of a 20,000-record range: the text built from the records and written whole,
// beside a plain write of the same bytes, so the figure shows what the formatting costs over the disk.
#include "elog/lasexport.h"
#include "wellfile/wholefile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

namespace {

constexpr int kRecords = 20000;

// Drilled rock with rates, weight on bit, gas and gamma on every record, as a logged interval holds.
std::vector<wellfile::RECORD> MakeRecords()
{
    std::vector<wellfile::RECORD> records(kRecords + 10);
    for (int i = 0; i < kRecords; ++i) {
        wellfile::RECORD& r = records[std::size_t(i)];
        r.depth = 1000 + i;
        r.rateOdd = r.rateOne = r.rate2Ft = 1.5f + float(i % 7) * 0.25f;
        for (int g = 0; g < wellfile::GAS_COUNT; ++g)
            r.gas[g] = r.halfGas[g] = float(10 + (i + g) % 90) * 1.5f;
        for (float& v : r.gamma)
            v = float(40 + i % 90);
        r.gammaStep = 0.2f;
        std::snprintf(r.lith, sizeof r.lith, "%s", i % 3 ? "60SH,40SS" : "100LS");
    }
    return records;
}

struct Export {
    std::vector<wellfile::RECORD> records = MakeRecords();
    std::vector<layout::CUSTDATAREC> custom = std::vector<layout::CUSTDATAREC>(kRecords + 10);
    elog::LasInput in;
    elog::LasSettings settings;
    QTemporaryDir dir;

    Export()
    {
        in.records = records;
        in.custom = custom;
        in.count = kRecords;
        in.start = 1000;
    }
    QString Path() const { return dir.filePath(QStringLiteral("W1.las")); }
};

void BM_ExportLas(benchmark::State& state)
{
    Export e;
    std::size_t bytes = 0;
    for (auto _ : state) {
        float mudWeight = 0;
        const std::string text = elog::BuildLasText(e.in, e.settings, mudWeight);
        if (!wellfile::WriteWholeFile(e.Path(), text.data(), text.size()))
            state.SkipWithError("could not write the LAS file");
        bytes = text.size();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["file_MB"] = double(bytes) / 1e6;
}
BENCHMARK(BM_ExportLas)->Unit(benchmark::kMillisecond);

// The same bytes written the same way, without building them.
void BM_WriteLasBytes(benchmark::State& state)
{
    Export e;
    float mudWeight = 0;
    const std::string text = elog::BuildLasText(e.in, e.settings, mudWeight);
    for (auto _ : state)
        if (!wellfile::WriteWholeFile(e.Path(), text.data(), text.size()))
            state.SkipWithError("could not write the LAS file");
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
}
BENCHMARK(BM_WriteLasBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
