// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a published results file of 2,000 Power Ball drawings into a full-size history, next to the
// import of the same drawings written as an import file (new section and append), and the weekly update:
// the same file with five new lines, and again with nothing new.

#include "bench/BenchHistories.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/ResultsImport.h"
#include "tests/support/TestFiles.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>

namespace {

using namespace vantorel;
using bench::Steady;
namespace chrono = std::chrono;

constexpr int kFileDrawings = 2000;
constexpr int kNewDrawings = 5;

// Twice a week from November 1997 on, as the Power Ball game was drawn.
chrono::year_month_day DrawingDay(int drawing) {
    return chrono::sys_days{chrono::year{1997} / 11 / 1} + chrono::days{drawing / 2 * 7 + drawing % 2 * 3};
}

std::string Ball(int drawing, int ball, int highest) {
    return std::to_string((drawing * 7 + ball * 11) % highest + 1);
}

// The file as the lottery publishes it, newest first: a header, four-digit years, the first group
// between bars, the power ball and the multiplier.
std::string PublishedFile(int drawings) {
    std::string text = "date,white_balls,red_ball,power_play\n";
    for (int drawing = drawings - 1; drawing >= 0; --drawing) {
        const chrono::year_month_day day = DrawingDay(drawing);
        text += bench::Padded(static_cast<int>(static_cast<unsigned>(day.month())), 2) + '/' +
                bench::Padded(static_cast<int>(static_cast<unsigned>(day.day())), 2) + '/' +
                std::to_string(static_cast<int>(day.year())) + ',';
        for (int ball = 0; ball < 5; ++ball) {
            if (ball > 0) {
                text += '|';
            }
            text += Ball(drawing, ball, 49);
        }
        text += ',' + Ball(drawing, 5, 42) + ",2X\n";
    }
    return text;
}

// The same drawings as an import file: oldest first, "mm/dd/yy" and the six numbers.
std::string DescribedImportFile(int drawings) {
    std::string text;
    for (int drawing = 0; drawing < drawings; ++drawing) {
        const chrono::year_month_day day = DrawingDay(drawing);
        text += bench::Padded(static_cast<int>(static_cast<unsigned>(day.month())), 2) + '/' +
                bench::Padded(static_cast<int>(static_cast<unsigned>(day.day())), 2) + '/' +
                bench::Padded(static_cast<int>(day.year()) % 100, 2);
        for (int ball = 0; ball < 5; ++ball) {
            text += ' ' + Ball(drawing, ball, 49);
        }
        text += ' ' + Ball(drawing, 5, 42) + '\n';
    }
    return text;
}

std::string ReadBack(const std::string& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

bool Wrote(const Outcome<ChangeOutcome>& change) {
    return !change.refused() && *change == ChangeOutcome::kReplaced;
}
bool Wrote(const Outcome<ResultsImported>& imported) {
    return !imported.refused() && imported->change == ChangeOutcome::kReplaced;
}

// Runs `import` on a fresh copy of `history` in each iteration; the copy is laid out untimed.
template <typename Import>
void RunOnHistory(benchmark::State& state, const std::string& history, Import import) {
    for (auto _ : state) {
        state.PauseTiming();
        test::WriteFile(std::string(kHistoryFileName), history);
        state.ResumeTiming();
        if (!Wrote(import())) {
            state.SkipWithError("import failed");
            break;
        }
    }
}

void BM_ResultsImportIntoFullHistory(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const GameSettings settings = bench::FirstRunSettings();
    test::WriteFile("results.csv", PublishedFile(kFileDrawings));
    RunOnHistory(state, bench::FullHistory(settings, {9}),
                 [&] { return ImportResults("results.csv", kPowerball, {}, {}, settings, {}); });
}
BENCHMARK(BM_ResultsImportIntoFullHistory)->Unit(benchmark::kMillisecond)->Apply(Steady);

void BM_DescribedImportNewIntoFullHistory(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const GameSettings settings = bench::FirstRunSettings();
    test::WriteFile("import.txt", DescribedImportFile(kFileDrawings));
    RunOnHistory(state, bench::FullHistory(settings, {9}),
                 [&] { return ImportNew("import.txt", kPowerball, true, {}, false, settings); });
}
BENCHMARK(BM_DescribedImportNewIntoFullHistory)->Unit(benchmark::kMillisecond)->Apply(Steady);

void BM_DescribedImportAppendIntoFullHistory(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const GameSettings settings = bench::FirstRunSettings();
    test::WriteFile("import.txt", DescribedImportFile(kFileDrawings));
    RunOnHistory(state, bench::FullHistory(settings, {9}) + "9 0\r\n",
                 [&] { return ImportAppend("import.txt", kPowerball, true, {}, false, settings); });
}
BENCHMARK(BM_DescribedImportAppendIntoFullHistory)->Unit(benchmark::kMillisecond)->Apply(Steady);

// The history after the 2,000 drawings were imported, and this week's file.
std::string ImportedHistory(const GameSettings& settings) {
    test::WriteFile(std::string(kHistoryFileName), bench::FullHistory(settings, {9}));
    test::WriteFile("results.csv", PublishedFile(kFileDrawings));
    static_cast<void>(ImportResults("results.csv", kPowerball, {}, {}, settings, {}));
    return ReadBack(std::string(kHistoryFileName));
}

void BM_ResultsUpdateWithFiveNewLines(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const GameSettings settings = bench::FirstRunSettings();
    const std::string imported = ImportedHistory(settings);
    test::WriteFile("results.csv", PublishedFile(kFileDrawings + kNewDrawings));
    RunOnHistory(state, imported,
                 [&] { return ImportResults("results.csv", kPowerball, {}, {}, settings, {}); });
}
BENCHMARK(BM_ResultsUpdateWithFiveNewLines)->Unit(benchmark::kMillisecond)->Apply(Steady);

// Nothing new: the history is read and compared, and not rewritten.
void BM_ResultsUpdateWithNothingNew(benchmark::State& state) {
    const test::TempWorkingDir directory;
    const GameSettings settings = bench::FirstRunSettings();
    ImportedHistory(settings);
    for (auto _ : state) {
        const Outcome<ResultsImported> imported =
            ImportResults("results.csv", kPowerball, {}, {}, settings, {});
        if (imported.refused() || imported->change != ChangeOutcome::kUnchanged) {
            state.SkipWithError("import failed");
            break;
        }
    }
}
BENCHMARK(BM_ResultsUpdateWithNothingNew)->Unit(benchmark::kMillisecond)->Apply(Steady);

} // namespace
