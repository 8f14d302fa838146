// Loading a well's curve file into the curve set, as opening a well and every scheme change do: the
// whole file read, its depth range found and the ranges of its curves.
#include "elog/curves.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kRecords = 20000;

// Gamma, both porosities, PE and a resistivity from depth 1,000 on; the rest of each row as imported.
QString MakeCurveFile(const QTemporaryDir& dir)
{
    std::vector<elog::CurveRecord> rows(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        auto& v = rows[std::size_t(i)].values;
        v[0] = float(i);
        if (i >= 1000) {
            v[elog::SLOT_GAMMA] = float(40 + i % 90);
            v[elog::SLOT_DENSITY_POR] = 0.12f;
            v[elog::SLOT_NEUTRON_POR] = 0.15f;
            v[elog::SLOT_PE] = 3.1f;
            v[elog::SLOT_RES120] = 20.0f;
        }
    }
    const QString path = dir.filePath(QStringLiteral("bench.svc"));
    QFile f(path);
    const qint64 bytes = qint64(rows.size() * sizeof(elog::CurveRecord));
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(rows.data()), bytes) != bytes)
        return {};
    return path;
}

void BM_LoadCurveFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = MakeCurveFile(dir);
    if (path.isEmpty()) {
        state.SkipWithError("could not write the curve file");
        return;
    }
    for (auto _ : state) {
        elog::Curves curves(elog::CurveOwner{});
        curves.LoadCurveFile(path);
        benchmark::DoNotOptimize(curves.lastDepth);
        if (curves.Count() != kRecords)
            state.SkipWithError("short read");
    }
}
BENCHMARK(BM_LoadCurveFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
