// SPDX-License-Identifier: GPL-3.0-or-later
// Every digit-game operation (with its result lines) on a full 3649-drawing table of each game, the
// comparison with a 1000-pick file, and the reads they are measured against: the section, and the
// section with the pick file.

#include "bench/BenchHistories.h"
#include "digit/DigitCompare.h"
#include "digit/DigitOperation.h"
#include "digit/DigitReports.h"
#include "platform/Clock.h"
#include "platform/PlainDecimal.h"
#include "tests/support/TestFiles.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>

namespace vantorel::bench {
namespace {

constexpr int kDrawings = DigitDrawTable::kCapacity;

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    return text.size() < 2 ? '0' + text : text;
}

// Ten years of plausible dates, 28 days a month.
std::string StoredDate(int drawing) {
    return TwoDigits(90 + drawing / 336 % 10) + '/' + TwoDigits(drawing / 28 % 12 + 1) + '/' +
           TwoDigits(drawing % 28 + 1);
}

int DrawnNumber(int game, int drawing) {
    return game == kThreeNumber ? drawing * 7919 % 1000 : drawing * 7919 % 10000;
}

// A full history file, the game's undated and dated sections made of its own drawings.
std::string FullHistory(int game) {
    std::string undated = std::to_string(SectionNumber(game, false)) + ' ' + std::to_string(kDrawings);
    std::string dated = std::to_string(SectionNumber(game, true)) + ' ' + std::to_string(kDrawings);
    for (int i = 0; i < kDrawings; ++i) {
        undated += ' ' + std::to_string(DrawnNumber(game, i));
        dated += ' ' + StoredDate(i) + ' ' + std::to_string(DrawnNumber(game, i));
    }
    return FullHistoryWith(FirstRunSettings(), {undated + "\r\n", dated + "\r\n"});
}

std::string PickFile(int game) {
    std::string picks;
    for (int i = 0; i < kPickFileLimit; ++i) {
        picks += std::to_string(game == kThreeNumber ? i : i * 7) + "\r\n";
    }
    return picks;
}

const char* GameName(int game) {
    return game == kThreeNumber ? "3Number" : "4Number";
}

// A working directory holding the game's history and pick file, and the game's tables read from it.
struct Fixture {
    explicit Fixture(int game) : undated(SectionNumber(game, false)), dated(SectionNumber(game, true)) {
        test::WriteFile("vtrmain.dat", FullHistory(game));
        test::WriteFile("picks.txt", PickFile(game));
        undated.Load();
        dated.Load();
    }
    test::TempWorkingDir dir;
    DigitDrawTable undated;
    DigitDrawTable dated;
};

void ReadSection(benchmark::State& state, int game) {
    const Fixture fixture(game);
    for (auto _ : state) {
        DigitDrawTable table(SectionNumber(game, true));
        benchmark::DoNotOptimize(table.Load());
        benchmark::DoNotOptimize(table.numbers.data());
    }
}

void ReadSectionAndPickFile(benchmark::State& state, int game) {
    const Fixture fixture(game);
    for (auto _ : state) {
        DigitDrawTable table(SectionNumber(game, true));
        benchmark::DoNotOptimize(table.Load());
        std::ifstream file("picks.txt", std::ios::binary);
        std::vector<int> picks;
        std::string line;
        while (std::getline(file, line)) {
            picks.push_back(PlainDecimal(line));
        }
        benchmark::DoNotOptimize(picks.data());
    }
}

struct OperationCase {
    const char* name;
    Operation operation;
    std::vector<int> choices;
    std::string numberText;
    std::string fromText;
    std::string toText;
};

const std::vector<OperationCase>& OperationCases() {
    static const std::vector<OperationCase> cases = {
        {"Distribution", kDistribution, {}, "", "", ""},
        {"EvenOddBalls", kEvenOdd, {kEvenOddCountBalls}, "", "", ""},
        {"HighLowNumbers", kHighLow, {}, "", "", ""},
        {"Totals", kTotals, {}, "", "", ""},
        {"OverdueBalls", kOverdue, {}, "", "", ""},
        {"OverdueNumbers", kOverdue, {kPredictUseNumbers}, "", "", ""},
        {"HottestNumbers", kHottest, {kPredictUseNumbers}, "", "", ""},
        {"HottestByDay", kHottest, {kPredictByDay}, "3", "", ""},
        {"HottestByMonth", kHottest, {kPredictByMonth}, "7", "", ""},
        {"HottestByDateRange", kHottest, {kPredictByDateRange}, "", "1/1/91", "12/28/95"},
        {"Random", kRandom, {}, "", "", ""},
        {"BestGuessPessimistic", kBestGuess, {}, "", "", ""},
        {"BestGuessOptimistic", kBestGuess, {kBestGuessOptimistic}, "", "", ""},
        {"BestGuessNihilistic", kBestGuess, {kBestGuessNihilistic}, "", "", ""},
        {"Date", kDateSearch, {}, "12/28/99", "", ""},
        {"DateRange", kDateRangeSearch, {}, "", "01/01/90", "12/28/99"},
        {"NumberBox", kNumberSearch, {kSearchBox}, "123", "", ""},
        {"NumberStraight", kNumberSearch, {}, "123", "", ""},
        {"NumberRange", kNumberRangeSearch, {}, "", "0", "99999"},
    };
    return cases;
}

DigitOperationRequest RequestOf(const OperationCase& c) {
    DigitOperationRequest request;
    request.operation = c.operation;
    request.numberText = c.numberText;
    request.fromText = c.fromText;
    request.toText = c.toText;
    for (const int choice : c.choices) {
        request.setupChoices.Choose(choice);
    }
    return request;
}

// One operation on the dated table, as a page applies it.
void Operation(benchmark::State& state, int game, const OperationCase& c) {
    const Fixture fixture(game);
    const DigitHistories tables{fixture.undated, fixture.dated};
    const DigitOperationRequest request = RequestOf(c);
    const FixedClock clock(1234567);
    for (auto _ : state) {
        const Outcome<DigitOperationResult> result = ApplyDigitOperation(tables, request, clock);
        benchmark::DoNotOptimize(&result);
    }
}

// One operation and the lines it adds to the result list (the chart operations add none), as
// vantorel-cli runs it.
void OperationWithLines(benchmark::State& state, int game, const OperationCase& c) {
    const Fixture fixture(game);
    const DigitHistories tables{fixture.undated, fixture.dated};
    const DigitOperationRequest request = RequestOf(c);
    const FixedClock clock(1234567);
    for (auto _ : state) {
        const Outcome<DigitOperationResult> result = ApplyDigitOperation(tables, request, clock);
        Notices notices;
        const ReportLines lines =
            DigitResultLines(request.operation, game, true, request.setupChoices, tables, *result, notices);
        benchmark::DoNotOptimize(lines.text().data());
    }
}

void Compare(benchmark::State& state, int game) {
    const Fixture fixture(game);
    for (auto _ : state) {
        const Outcome<std::string> report = ComparePickFile(fixture.dated, "picks.txt");
        benchmark::DoNotOptimize(report->data());
    }
}

void RegisterAll() {
    for (const int game : {kThreeNumber, kFourNumber}) {
        const std::string prefix = std::string("BM_") + GameName(game) + '_';
        Steady(benchmark::RegisterBenchmark((prefix + "ReadSection").c_str(), ReadSection, game));
        Steady(benchmark::RegisterBenchmark((prefix + "ReadSectionAndPickFile").c_str(),
                                            ReadSectionAndPickFile, game));
        Steady(benchmark::RegisterBenchmark((prefix + "ComparePickFile").c_str(), Compare, game));
        for (const OperationCase& c : OperationCases()) {
            Steady(benchmark::RegisterBenchmark((prefix + c.name).c_str(), Operation, game, c));
            Steady(benchmark::RegisterBenchmark((prefix + c.name + "_WithLines").c_str(), OperationWithLines,
                                                game, c));
        }
    }
}

const bool registered = (RegisterAll(), true);

} // namespace
} // namespace vantorel::bench
