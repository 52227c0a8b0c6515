#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>

// Like BENCHMARK_MAIN(), with the Qt application object the database drivers need.
#define KESVAR_QT_BENCHMARK_MAIN()                                                                 \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        QCoreApplication app(argc, argv);                                                          \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
