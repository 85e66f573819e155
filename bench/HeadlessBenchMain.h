// The main of a benchmark that needs no display: wx base only, for the
// document and its data source.
#pragma once

#include <benchmark/benchmark.h>

#include <wx/init.h>

inline int RunHeadlessBenchmarks(int argc, char** argv) {
    wxInitializer init;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
