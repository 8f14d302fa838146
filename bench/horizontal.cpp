// The horizontal view's load and draw of a 10,000-record deviated well, the steps its window runs: the
// records read and padded, the range planned, and the plot drawn into its two images.
#include "guimain.h"

#include "horizontal/draw/horzplot.h"
#include "horizontal/horzpipeline.h"
#include "wellfile/datafile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kFirst = 1000, kRecords = 10000;

// Vertical for the first 7,000 units, then building 0.3 degrees a unit to 89.5, with slides and shows.
QString MakeDeviatedFile(const QTemporaryDir& dir)
{
    std::vector<wellfile::RECORD> rows(kRecords);
    double tvd = kFirst, section = 0;
    for (int i = 0; i < kRecords; ++i) {
        wellfile::RECORD& r = rows[std::size_t(i)];
        r.depth = kFirst + i;
        r.rateOdd = r.rateOne = r.rate2Ft = 2.5f;
        const double inclination = std::clamp((i - 7000) * 0.3, 0.0, 89.5);
        tvd += i ? std::cos(inclination * M_PI / 180) : 0;
        section += i ? std::sin(inclination * M_PI / 180) : 0;
        r.inclination = float(inclination);
        r.tvd = float(tvd);
        r.verticalSection = float(std::max(section, 0.1));
        r.gas[wellfile::GAS_TG] = float(i % 50);
        r.slide = (i % 60) < 15 ? 1 : 0;
        r.porosity = (i % 40) < 5 ? 'f' : 0;
        r.fluorPercent = (i % 40) < 5 ? 60 : 0;
        r.fluorQuality = (i % 40) < 5 ? 'g' : 0;
    }
    const QString path = dir.filePath(QStringLiteral("bench.svm"));
    QFile f(path);
    const qint64 bytes = qint64(rows.size()) * wellfile::kRecordSize;
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(rows.data()), bytes) != bytes)
        return {};
    return path;
}

void BM_LoadAndDraw(benchmark::State& state)
{
    QTemporaryDir dir;
    wellfile::OpenWell well;
    well.dataFileName = MakeDeviatedFile(dir);
    if (well.dataFileName.isEmpty()) {
        state.SkipWithError("could not write the data file");
        return;
    }
    well.fileTopDepth = kFirst;
    well.fileBottomDepth = kFirst + kRecords - 1;
    wellfile::ReadAllRecords(well);  // the well's greatest TVD, as opening it finds
    auto setup = std::make_unique<horizontal::HorzSetupRecord>();
    horizontal::ViewDefaults(*setup, 0);
    horizontal::HorzViewSettings settings = horizontal::SettingsOf(*setup, {}, {});
    settings.drawShows = true;
    const horizontal::HorzPainters painters = horizontal::DefaultPainters();
    horizontal::HorzPlot plot;
    std::vector<wellfile::RECORD> records;
    for (auto _ : state) {
        const horizontal::PadRange range = horizontal::PadAndEnd(well.fileBottomDepth);
        const int toRead = horizontal::RecordsToRead(well.fileTopDepth, range.endDepth, well.depthStep, range.pad);
        records.assign(std::size_t(toRead + 100), wellfile::RECORD{});
        const int read = wellfile::ReadRecords(well, records, well.dataFileName, 0, toRead);
        plot.plotLastDepth = horizontal::PadRecords(records, read, range.pad);
        const horizontal::LoadPlan plan =
            horizontal::PlanLoad(records, {well.fileTopDepth, range.endDepth, read, range.pad, well.maxTvd, true}, *setup);
        plot.settings = &settings;
        plot.records = records;
        plot.first = plan.walk.first;
        plot.toDraw = plan.walk.toDraw;
        plot.drawFrom = plan.drawFrom;
        plot.leastTvd = plan.leastTvd;
        plot.greatestTvd = plan.walk.greatestTvd;
        plot.plotFirstDepth = plan.walk.plotFirstDepth;
        plot.fileFirstDepth = well.fileTopDepth;
        plot.fileLastDepth = well.fileBottomDepth;
        plot.clientWidth = 1900;
        plot.clientHeight = 1000;
        plot.setup = setup.get();
        if (!plan.horizontal || !horizontal::DrawPlot(plot, painters).isEmpty()) {
            state.SkipWithError("not drawn");
            return;
        }
        benchmark::DoNotOptimize(plot.image.image.constBits());
    }
    state.counters["records"] = plot.toDraw;
    state.counters["width"] = plot.width;
}
BENCHMARK(BM_LoadAndDraw)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithGui(argc, argv);
}
