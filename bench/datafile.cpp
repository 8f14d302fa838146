// Reading a whole data file and deriving its window values (ReadAllRecords), as opening a well does.
#include "wellfile/datafile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kRecords = 10000;

// A data file of 10,000 records with a survey every 30 units and gas in every record.
QString MakeDataFile(const QTemporaryDir& dir)
{
    std::vector<wellfile::RECORD> rows(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        wellfile::RECORD& r = rows[std::size_t(i)];
        r.depth = 500 + i;
        r.rateOne = 2.5f;
        r.gas[wellfile::GAS_TG] = float(i % 50);
        r.mudWeightOut = 1.1f;
        if (i % 30 == 0) {
            r.tvd = float(r.depth) - float(i) / 100.0f;
            r.inclination = float(i % 60);
        }
    }
    const QString path = dir.filePath(QStringLiteral("bench.svm"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) ||
        f.write(reinterpret_cast<const char*>(rows.data()), qint64(rows.size()) * wellfile::kRecordSize) !=
            qint64(rows.size()) * wellfile::kRecordSize)
        return {};
    return path;
}

void BM_ReadAllRecords(benchmark::State& state)
{
    QTemporaryDir dir;
    wellfile::OpenWell well;
    well.dataFileName = MakeDataFile(dir);
    if (well.dataFileName.isEmpty()) {
        state.SkipWithError("could not write the data file");
        return;
    }
    well.fileTopDepth = 500;
    well.fileBottomDepth = 500 + kRecords - 1;
    for (auto _ : state) {
        wellfile::ReadAllRecords(well);
        benchmark::DoNotOptimize(well.maxTvd);
    }
    if (well.allRecords.size() != std::size_t(kRecords))
        state.SkipWithError("short read");
}
BENCHMARK(BM_ReadAllRecords)->Unit(benchmark::kMillisecond);

void BM_ScanRecords(benchmark::State& state)
{
    QTemporaryDir dir;
    wellfile::OpenWell well;
    well.dataFileName = MakeDataFile(dir);
    well.fileTopDepth = 500;
    well.fileBottomDepth = 500 + kRecords - 1;
    for (auto _ : state) {
        wellfile::ScanRecords(well);
        benchmark::DoNotOptimize(well.lagDepth);
    }
}
BENCHMARK(BM_ScanRecords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
