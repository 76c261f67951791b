// SPDX-License-Identifier: GPL-3.0-or-later
// Import of full dated histories and the integrity analysis of a full history file, next to the time it
// takes to copy the same bytes into a new file and flush them to the disk once.

#include "bench/BenchHistories.h"
#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace vantorel;
using bench::DateOf;
using bench::FirstRunSettings;
using bench::FullHistory;
using bench::Padded;
using bench::Steady;

// An import file of `drawings` dated drawings of `numbers` numbers each, written as official exports do
// (zero-padded).
std::string DatedImportFile(int drawings, int numbers, int highest) {
    std::string text;
    for (int drawing = 0; drawing < drawings; ++drawing) {
        text += DateOf(drawing);
        for (int number = 0; number < numbers; ++number) {
            const int value = (drawing * 7 + number * 13) % highest + (numbers == 1 ? 0 : 1);
            text += ' ' + Padded(value, numbers == 1 ? 3 : 2);
        }
        text += '\n';
    }
    return text;
}

void RunImport(benchmark::State& state, int gameType, int drawings, int numbers, int highest) {
    const test::TempWorkingDir directory;
    const std::string text = DatedImportFile(drawings, numbers, highest);
    test::WriteFile("import.txt", text);
    const GameSettings settings = FirstRunSettings();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(std::string(kHistoryFileName));
        state.ResumeTiming();
        const Outcome<ChangeOutcome> imported = ImportNew("import.txt", gameType, true, {}, false, settings);
        if (imported.refused() || *imported != ChangeOutcome::kReplaced) {
            state.SkipWithError("import failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_ImportDatedThreeNumber(benchmark::State& state) {
    RunImport(state, kThreeNumber, kDigitCapacity, 1, 1000);
}
BENCHMARK(BM_ImportDatedThreeNumber)->Unit(benchmark::kMillisecond)->Apply(Steady);

void BM_ImportDatedFiveNumber(benchmark::State& state) {
    RunImport(state, kFiveNumber, kFiveNumberCapacity, 5, 26);
}
BENCHMARK(BM_ImportDatedFiveNumber)->Unit(benchmark::kMillisecond)->Apply(Steady);

// Reads the import file and writes its bytes to a new file, flushed to the disk once: the least that any
// import of that file has to do.
void RunCopyAndFlush(benchmark::State& state, int drawings, int numbers, int highest) {
    const test::TempWorkingDir directory;
    const std::string text = DatedImportFile(drawings, numbers, highest);
    test::WriteFile("import.txt", text);
    std::string content(text.size(), '\0');
    for (auto _ : state) {
        std::FILE* source = std::fopen("import.txt", "rb");
        const std::size_t read = std::fread(content.data(), 1, content.size(), source);
        std::fclose(source);
        std::FILE* copy = std::fopen("copy.txt", "wb");
        std::fwrite(content.data(), 1, read, copy);
        std::fflush(copy);
        ::fsync(::fileno(copy));
        std::fclose(copy);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_CopyAndFlushThreeNumberFile(benchmark::State& state) {
    RunCopyAndFlush(state, kDigitCapacity, 1, 1000);
}
BENCHMARK(BM_CopyAndFlushThreeNumberFile)->Unit(benchmark::kMillisecond)->Apply(Steady);

void BM_CopyAndFlushFiveNumberFile(benchmark::State& state) {
    RunCopyAndFlush(state, kFiveNumberCapacity, 5, 26);
}
BENCHMARK(BM_CopyAndFlushFiveNumberFile)->Unit(benchmark::kMillisecond)->Apply(Steady);

void BM_AnalyseFullHistory(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const GameSettings settings = FirstRunSettings();
    const std::string history = FullHistory(settings);
    test::WriteFile(std::string(kHistoryFileName), history);
    CheckTable table;
    for (auto _ : state) {
        table = AnalyseHistoryFile(settings).value();
        benchmark::DoNotOptimize(table.records.data());
    }
    if (ShowAnalysisReport(table).size() != kSectionCount) {
        state.SkipWithError("the full history should be free of errors");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * history.size()));
}
BENCHMARK(BM_AnalyseFullHistory)->Unit(benchmark::kMillisecond)->Apply(Steady);

} // namespace
