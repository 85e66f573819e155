// The main of a benchmark that needs the GUI toolkit on a display (real
// windows, or drawing on bitmaps): run it under xvfb-run or on a desktop.
#pragma once

#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/init.h>

#include <cstdio>
#include <functional>

// beforeCleanup runs after the benchmarks, while the toolkit still lives.
inline int RunGuiBenchmarks(int argc, char** argv, const char* name,
                            const std::function<void()>& beforeCleanup = {}) {
    wxApp::SetInstance(new wxApp);  // wx owns the application object
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "%s: no display (run it under xvfb-run)\n", name);
        return 1;
    }
    wxTheApp->CallOnInit();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (beforeCleanup) {
        beforeCleanup();
    }
    wxEntryCleanup();
    return 0;
}
