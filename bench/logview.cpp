// The log window's paint on the demo well into a 1920 x 1080 backing store, at scale indexes 1, 2 and
// 3 with the window's neighbour painters (every track painter plugged in so far), beside a plain copy
// of a frame of the same size.
#include "guimain.h"
#include "demoview.h"
#include "platform/draw/dc.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using bench_support::DemoView;
using bench_support::kHeight;
using bench_support::kWidth;

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
