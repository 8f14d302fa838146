// The WITS history chart's day: read a full daily WITS file (14,400 samples) and draw the whole chart
// image (grid, eight curves and their labels) with the default settings.
#include "guimain.h"
#include "platform/draw/dc.h"
#include "wits/chartsettings.h"
#include "wits/dailyfile.h"
#include "wits/draw/chartimage.h"

#include <QDate>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// A drilled day: the hole deepens 1 unit every 50 samples, values wander over their scales.
QByteArray DayFile()
{
    std::vector<wellfile::WITSRECORD> day(wellfile::kSlotsPerDay);
    const QDate date(2026, 1, 15);
    for (int i = 0; i < wellfile::kSlotsPerDay; ++i) {
        wellfile::WITSRECORD s = wits::PresetRecord(date, i);
        const double t = i / 300.0;
        s.holeDepth = float(2000 + i / 50);
        s.bitDepth = s.holeDepth;
        s.lagDepth = 1990 + i / 50;
        s.wob = std::uint16_t(50 + 40 * std::sin(t));
        s.rpm = std::uint16_t(100 + 80 * std::cos(t));
        s.spm1 = std::uint16_t(60 + 20 * std::sin(t / 3));
        s.spm2 = s.spm1;
        s.pumpPressure = std::uint16_t(2000 + 1500 * std::sin(t / 2));
        s.flow = std::uint16_t(100 + 90 * std::sin(t * 2));
        s.pitVolume = float(1500 + 1000 * std::cos(t / 5));
        s.torque = std::uint16_t(500 + 400 * std::sin(t * 3));
        s.totalGas = float(1000 + 900 * std::sin(t / 7));
        day[std::size_t(i)] = s;
    }
    return QByteArray(reinterpret_cast<const char*>(day.data()), qsizetype(day.size() * sizeof(wellfile::WITSRECORD)));
}

void BM_ReadAndDrawDay(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("ALPHA@1-15-26.wit");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(DayFile()) != wellfile::kDailyFileSize) {
        state.SkipWithError("cannot write the day file");
        return;
    }
    f.close();
    wits::WITSCHARTCFG record;
    wits::ChartBlocks blocks;
    wits::LoadSettings(dir.filePath("ALPHA.wfg"), 10, platform::RECT{0, 0, 1200, 900}, record, blocks);
    QImage image = wits::MakeChartImage(blocks);
    platform::Dc dc(image);
    for (auto _ : state) {
        const auto samples = wits::ReadDailyFile(path);
        const auto range = wits::DrawChartImage(dc, blocks, samples->data(), int(samples->size()), 10);
        benchmark::DoNotOptimize(range);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_ReadAndDrawDay)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
