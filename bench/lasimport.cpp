// The e-log import of a 100,000-line LAS file with 20 curves (about 18 MB): the file read and the new
// curve file built from it, beside a plain read of the same file, so the figure shows what parsing
// costs over the disk.
#include "elog/lasread.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

namespace {

constexpr int kLines = 100000;
constexpr int kCurves = 20;

// A wireline file sampled every 0.1524 units from 1000, 20 curves of 10-character values.
std::string MakeLas()
{
    std::string text = "~Version\nVERS. 2.0 :\nWRAP. NO :\n~Well\nSTRT.F 1000 :\nSTOP.F 16240 :\nSTEP.F 0.1524 :\n"
                       "NULL. -999.25 :\n~Curve\nDEPT.F :\n";
    for (int c = 1; c <= kCurves; ++c)
        text += "C" + std::to_string(c) + ".U :\n";
    text += "~A\n";
    char buf[32];
    for (int i = 0; i < kLines; ++i) {
        const auto put = [&](double v) {
            const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 4);
            text.append(10 - std::min<std::size_t>(10, std::size_t(r.ptr - buf)), ' ');
            text.append(buf, r.ptr);
        };
        put(1000 + i * 0.1524);
        for (int c = 1; c <= kCurves; ++c)
            put(double((i * 7 + c * 13) % 1000) * 0.1 + c);
        text += '\n';
    }
    return text;
}

struct LasFile {
    QTemporaryDir dir;
    QString path;
    std::size_t size = 0;
    LasFile()
    {
        path = dir.filePath(QStringLiteral("big.las"));
        const std::string text = MakeLas();
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text.data(), qint64(text.size()));
        size = text.size();
    }
    std::string Read() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
};

void BM_ImportLas(benchmark::State& state)
{
    const LasFile file;
    elog::LasImportInput in;
    for (auto _ : state) {
        const std::string text = file.Read();
        elog::LasHeaderExtra extra;
        if (elog::ReadLasHeaderText(text, file.path, in.header, extra) != elog::kLasRead)
            state.SkipWithError("header refused");
        for (int t = 1; t <= elog::kElogTargets; ++t)
            in.map[t] = t + 1;
        const elog::LasImportResult r = elog::BuildCurveFile(text, in);
        benchmark::DoNotOptimize(r.bytes.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size));
    state.counters["file_MB"] = double(file.size) / 1e6;
}
BENCHMARK(BM_ImportLas)->Unit(benchmark::kMillisecond);

// The same file read whole, nothing parsed.
void BM_ReadLasBytes(benchmark::State& state)
{
    const LasFile file;
    for (auto _ : state) {
        const std::string text = file.Read();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(file.size));
}
BENCHMARK(BM_ReadLasBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
