// Benchmarks that time each run themselves (manual time): the median and the
// worst run as counters, the figures the notes quote.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

// Counts samples (milliseconds) as medianName and worst_ms; nothing without.
inline void CountMedianAndWorst(benchmark::State& state, std::vector<double> samples,
                                const char* medianName) {
    if (samples.empty()) {
        return;
    }
    std::sort(samples.begin(), samples.end());
    state.counters[medianName] = samples[samples.size() / 2];
    state.counters["worst_ms"] = samples.back();
}
