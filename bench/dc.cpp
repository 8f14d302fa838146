// Drawing speed of the Dc on the screen's backing store: a frame composed from one-row strips, and a
// long curve drawn with a 2-px pen.
#include "guimain.h"
#include "platform/draw/dc.h"

#include <QGuiApplication>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <vector>

using namespace platform;

namespace {

constexpr int kWidth = 1920, kHeight = 1080;

void FrameFromStrips(benchmark::State& state)
{
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    frame.fill(0xFFFFFFFFu);
    std::vector<QImage> strips;
    for (int i = 0; i < 8; ++i) {
        QImage s(kWidth, 1, QImage::Format_RGB32);
        s.fill(0xFF000000u | (0x202020u * i));
        strips.push_back(s);
    }
    Dc dc(frame);
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y)
            dc.BitBlt(0, y, kWidth, 1, strips[std::size_t(y) % strips.size()], 0, 0, SRCCOPY);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kHeight);
    state.SetBytesProcessed(state.iterations() * qint64(kWidth) * kHeight * 4);
}
BENCHMARK(FrameFromStrips)->Unit(benchmark::kMillisecond);

// A log curve of 2,000 segments: down the screen, wandering across a track, drawn with a pen of `width`.
void DrawCurve(benchmark::State& state, int width)
{
    QImage frame(kWidth, kHeight, QImage::Format_RGB32);
    frame.fill(0xFFFFFFFFu);
    std::mt19937 rng(1);
    std::vector<POINT> curve;
    for (int i = 0; i <= 2000; ++i)
        curve.push_back({200 + int(rng() % 600), i * kHeight / 2000});
    Dc dc(frame);
    if (width > 1)
        dc.SelectObject(Pen(RGB(255, 0, 0), width));
    for (auto _ : state) {
        dc.Polyline(curve.data(), int(curve.size()));
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 2000);
}

void Polyline2px(benchmark::State& state) { DrawCurve(state, 2); }
BENCHMARK(Polyline2px)->Unit(benchmark::kMillisecond);

void Polyline1px(benchmark::State& state) { DrawCurve(state, 1); }
BENCHMARK(Polyline1px)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
