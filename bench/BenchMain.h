#pragma once
// The main() of the Google Benchmark programs that need a Qt application
// object App (QGuiApplication, QApplication). They run without a display
// unless QT_QPA_PLATFORM names a platform.
#include <QByteArray>
#include <benchmark/benchmark.h>

template <typename App> int RunBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
