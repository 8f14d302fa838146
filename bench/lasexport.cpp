// The mudlog's LAS export of a 20,000-record range: the text built from the records and written whole,
// beside a plain write of the same bytes, so the figure shows what the formatting costs over the disk.
#include "elog/lasexport.h"
#include "loggedrecords.h"
#include "wellfile/wholefile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kRecords = 20000;

struct Export {
    std::vector<wellfile::RECORD> records = LoggedRecords(kRecords, 1000, 10);
    std::vector<wellfile::CUSTDATAREC> custom = std::vector<wellfile::CUSTDATAREC>(kRecords + 10);
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
