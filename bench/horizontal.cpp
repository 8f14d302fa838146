// The horizontal view's load and draw of a 10,000-record deviated well, the steps its window runs: the
// records read and padded, the range planned, and the plot drawn into its two images. Then the view
// window itself on a 10,000-unit lateral, with the main log's lithology painter: opening it, one page,
// and a page that leaves the drawn window (the window drawn again); the process's peak memory.
#include "demoview.h"
#include "guimain.h"

#include "horizontal/draw/horzplot.h"
#include "horizontal/horzpipeline.h"
#include "horizontal/ui/horzdlg.h"
#include "wellfile/datafile.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
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
    auto setup = std::make_unique<wellfile::HorzSetupRecord>();
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

// A lateral of 10,000 units from MD 9,000 at TVD 8,400: stations every 90 units, lithology, gas and
// gamma on every record.
QString MakeLateral(const QString& folder)
{
    constexpr int kLateralFirst = 9000, kLateralUnits = 10000;
    std::vector<wellfile::RECORD> rows(kLateralUnits + 1);
    double tvd = 8400;
    for (int i = 0; i <= kLateralUnits; ++i) {
        wellfile::RECORD& r = rows[std::size_t(i)];
        r.depth = kLateralFirst + i;
        r.rateOdd = r.rateOne = r.rate2Ft = 2.0f + float(i % 7);
        r.gasScale = r.minutesScale = r.rateScale = r.temperatureScale = r.chromatographScale = 1;
        for (float& g : r.testGas)
            g = 100;
        const double inclination = 60 + 29.7 * std::min(1.0, i / 300.0);
        tvd += i ? std::cos(inclination * M_PI / 180) : 0;
        if (i % 90 == 0 || i == kLateralUnits) {
            r.inclination = float(inclination);
            r.azimuth = 45;
            r.tvd = float(tvd);
            r.verticalSection = float(500 + i);
        }
        std::snprintf(r.lith, sizeof r.lith, "%s", i % 200 < 120 ? "70SH,30SS" : "60LS,40DOL");
        r.gamma[0] = float(80 + 50 * std::sin(i / 25.0));
        r.gas[wellfile::GAS_TG] = r.halfGas[wellfile::GAS_TG] = float(60 + 40 * std::sin(i / 15.0));
        r.slide = (i % 60) < 15 ? 1 : 0;
    }
    const QString path = folder + QStringLiteral("lateral.svm");
    QFile f(path);
    const qint64 bytes = qint64(rows.size()) * wellfile::kRecordSize;
    if (!f.open(QIODevice::WriteOnly) || f.write(reinterpret_cast<const char*>(rows.data()), bytes) != bytes)
        return {};
    return path;
}

double PeakMegabytes()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return double(use.ru_maxrss) / 1024.0;
}

// The process's resident memory now.
double ResidentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The view as the main window's command makes it: created, placed 1,900 x 1,000, loaded and drawn.
std::unique_ptr<horizontal::HorzDlg> OpenView(app::LogState& s)
{
    auto view = std::make_unique<horizontal::HorzDlg>(nullptr, s);
    if (!view->Create())
        return nullptr;
    view->resize(1900, 1000);
    if (view->LoadAndDraw(1) != 1)
        return nullptr;
    return view;
}

void BM_OpenLateral(benchmark::State& state)
{
    bench_support::DemoView demo;
    if (!demo.Open(MakeLateral)) {
        state.SkipWithError("could not open the lateral");
        return;
    }
    int width = 0, window = 0;
    double held = 0;
    for (auto _ : state) {
        const double before = ResidentMegabytes();
        const std::unique_ptr<horizontal::HorzDlg> view = OpenView(*demo.state);
        if (!view) {
            state.SkipWithError("not drawn");
            return;
        }
        held = ResidentMegabytes() - before;
        width = view->Plot().width;
        window = view->Image().width();
        view->CloseView();
    }
    state.counters["plot width"] = width;
    state.counters["window width"] = window;
    state.counters["view MB"] = held;  // what the open view holds
    state.counters["peak MB"] = PeakMegabytes();
}
BENCHMARK(BM_OpenLateral)->Unit(benchmark::kMillisecond);

// The lateral's view opened once for the page benchmarks.
struct LateralView {
    bench_support::DemoView demo;
    std::unique_ptr<horizontal::HorzDlg> view;
    bool Open(benchmark::State& state)
    {
        if (demo.Open(MakeLateral) && (view = OpenView(*demo.state)))
            return true;
        state.SkipWithError("could not open the lateral");
        return false;
    }
};

// Page after page to the end and back to the start, each shown (painted); some leave the window.
void BM_PageLateral(benchmark::State& state)
{
    LateralView lateral;
    if (!lateral.Open(state))
        return;
    horizontal::HorzDlg* view = lateral.view.get();
    int redraws = 0;
    for (auto _ : state) {
        const int before = view->ScrollPosition(), left = view->ImageLeft();
        view->EvHScroll(horizontal::ScrollCode::PageRight, 0);
        if (view->ScrollPosition() == before)
            view->EvHScroll(horizontal::ScrollCode::Thumb, 0);
        redraws += view->ImageLeft() != left;
        benchmark::DoNotOptimize(view->grab());
    }
    state.counters["window redraws"] = benchmark::Counter(redraws, benchmark::Counter::kAvgIterations);
    state.counters["peak MB"] = PeakMegabytes();
}
BENCHMARK(BM_PageLateral)->Unit(benchmark::kMillisecond);

// A page that leaves the window: the thumb moved 9,000 pixels either way, the window drawn again.
void BM_PageOutOfWindow(benchmark::State& state)
{
    LateralView lateral;
    if (!lateral.Open(state))
        return;
    horizontal::HorzDlg* view = lateral.view.get();
    bool right = true;
    for (auto _ : state) {
        view->EvHScroll(horizontal::ScrollCode::Thumb, right ? 40000 : 31000);
        right = !right;
        benchmark::DoNotOptimize(view->grab());
    }
    state.counters["peak MB"] = PeakMegabytes();
}
BENCHMARK(BM_PageOutOfWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    return RunBenchmarksWithGui<QApplication>(argc, argv);  // the view is a widget
}
