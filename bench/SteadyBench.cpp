// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/SteadyBench.h"

#include <algorithm>
#include <malloc.h>
#include <vector>

namespace vantorel::bench {

void SettleAllocator() {
    constexpr int kKeptBytes = 256 << 20;
    mallopt(M_TRIM_THRESHOLD, kKeptBytes);
    mallopt(M_TOP_PAD, 16 << 20);
    mallopt(M_MMAP_THRESHOLD, kKeptBytes);
}

void Steady(benchmark::internal::Benchmark* benchmark) {
    constexpr int kRepetitions = 5;
    benchmark->Repetitions(kRepetitions)
        ->ReportAggregatesOnly(true)
        ->ComputeStatistics("min", [](const std::vector<double>& values) {
            return *std::min_element(values.begin(), values.end());
        });
}

} // namespace vantorel::bench

// Every benchmark program starts here: the allocator is settled before anything is measured.
int main(int argc, char** argv) {
    vantorel::bench::SettleAllocator();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
