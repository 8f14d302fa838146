// The real-time gas chart: read a full day chart file (43,200 samples) and draw an 800-sample window of it
// (grid, HW, channel-4 and Chrom traces, time, depth and lag labels, cycle marks) into a 1280 x 1000 image.
#include "gasmon/chartfile.h"
#include "gasmon/chartview.h"
#include "gasmon/draw/gaschart.h"
#include "guimain.h"
#include "layout/pentable.h"
#include "platform/draw/dc.h"

#include <QDate>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

// A drilled day: a depth every 60 samples, the lag 40 behind, gas wandering over the scale and
// chromatograph cycles of 150 samples in seven component windows.
QByteArray DayFile()
{
    std::vector<gasmon::CHARTRECORD> day(gasmon::kChartSlotsPerDay);
    const QDate date(2026, 1, 15);
    for (int i = 0; i < gasmon::kChartSlotsPerDay; ++i) {
        gasmon::CHARTRECORD s = gasmon::PresetChartRecord(date, i);
        const double t = i / 200.0;
        s.depth = std::uint16_t(2000 + i / 60);
        s.lagDepth = std::uint16_t(1960 + i / 60);
        s.hotWire = float(120 + 100 * std::sin(t));
        s.chromat = float(60 + 50 * std::cos(t * 3));
        s.index = std::uint16_t(1 + i % 150 / 22);
        s.cycleEnd = i % 150 >= 140 ? 1 : 0;
        s.channel4 = std::uint16_t(30 + 20 * std::sin(t / 2));
        day[std::size_t(i)] = s;
    }
    return QByteArray(reinterpret_cast<const char*>(day.data()), qsizetype(gasmon::kChartDayFileSize));
}

void BM_ReadAndDrawWindow(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ALPHA@1-15-26.cht");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(DayFile()) != gasmon::kChartDayFileSize) {
        state.SkipWithError("cannot write the day file");
        return;
    }
    f.close();
    layout::PenTable table{};
    for (int i = 0; i < 7; ++i)
        table.entry[i].colour = platform::RGB(40 * i, 255 - 30 * i, 100);
    const gasmon::ChartPens pens = gasmon::MakeChartPens(table, 0);
    QImage image(1280, 1000, QImage::Format_RGB32);
    std::vector<gasmon::CHARTRECORD> day(gasmon::kChartDaySlots);
    for (auto _ : state) {
        const int read = gasmon::ReadChartFile(gasmon::ChartPlace{}, day, 0, gasmon::kChartSlotsPerDay, path);
        platform::Dc dc(image);
        const gasmon::ChartFrame frame{day, read, 30000, 2, 1, false, true, gasmon::ChartGeometryOf(1280, 1000)};
        const gasmon::ChartDrawn drawn = gasmon::PaintChart(dc, frame, pens);
        gasmon::DrawScaleLabels(dc, frame.geometry, frame.scaleIndex);
        benchmark::DoNotOptimize(drawn);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReadAndDrawWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
