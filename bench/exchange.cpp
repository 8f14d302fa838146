// The update package a drilling station makes every five minutes, for a 10,000-record well (a
// 6,160,000-byte data file and the demo well's side files), and its extraction on the monitoring
// station.
#include "app/logstate.h"
#include "demo/demowell.h"
#include "exchange/exchange_services.h"
#include "exchange/sendfile.h"
#include "wellfile/wellpackage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

bool MakeWell(const QString& folder)
{
    demo::DemoWellShape shape;
    shape.firstDepth = 1000;
    shape.lastDepth = 1000 + 10000 - 1;
    return demo::MakeDemoWell(folder, shape) && QDir(folder).mkpath(QStringLiteral("sendfile"));
}

void PointAt(app::LogState& s, const QString& folder)
{
    s.well.file.dataFolder = s.well.file.currentFolder = folder;
    s.well.file.wellName = QStringLiteral("elogdemo");
}

void BM_BuildUpdatePackage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/");
    if (!MakeWell(folder)) {
        state.SkipWithError("could not write the well");
        return;
    }
    app::LogState s;
    PointAt(s, folder);
    for (auto _ : state)
        if (exchange::BuildUpdatePackage(exchange::PackageStateOf(s), 1) != 1)
            state.SkipWithError("no package");
    state.counters["package_bytes"] = double(QFile(folder + QStringLiteral("sendfile/elogdemo.sv8")).size());
}
BENCHMARK(BM_BuildUpdatePackage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ExtractUpdatePackage(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/");
    app::LogState s;
    PointAt(s, folder);
    if (!MakeWell(folder) || exchange::BuildUpdatePackage(exchange::PackageStateOf(s), 1) != 1) {
        state.SkipWithError("could not make the package");
        return;
    }
    const QString target = folder + QStringLiteral("monitor/");
    QDir().mkpath(target);
    for (auto _ : state)
        if (!wellfile::ExtractPackage(folder + QStringLiteral("sendfile/elogdemo.sv8"), target).ok)
            state.SkipWithError("not extracted");
}
BENCHMARK(BM_ExtractUpdatePackage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
