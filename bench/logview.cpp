// The log window's paint on the demo well into a 1920 x 1080 backing store, at scale indexes 1, 2 and
// 3 with the window's neighbour painters (every track painter plugged in so far), the custom tracks of
// such a frame at their most (15 tracks of 12 curves each), beside a plain copy of a frame of the same
// size.
#include "guimain.h"
#include "demoview.h"
#include "platform/draw/dc.h"
#include "tracks/draw/customtracks.h"
#include "tracks/tracksettingsof.h"
#include "wellfile/datafile.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <vector>

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

// 15 custom tracks side by side across the frame, each of ten blocks and 12 curves of the demo well's
// records (gas, rate, weight on bit, torque, pump pressure), painted over the frame's rows at scale 1.
void BM_PaintCustomTracks(benchmark::State& st)
{
    DemoView demo;
    if (!demo.dir.isValid() || !demo.Open()) {
        st.SkipWithError("the demo well could not be opened");
        return;
    }
    app::LogState& s = *demo.state;
    s.view.viewScale = 1;
    const logview::ViewGeometry g = logview::GeometryOf(s);
    constexpr std::array<std::uint16_t, layout::kCurvesPerTrack> kCodes{1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 14};
    layout::CUSTOMDATA data(&s.customTracks.host, false);
    const int trackWidth = kWidth / layout::kCustomTrackCount;
    for (int t = 0; t < layout::kCustomTrackCount; ++t) {
        layout::CustomTrackEntry& e = data.screenSet[std::size_t(t)];
        e.blockCount = 10;
        e.blockWidth = trackWidth / 10;
        e.leftX = t * trackWidth;
        e.rightX = e.leftX + e.blockCount * e.blockWidth;
        for (int c = 0; c < layout::kCurvesPerTrack; ++c) {
            e.dataCode[c] = kCodes[std::size_t(c)];
            e.maximum[c] = 100.0f;
            e.pixelsPerUnit[c] = float(layout::TrackWidth(e)) / 100.0f;
            e.direction[c] = 1;
            e.colour[c] = platform::RGB(40 * (c % 6), 20 * c, 255 - 20 * c);
            e.lineWidth[c] = 1 + c % 2;
            data.screenPens[std::size_t(t)][std::size_t(c)] = {e.colour[c], e.lineWidth[c], layout::PS_SOLID};
        }
    }
    data.trackCount = layout::kCustomTrackCount;

    // The rows of the frame from the view top, the line above the first included.
    const int rows = g.visibleRows + 1;
    wellfile::OpenWell& well = s.well.file;
    std::vector<wellfile::RECORD> records(std::size_t(rows) + 2);
    const int index = well.viewTopDepth - well.fileTopDepth;
    wellfile::ReadRecords(well, records, well.dataFileName, index, rows + 1);
    std::vector<wellfile::CUSTDATAREC> custom(records.size());
    for (std::size_t i = 0; i < custom.size(); ++i) {
        custom[i].depth = float(records[i].depth);
        custom[i].rpm = float(60 + i % 40);
    }
    const tracks::TrackSettings settings = tracks::TrackSettingsOf(s);
    const tracks::CurveValueSettings values = tracks::CurveValueSettingsOf(s);
    tracks::CustomTrackWindow window = tracks::CustomTrackWindowOf(s);
    window.strips = &demo.bitmaps.grid;
    const logview::Device device = logview::Device::Screen();
    platform::Dc dc(demo.bitmaps.backingStore);
    tracks::CustomPass pass{dc, g, device, settings, s.trackPainters, demo.painters, values, nullptr, window, {},
                            {}, tracks::kFullPaint};
    pass.rows.records = records;
    pass.rows.custom = custom;
    pass.rows.first = 1;
    pass.rows.topY = g.topMargin;
    pass.rows.rows = rows;
    pass.rows.rowHeight = g.rowHeight;
    pass.rows.stopDepth = records[std::size_t(rows)].depth;
    for (auto _ : st) {
        tracks::PaintLogBody(data, pass);
        benchmark::DoNotOptimize(demo.bitmaps.backingStore.constBits());
    }
}
BENCHMARK(BM_PaintCustomTracks)->Unit(benchmark::kMillisecond);

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
