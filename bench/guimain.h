#pragma once
// The main of the benchmarks that draw: fonts and hatch tables need a GUI application, and no display is used.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

inline int RunBenchmarksWithGui(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
