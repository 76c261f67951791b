// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What makes the benchmarks' figures repeatable: an allocator that keeps the memory it was given, and
// several repetitions of each benchmark reported by their best CPU time.

#include <benchmark/benchmark.h>

namespace vantorel::bench {

// Keeps freed memory in the heap instead of giving it back (and large blocks in the heap instead of
// mapping them anew), so that an iteration does not pay for the heap shrinking and growing again.
void SettleAllocator();

// Five repetitions of the benchmark, reported as their minimum, median and mean; read the CPU column of
// the "_min" line. For BENCHMARK(...)->Apply(Steady) and Steady(RegisterBenchmark(...)).
void Steady(benchmark::internal::Benchmark* benchmark);

} // namespace vantorel::bench
