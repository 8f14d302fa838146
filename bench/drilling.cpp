// One depth step of drilling mode on the demo well, from the depth box's pulse to the record on disk and
// its row drawn in a 1920 x 1080 backing store: the pulse marks the step, the drilling tick times it,
// appends the record and draws the new row with the depth and rate texts through the window's status
// object. Goal: 5 ms median.
#include "demoview.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logtime.h"
#include "drilling/ui/statuswindow.h"

#include "guimain.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

// The demo view with the driller started on it, drawing through the window's status object.
struct DrillingDemo : bench_support::DemoView {
    QWidget window;
    std::unique_ptr<drilling::DrillingStatusWindow> status;
    std::unique_ptr<drilling::DrillingHost> host;
    std::unique_ptr<drilling::Driller> driller;

    ~DrillingDemo()
    {
        drilling::AttachDriller(*state, nullptr);
        driller.reset();
        status.reset();
    }

    bool Start()
    {
        if (!Open())
            return false;
        app::LogState& s = *state;
        s.well.file.drilling = true;
        status = std::make_unique<drilling::DrillingStatusWindow>(
            window, s, [] { return 0; }, [](int) {});
        logview::ListenForChangedRows(s, view);
        host = std::make_unique<drilling::DrillingHost>(
            s, drilling::DrillingPeers{status.get(), status.get(), status.get()});
        driller = std::make_unique<drilling::Driller>(*host, wits::WitsAlarmHost{});
        drilling::AttachDriller(s, driller.get());
        wellfile::WellConfig config{};
        config.minSecondsPerUnit = 0;  // steps as fast as the benchmark makes them
        driller->Start(config);
        return true;
    }

    // The view with the bottom line 40 rows down, so that every step is drawn in place.
    void ViewAboveBottom()
    {
        state->well.file.viewTopDepth = state->well.file.fileBottomDepth - 40;
        state->scroll.notAtBottom = false;
    }
};

void BM_DepthStep(benchmark::State& st)
{
    DrillingDemo demo;
    if (!demo.Start()) {
        st.SkipWithError("the demo well could not be opened");
        return;
    }
    for (auto _ : st) {
        st.PauseTiming();
        demo.ViewAboveBottom();
        st.ResumeTiming();
        demo.driller->MarkStep(drilling::StepSource::WholeUnitBox);  // the box's pulse
        demo.driller->Time()->Tick();                                   // the drilling tick
        demo.driller->Update();
    }
    benchmark::DoNotOptimize(demo.bitmaps.backingStore.constBits());
    st.counters["bottom"] = double(demo.state->well.file.fileBottomDepth);
}
BENCHMARK(BM_DepthStep)->Unit(benchmark::kMillisecond)->Iterations(200)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui<QApplication>(argc, argv); }
