// The log window's paint on the demo well into a 1920 x 1080 backing store, at scale indexes 1, 2 and
// 3 with the window's neighbour painters (every track painter plugged in so far), beside a plain copy
// of a frame of the same size.
#include "guimain.h"
#include "app/layouthosts.h"
#include "app/scrolling.h"
#include "app/startup.h"
#include "app/wellservices.h"
#include "layout/logformat.h"
#include "layout/pentable.h"
#include "logview/draw/viewbitmaps.h"
#include "logview/draw/viewpainters.h"
#include "logview/geometryof.h"
#include "logview/ui/logview.h"
#include "platform/draw/dc.h"
#include "app/tracksettingsof.h"
#include "wellfile/demowell.h"
#include "app/opendatafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kProfile = 12;

// The demo well opened and laid out as the view's tests have it (profile 12 on a 1920 x 1080 screen).
struct DemoView {
    QTemporaryDir dir;
    std::unique_ptr<app::LogState> state = std::make_unique<app::LogState>();
    logview::ViewBitmaps bitmaps;
    logview::ViewPainters painters;
    logview::LogView view;

    bool Open()
    {
        app::LogState& s = *state;
        qputenv("HOME", dir.path().toLocal8Bit());
        app::ApplySetupDefaults(s);
        app::SettleFolders(s);
        const QString folder = dir.path() + "/demo/";
        const app::WellServices services;
        if (!wellfile::MakeDemoWell(folder) ||
            app::OpenDataFile(s, services, folder + wellfile::kDemoWellName + ".svm") != 1)
            return false;
        s.env.screenWidth = s.env.desktopWidth = kWidth;
        s.env.screenHeight = kHeight;
        s.env.monitorCount = 1;
        s.well.loggerId = kProfile;
        s.scroll.windowHeight = kHeight;
        layout::LogLayout& L = s.layout.format;
        layout::SetLogFormat(L, kProfile, 0, app::LayoutInputsOf(s, kHeight));
        layout::SetPens(s.layout.pens, s.well.file, app::PenOptionsOf(s), false);
        s.well.file.viewDepthSpan = L.viewDepthSpan;
        app::DepthBarInputs bar;
        bar.topMargin = L.logAreaTop;
        bar.visibleRows = L.visibleRows;
        bar.rowHeight = L.pixelsPerStep;
        s.view.logAreaBottom = app::PlaceDepthBar(bar).logBottomY;
        s.view.bitmaps = &bitmaps;
        s.view.painters = &painters;
        painters.trackSettings = [this] { return tracks::TrackSettingsOf(*state); };
        painters.trackState = &s.trackPainters;
        s.well.file.viewTopDepth = 1590;
        logview::BuildGridBitmaps(bitmaps.grid, logview::GeometryOf(s));
        bitmaps.ResizeBackingStore(kWidth, kHeight);
        return true;
    }
};

void BM_PaintFrame(benchmark::State& st)
{
    DemoView demo;
    if (!demo.dir.isValid() || !demo.Open()) {
        st.SkipWithError("the demo well could not be opened");
        return;
    }
    demo.state->view.viewScale = int(st.range(0));
    platform::Dc dc(demo.bitmaps.backingStore);
    for (auto _ : st) {
        demo.view.Paint(*demo.state, dc);
        benchmark::DoNotOptimize(demo.bitmaps.backingStore.constBits());
    }
}
BENCHMARK(BM_PaintFrame)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

void BM_FrameCopy(benchmark::State& st)
{
    QImage from(kWidth, kHeight, QImage::Format_RGB32), to(kWidth, kHeight, QImage::Format_RGB32);
    from.fill(0xFFFFFFFFu);
    for (auto _ : st) {
        std::memcpy(to.bits(), from.constBits(), std::size_t(from.sizeInBytes()));
        benchmark::DoNotOptimize(to.constBits());
    }
}
BENCHMARK(BM_FrameCopy)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
