// Opening a 10,000-record well with all its side files: validation and repair pass, settings, header,
// tops, the three report indexes, the recent list and the full read of the records.
#include "app/logstate.h"
#include "app/opendatafile.h"
#include "demo/demowell.h"
#include "platform/text.h"
#include "wellfile/reportrecords.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

template <class R>
bool WriteRecords(const QString& path, const std::vector<R>& rows)
{
    QFile f(path);
    const qint64 bytes = qint64(rows.size() * sizeof(R));
    return f.open(QIODevice::WriteOnly) && f.write(reinterpret_cast<const char*>(rows.data()), bytes) == bytes;
}

// The demo well made 10,000 records long, with 150 shows (from the demo), 60 drill-stem tests and 400
// daily reports.
bool MakeWell(const QString& folder)
{
    demo::DemoWellShape shape;
    shape.firstDepth = 1000;
    shape.lastDepth = 1000 + 10000 - 1;
    if (!demo::MakeDemoWell(folder, shape))
        return false;
    std::vector<wellfile::DSTREPORT> tests(60);
    for (std::size_t i = 0; i < tests.size(); ++i)
        platform::SetFieldText(tests[i].fromDepth, std::to_string(2000 + 10 * i));
    std::vector<wellfile::REPORTEX> daily(400);
    for (std::size_t i = 0; i < daily.size(); ++i)
        daily[i].depth = float(1000 + 25 * i);
    std::vector<wellfile::SHOWREPORT> shows(150);
    for (std::size_t i = 0; i < shows.size(); ++i)
        platform::SetFieldText(shows[i].interval, platform::CFormat(" %5d to %5d", int(1000 + 60 * i), int(1010 + 60 * i)));
    return WriteRecords(folder + "/elogdemo.dst", tests) && WriteRecords(folder + "/elogdemo.rpt", daily) &&
           WriteRecords(folder + "/elogdemo.sho", shows);
}

void BM_OpenDataFile(benchmark::State& state)
{
    QTemporaryDir dir;
    if (!MakeWell(dir.path())) {
        state.SkipWithError("could not write the well");
        return;
    }
    app::LogState s;
    app::ApplySetupDefaults(s);
    s.env.screenWidth = 1280;
    s.well.file.dataFolder = dir.path() + QStringLiteral("/");
    const app::WellServices services;
    const QString path = dir.filePath(QStringLiteral("elogdemo.svm"));
    for (auto _ : state) {
        if (!app::OpenDataFile(s, services, path)) {
            state.SkipWithError("the well did not open");
            return;
        }
        benchmark::DoNotOptimize(s.well.reportDepthIndex[299]);
    }
    if (s.well.file.allRecords.size() < 9999 || s.well.showDepthIndex[99] == 0)
        state.SkipWithError("the well was not read whole");
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
