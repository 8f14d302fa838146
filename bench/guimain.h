#pragma once
// The main of the benchmarks that draw: fonts and hatch tables need a GUI application, and no display is used.
// Benchmarks that run dialogs or the print loop's abort box pass QApplication.
#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include <cstdlib>

template <class Application = QGuiApplication>
int RunBenchmarksWithGui(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
