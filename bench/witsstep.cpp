// A WITS frame one unit deeper than the data file, from the text read to the record appended and its
// row drawn: the frame's items go through the reader to the link's engine, whose hole depth marks the
// step; the drilling step writes the record and draws its row into the log's backing store. The demo
// well, laid out as the view's benchmark has it, with drilling mode and the WITS link on.
#include "guimain.h"
#include "demoview.h"
#include "drilling/driller.h"
#include "drilling/drillingstate.h"
#include "drilling/logtime.h"
#include "logview/logview_services.h"
#include "wits/framereader.h"
#include "wits/wits.h"
#include "wits/witsalarmhost.h"
#include "wits/witshost.h"
#include "platform/folders.h"
#include "wellfile/datafile.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using bench_support::DemoView;

// The window's side of a step: copies, packages and the status box are not asked for.
class QuietLinks final : public drilling::WellFileWork,
                         public drilling::DrillingStatusBox,
                         public drilling::LagHandover {
public:
    void CopyWellFileOut(const QString&) override {}
    void BuildUpdatePackage() override {}
    bool BackupData() override { return true; }
    void WitsLagDepth(float, int, bool, bool) override {}
    void ClearWitsNewData() override {}
    void ShowStatus(bool, bool, int) override {}
};

std::string FrameAt(int depth)
{
    const std::string d = std::to_string(depth) + ".00";
    return "&&\r\n0108" + d + "\r\n0110" + d + "\r\n0113125.5\r\n0121310\r\n0123120\r\n!!\r\n";
}

// Opens the demo well; false, with the benchmark skipped, when it could not be.
bool OpenDemo(DemoView& demo, benchmark::State& st)
{
    if (demo.dir.isValid() && demo.Open())
        return true;
    st.SkipWithError("the demo well could not be opened");
    return false;
}

void BM_WitsFrameToDrawnRow(benchmark::State& st)
{
    DemoView demo;
    if (!OpenDemo(demo, st))
        return;
    app::LogState& s = *demo.state;
    wellfile::OpenWell& well = s.well.file;
    well.drilling = true;
    QuietLinks links;
    drilling::DrillingPeers peers;
    peers.box = &links;
    peers.files = &links;
    peers.lag = &links;
    drilling::DrillingHost drillingHost(s, peers);
    long long rows = 0;  // the new rows the view drew
    s.view.rowsChanged = [&](const app::ChangedRows& c) {
        demo.view.RepaintRows(s, c.firstDepth, c.rows, c.parts, c.customMode);
        ++rows;
    };
    auto driller = std::make_unique<drilling::Driller>(drillingHost, wits::MakeWitsAlarmHost(s));
    driller->Start(s.well.config);
    drilling::AttachDriller(s, driller.get());
    s.witsLink.drivesDrillingStatus = true;
    s.witsLink.depthTracking = true;

    const app::WellServices services;
    wits::WitsHost host(s, services);
    wits::Wits engine(host, wits::MakeWitsAlarmHost(s));
    wits::WitsFrames frames = engine.Frames();
    frames.firstFrame = false;
    engine.SetFrames(frames);
    wits::WitsDepth depth = engine.Depth();
    depth.trackedDepth = well.fileBottomDepth;
    engine.SetDepth(depth);
    wits::FrameReader reader(engine);
    QDir().mkpath(platform::JoinPath(well.dataFolder, QStringLiteral("wits")));

    // One frame: true when it appended the next depth.
    const auto step = [&] {
        const int next = well.fileBottomDepth + 1;
        well.viewTopDepth = next - 20;  // the new row in view, as the window scrolls to follow the bottom
        reader.Feed(FrameAt(next));
        driller->Time()->unitSeconds = 60;  // the unit took a minute
        if (driller->Steps().stepPending)
            driller->Update();
        return well.fileBottomDepth == next;
    };
    // The first step draws: the backing store changes.
    const QImage before = demo.bitmaps.backingStore.copy();
    if (!step() || demo.bitmaps.backingStore == before) {
        st.SkipWithError("the first frame did not draw a new row");
        return;
    }
    for (auto _ : st) {
        if (!step()) {
            st.SkipWithError("the frame did not make a step");
            break;
        }
    }
    st.counters["rows"] = double(rows);
    drilling::AttachDriller(s, nullptr);
}
BENCHMARK(BM_WitsFrameToDrawnRow)->Unit(benchmark::kMillisecond);

// One step of WITS gas booked at the lag depth of a 10,000-record well: ten records read and written
// back, the records in memory brought up to date, a gas record appended and the row drawn into the
// backing store. The demo well's layout, its data file grown to 10,000 records without gas past the
// demo's own.
void BM_BookWitsStep(benchmark::State& st)
{
    constexpr int kRecords = 10000;
    DemoView demo;
    if (!OpenDemo(demo, st))
        return;
    app::LogState& s = *demo.state;
    wellfile::OpenWell& well = s.well.file;
    std::vector<wellfile::RECORD> rows(std::size_t(kRecords) + 1);
    const int have = wellfile::ReadRecords(well, rows, well.dataFileName, 0, kRecords);
    for (int i = have; i < kRecords; ++i) {
        wellfile::RECORD r = rows[std::size_t(have - 1)];
        r.depth = well.fileTopDepth + i;
        std::fill(std::begin(r.gas), std::end(r.gas), 0.0f);
        std::fill(std::begin(r.halfGas), std::end(r.halfGas), 0.0f);
        rows[std::size_t(i)] = r;
    }
    QFile file(well.dataFileName);
    const qint64 bytes = qint64(kRecords) * wellfile::kRecordSize;
    if (have < 1 || !file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(rows.data()), bytes) != bytes) {
        st.SkipWithError("the data file could not be grown");
        return;
    }
    file.close();
    well.fileBottomDepth = well.fileTopDepth + kRecords - 1;
    wellfile::ReadAllRecords(well);
    QDir().mkpath(platform::JoinPath(well.dataFolder, QStringLiteral("gas")));
    s.well.lastBookedDepth = 0;

    const app::WellServices services;
    wits::WitsHost host(s, services);
    logview::ListenForChangedRows(s, demo.view);
    wits::Wits engine(host, wits::MakeWitsAlarmHost(s));
    wits::WitsGas halves = engine.Gas();
    halves.firstHalf = {0, 40, 10, 5, 2, 1};
    halves.secondHalf = {0, 60, 15, 8, 3, 2};
    engine.SetGas(halves);

    std::int32_t lag = well.fileTopDepth + have + 10;
    const auto book = [&] {
        well.viewTopDepth = lag - 30;  // the row in view
        s.witsLink.gasMaxima[0] = 120;
        s.witsLink.co2Maximum = 2;
        return engine.StoreDepthStep(float(lag++) + 0.4f);
    };
    const QImage before = demo.bitmaps.backingStore.copy();
    if (!book() || demo.bitmaps.backingStore == before) {
        st.SkipWithError("the first booking did not draw its row");
        return;
    }
    for (auto _ : st) {
        if (lag >= well.fileBottomDepth || !book()) {
            st.SkipWithError("the step was not booked");
            break;
        }
    }
}
BENCHMARK(BM_BookWitsStep)->Unit(benchmark::kMillisecond)->Iterations(2000);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
