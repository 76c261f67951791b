// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics and the backtests of every game on full dated histories, next to reading the same section
// ("Load/<game>") and to the Distribution and Hottest operations on it. Compare "Stats/<game>" with
// "Distribution/<game>" and each "Backtest/<game>/..." with "Hottest/<game>"; Best Guess backtests replay
// the operation on every history so far and say what that costs.

#include "bench/BenchHistories.h"
#include "bench/SteadyBench.h"
#include "digit/DigitDrawTable.h"
#include "digit/DigitOperation.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/Clock.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "stats/Backtest.h"
#include "stats/HistoryStatistics.h"
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vantorel {
namespace {

using bench::Steady;

const FixedClock kClock(1700000000);

// A full dated section of random drawings, one every third day from 1990 on.
std::string DatedSection(int gameType, const GameSettings& settings) {
    RandomGenerator random(static_cast<std::uint32_t>(gameType) + 1);
    const int section = SectionNumber(gameType, true);
    const int drawings = CapacityOfGame(gameType);
    std::string line = std::to_string(section) + ' ' + std::to_string(drawings);
    for (int drawing = 0; drawing < drawings; ++drawing) {
        const int day = drawing * 3;
        line += ' ' + bench::Padded((90 + day / 336) % 100, 2) + '/' + bench::Padded(day / 28 % 12 + 1, 2) +
                '/' + bench::Padded(day % 28 + 1, 2);
        if (IsDigitGame(gameType)) {
            line += ' ' + std::to_string(random.Next() % (gameType == kThreeNumber ? 1000 : 10000));
            continue;
        }
        const int balls = gameType == kSixNumber ? 6 : 5;
        const int maximum = gameType == kFiveNumber  ? settings.fiveNumberMax
                            : gameType == kSixNumber ? settings.sixNumberMax
                                                     : settings.powerballGroup1Max;
        std::vector<int> drawn;
        while (static_cast<int>(drawn.size()) < balls) {
            const int ball = random.Next() % maximum + 1;
            if (std::find(drawn.begin(), drawn.end(), ball) == drawn.end()) {
                drawn.push_back(ball);
                line += ' ' + std::to_string(ball);
            }
        }
        if (gameType == kPowerball) {
            line += ' ' + std::to_string(random.Next() % settings.powerballGroup2Max + 1);
        }
    }
    return line + "\r\n";
}

void PrepareFiles() {
    static const test::TempWorkingDir directory;
    static const bool written = [] {
        const GameSettings settings = bench::FirstRunSettings();
        std::vector<std::string> lines;
        for (int gameType = 0; gameType < kGameCount; ++gameType) {
            lines.push_back(DatedSection(gameType, settings));
        }
        test::WriteFile(kHistoryFileName, bench::FullHistoryWith(settings, lines));
        return true;
    }();
    benchmark::DoNotOptimize(written);
}

// The dated table of a game, loaded as the operations load it.
struct Tables {
    DigitDrawTable digits{1};
    LottoDrawTable lotto{5};
    PowerballDrawTable powerball{true};

    void Load(int gameType) {
        if (IsDigitGame(gameType)) {
            digits = DigitDrawTable(SectionNumber(gameType, true));
            benchmark::DoNotOptimize(digits.Load());
        } else if (gameType == kPowerball) {
            benchmark::DoNotOptimize(powerball.Load(bench::FirstRunSettings().powerballBalls));
        } else {
            lotto = LottoDrawTable(SectionNumber(gameType, true));
            benchmark::DoNotOptimize(lotto.Load());
        }
    }
};

void Load(benchmark::State& state, int gameType) {
    PrepareFiles();
    for (auto _ : state) {
        Tables tables;
        tables.Load(gameType);
    }
}

// One operation as the command line runs it on the dated history (Distribution, Hottest).
void RunOperation(benchmark::State& state, int gameType, Operation operation) {
    PrepareFiles();
    Tables tables;
    tables.Load(gameType);
    const GameSettings settings = bench::FirstRunSettings();
    const SetupChoices choices;
    for (auto _ : state) {
        if (IsDigitGame(gameType)) {
            DigitOperationRequest request;
            request.operation = operation;
            benchmark::DoNotOptimize(ApplyDigitOperation({tables.digits, tables.digits}, request, kClock));
        } else if (gameType == kPowerball) {
            RandomGenerator random(1);
            const Outcome<LottoResult> result =
                ApplyPowerballOperation(operation, tables.powerball, {}, settings, choices, random);
            Notices notices;
            benchmark::DoNotOptimize(PowerballListLines(tables.powerball, *result, notices));
        } else {
            RandomGenerator random(1);
            const Outcome<LottoResult> result =
                ApplyLottoOperation(operation, tables.lotto, {}, settings, choices, random);
            Notices notices;
            benchmark::DoNotOptimize(LottoListLines(tables.lotto, *result, notices));
        }
    }
}

void Statistics(benchmark::State& state, int gameType) {
    PrepareFiles();
    Tables tables;
    tables.Load(gameType);
    const GameSettings settings = bench::FirstRunSettings();
    for (auto _ : state) {
        if (IsDigitGame(gameType)) {
            benchmark::DoNotOptimize(ComputeStatistics(tables.digits));
        } else if (gameType == kPowerball) {
            benchmark::DoNotOptimize(ComputeStatistics(tables.powerball, settings));
        } else {
            benchmark::DoNotOptimize(ComputeStatistics(tables.lotto, settings));
        }
    }
}

void RunBacktest(benchmark::State& state, int gameType, BacktestRequest request) {
    PrepareFiles();
    Tables tables;
    tables.Load(gameType);
    const GameSettings settings = bench::FirstRunSettings();
    request.plantedSeed = 7;
    for (auto _ : state) {
        if (IsDigitGame(gameType)) {
            benchmark::DoNotOptimize(Backtest(tables.digits, request, kClock));
        } else if (gameType == kPowerball) {
            benchmark::DoNotOptimize(Backtest(tables.powerball, settings, request, kClock));
        } else {
            benchmark::DoNotOptimize(Backtest(tables.lotto, settings, request, kClock));
        }
    }
}

BacktestRequest RequestOf(Operation operation, int choice) {
    BacktestRequest request;
    request.operation = operation;
    request.choices.Choose(choice);
    return request;
}

const bool registered = [] {
    const std::vector<std::pair<std::string, int>> games = {
        {"3", kThreeNumber}, {"4", kFourNumber}, {"5", kFiveNumber}, {"6", kSixNumber}, {"pb", kPowerball}};
    for (const auto& [name, gameType] : games) {
        Steady(benchmark::RegisterBenchmark(("Load/" + name).c_str(), Load, gameType));
        Steady(benchmark::RegisterBenchmark(("Distribution/" + name).c_str(), RunOperation, gameType,
                                            kDistribution));
        Steady(benchmark::RegisterBenchmark(("Hottest/" + name).c_str(), RunOperation, gameType, kHottest));
        Steady(benchmark::RegisterBenchmark(("Stats/" + name).c_str(), Statistics, gameType));
        const std::vector<std::pair<std::string, BacktestRequest>> backtests = {
            {"overdue", RequestOf(kOverdue, kPredictUseBalls)},
            {"hottest", RequestOf(kHottest, kPredictUseBalls)},
            {"random", RequestOf(kRandom, kPredictUseBalls)},
            {"best-guess/optimistic", RequestOf(kBestGuess, kBestGuessOptimistic)},
            {"best-guess/pessimistic", RequestOf(kBestGuess, kBestGuessPessimistic)},
            {"best-guess/nihilistic", RequestOf(kBestGuess, kBestGuessNihilistic)},
        };
        for (const auto& [operation, request] : backtests) {
            Steady(benchmark::RegisterBenchmark(("Backtest/" + name + '/' + operation).c_str(), RunBacktest,
                                                gameType, request));
        }
        if (IsDigitGame(gameType)) {
            Steady(benchmark::RegisterBenchmark(("Backtest/" + name + "/hottest-numbers").c_str(),
                                                RunBacktest, gameType,
                                                RequestOf(kHottest, kPredictUseNumbers)));
        }
    }
    return true;
}();

} // namespace
} // namespace vantorel
