// SPDX-License-Identifier: GPL-3.0-or-later
// Reading full sections from a full history file: the yardstick the operations of the games are measured
// against.

#include "bench/BenchHistories.h"
#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "tests/support/TestFiles.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace vantorel::bench {
namespace {

std::string StoredDate(int drawing) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d/%02d/%02d", 90 + drawing / 336 % 10, drawing / 28 % 12 + 1,
                  drawing % 28 + 1);
    return date;
}

std::string FullDatedDigitSection() {
    std::string line = "1 3649";
    for (int i = 0; i < 3649; ++i) {
        line += ' ' + StoredDate(i) + ' ' + std::to_string(i * 7919 % 1000);
    }
    return line + "\r\n";
}

std::string FullDatedFiveNumberSection() {
    std::string line = "5 2599";
    for (int i = 0; i < 2599; ++i) {
        line += ' ' + StoredDate(i);
        for (int ball = 0; ball < 5; ++ball) {
            line += ' ' + std::to_string((i * 13 + ball * 5) % 26 + 1);
        }
    }
    return line + "\r\n";
}

void BM_ReadDated3NumberSection(benchmark::State& state) {
    const test::TempWorkingDir dir;
    test::WriteFile("vtrmain.dat", FullHistoryWith(FirstRunSettings(), {FullDatedDigitSection()}));
    for (auto _ : state) {
        DigitDrawTable table(1);
        benchmark::DoNotOptimize(table.Load());
        benchmark::DoNotOptimize(table.numbers.data());
    }
}
BENCHMARK(BM_ReadDated3NumberSection)->Apply(Steady);

void BM_ReadDated5NumberSection(benchmark::State& state) {
    const test::TempWorkingDir dir;
    const std::string section = FullDatedFiveNumberSection();
    state.counters["bytes"] = static_cast<double>(section.size());
    test::WriteFile("vtrmain.dat", FullHistoryWith(FirstRunSettings(), {section}));
    for (auto _ : state) {
        LottoDrawTable table(5);
        benchmark::DoNotOptimize(table.Load());
        benchmark::DoNotOptimize(table.numbers.data());
    }
}
BENCHMARK(BM_ReadDated5NumberSection)->Apply(Steady);

} // namespace
} // namespace vantorel::bench
