// SPDX-License-Identifier: GPL-3.0-or-later
// Every 5 Number, 6 Number and Power Ball operation on full dated histories in a full history file, next
// to the time to read the same section from it. Compare each "Operation/<game>/..." time with
// "Load/<game>", and "Compare/<game>" with "LoadWithPicks/<game>" (the section and the pick file read).

#include "bench/BenchHistories.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "store/CalendarDates.h"
#include "store/HistoryFile.h"
#include "store/TextLines.h"
#include "tests/support/TestFiles.h"

#include "bench/SteadyBench.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace vantorel {
namespace {

using bench::DistinctBalls;
using bench::Joined;
using bench::Steady;

constexpr int kPicks = 1000;

GameSettings BenchSettings() {
    GameSettings settings = bench::FirstRunSettings();
    settings.fiveNumberMax = 45;
    return settings;
}

// Drawing dates, every third day from January 1, 1985 (the histories reach into the 2000s).
class DrawingDates {
public:
    std::string Next() {
        const std::string stored = TwoDigits(year_ % 100) + '/' + TwoDigits(month_) + '/' + TwoDigits(day_);
        for (int step = 0; step < 3; ++step) {
            if (++day_ > DaysInMonth()) {
                day_ = 1;
                if (++month_ > 12) {
                    month_ = 1;
                    ++year_;
                }
            }
        }
        return stored;
    }

private:
    static std::string TwoDigits(int value) {
        std::string digits = std::to_string(value);
        return digits.size() == 1 ? '0' + digits : digits;
    }
    int DaysInMonth() const {
        constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return month_ == 2 && year_ % 4 == 0 ? 29 : kDays[static_cast<std::size_t>(month_ - 1)];
    }
    int year_ = 1985;
    int month_ = 1;
    int day_ = 1;
};

struct GameShape {
    int section;
    int drawings;
    int balls;
    int maximum;
    int powerMaximum; // 0: no Power Ball
};

// One full dated section and a pick file of 1000 picks, every tenth of them a drawing in reverse order.
std::string WriteSection(const GameShape& shape, const std::string& pickFile) {
    RandomGenerator random(static_cast<std::uint32_t>(shape.section));
    DrawingDates dates;
    std::vector<std::vector<int>> drawings;
    std::string history = std::to_string(shape.section) + ' ' + std::to_string(shape.drawings);
    for (int row = 0; row < shape.drawings; ++row) {
        std::vector<int> drawing = DistinctBalls(random, shape.balls, shape.maximum);
        if (shape.powerMaximum > 0) {
            drawing.push_back(random.Next() % shape.powerMaximum + 1);
        }
        history += ' ' + dates.Next() + ' ' + Joined(drawing);
        drawings.push_back(std::move(drawing));
    }
    history += "\r\n";
    std::string picks;
    for (int pick = 0; pick < kPicks; ++pick) {
        std::vector<int> numbers = drawings[static_cast<std::size_t>(pick * 2) % drawings.size()];
        if (pick % 10 == 0) {
            std::reverse(numbers.begin(), numbers.end());
        } else {
            numbers = DistinctBalls(random, static_cast<int>(numbers.size()), shape.maximum);
        }
        picks += Joined(numbers) + "\n";
    }
    test::WriteFile(pickFile, picks);
    return history;
}

const GameShape kFiveNumber = {5, kFiveNumberCapacity, 5, 45, 0};
const GameShape kSixNumber = {7, kSixNumberCapacity, 6, 49, 0};
const GameShape kPowerballGame = {9, kPowerballCapacity, 5, 49, 42};

// A full history file with these sections, and the pick files, written once in a temporary working
// directory.
void PrepareFiles() {
    static const test::TempWorkingDir directory;
    static const bool written = [] {
        const std::vector<std::string> lines = {WriteSection(kFiveNumber, "picks5.txt"),
                                                WriteSection(kSixNumber, "picks6.txt"),
                                                WriteSection(kPowerballGame, "picksPB.txt")};
        test::WriteFile(kHistoryFileName, bench::FullHistoryWith(BenchSettings(), lines));
        return true;
    }();
    benchmark::DoNotOptimize(written);
}

std::string DisplayDate(const std::string& date) {
    return ToDisplayDate(date).value_or(date);
}

// The typed inputs of each search: the last drawing's date and numbers, the whole history's date range,
// and one ball for the partial search.
LottoInputs SearchInputs(Operation operation, const std::string& firstDate, const std::string& lastDate,
                         const std::vector<int>& lastBalls) {
    LottoInputs inputs{std::string(), DisplayDate(firstDate), DisplayDate(lastDate), std::string()};
    if (operation == kDateSearch) {
        inputs.query = DisplayDate(lastDate);
    } else if (operation == kNumberSearch) {
        inputs.query = Joined(lastBalls);
    } else if (operation == kPartialNumberSearch) {
        inputs.query.assign(1, '7');
    }
    return inputs;
}

LottoInputs InputsFor(const LottoDrawTable& table, Operation operation) {
    const int last = table.count() - 1;
    std::vector<int> balls;
    for (int position = 0; position < table.ballsPerDrawing(); ++position) {
        balls.push_back(table.Ball(last, position));
    }
    return SearchInputs(operation, table.Date(0), table.Date(last), balls);
}

LottoInputs InputsFor(const PowerballDrawTable& table, Operation operation) {
    const int last = table.count() - 1;
    std::vector<int> balls;
    for (int position = 0; position < table.ballsPerDrawing; ++position) {
        balls.push_back(table.Ball(last, position));
    }
    LottoInputs inputs = SearchInputs(operation, table.Date(0), table.Date(last), balls);
    if (operation == kNumberSearch) {
        inputs.power = std::to_string(table.PowerBall(last));
    }
    return inputs;
}

LottoDrawTable LoadedLotto(int section) {
    PrepareFiles();
    LottoDrawTable table(section);
    table.Load();
    return table;
}

PowerballDrawTable LoadedPowerball() {
    PrepareFiles();
    PowerballDrawTable table(true);
    table.Load(BenchSettings().powerballBalls);
    return table;
}

void LoadLotto(benchmark::State& state, int section) {
    PrepareFiles();
    for (auto _ : state) {
        LottoDrawTable table(section);
        benchmark::DoNotOptimize(table.Load());
    }
}

void LoadPowerball(benchmark::State& state) {
    PrepareFiles();
    for (auto _ : state) {
        PowerballDrawTable table(true);
        benchmark::DoNotOptimize(table.Load(BenchSettings().powerballBalls));
    }
}

// The section and a pick file read: what a comparison is measured against.
void LoadLottoWithPicks(benchmark::State& state, int section, const char* pickFile) {
    PrepareFiles();
    for (auto _ : state) {
        LottoDrawTable table(section);
        benchmark::DoNotOptimize(table.Load());
        benchmark::DoNotOptimize(ReadPickFile(pickFile, kPicks).lines.data());
    }
}

void LoadPowerballWithPicks(benchmark::State& state) {
    PrepareFiles();
    for (auto _ : state) {
        PowerballDrawTable table(true);
        benchmark::DoNotOptimize(table.Load(BenchSettings().powerballBalls));
        benchmark::DoNotOptimize(ReadPickFile("picksPB.txt", kPicks).lines.data());
    }
}

// One operation as the page runs it: apply, then the result list's lines or the chart's picks.
void LottoOperation(benchmark::State& state, int section, Operation operation) {
    const LottoDrawTable table = LoadedLotto(section);
    const LottoInputs inputs = InputsFor(table, operation);
    const GameSettings settings = BenchSettings();
    const SetupChoices choices;
    for (auto _ : state) {
        RandomGenerator random(1);
        const Outcome<LottoResult> result =
            ApplyLottoOperation(operation, table, inputs, settings, choices, random);
        Notices notices;
        benchmark::DoNotOptimize(LottoListLines(table, *result, notices));
        benchmark::DoNotOptimize(LottoChartPicks(table.gameType(), *result, settings, random));
    }
}

void PowerballOperation(benchmark::State& state, Operation operation) {
    const PowerballDrawTable table = LoadedPowerball();
    const LottoInputs inputs = InputsFor(table, operation);
    const GameSettings settings = BenchSettings();
    const SetupChoices choices;
    for (auto _ : state) {
        RandomGenerator random(1);
        const Outcome<LottoResult> result =
            ApplyPowerballOperation(operation, table, inputs, settings, choices, random);
        Notices notices;
        benchmark::DoNotOptimize(PowerballListLines(table, *result, notices));
        benchmark::DoNotOptimize(LottoChartPicks(kPowerball, *result, settings, random));
    }
}

void CompareLotto(benchmark::State& state, int section, const char* pickFile) {
    const LottoDrawTable table = LoadedLotto(section);
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.ComparePicks(pickFile));
    }
}

void ComparePowerball(benchmark::State& state) {
    const PowerballDrawTable table = LoadedPowerball();
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.ComparePicks("picksPB.txt"));
    }
}

const bool registered = [] {
    Steady(benchmark::RegisterBenchmark("Load/5", LoadLotto, kFiveNumber.section));
    Steady(benchmark::RegisterBenchmark("Load/6", LoadLotto, kSixNumber.section));
    Steady(benchmark::RegisterBenchmark("Load/pb", LoadPowerball));
    Steady(benchmark::RegisterBenchmark("LoadWithPicks/5", LoadLottoWithPicks, kFiveNumber.section,
                                        "picks5.txt"));
    Steady(benchmark::RegisterBenchmark("LoadWithPicks/6", LoadLottoWithPicks, kSixNumber.section,
                                        "picks6.txt"));
    Steady(benchmark::RegisterBenchmark("LoadWithPicks/pb", LoadPowerballWithPicks));
    for (const OperationEntry& entry : kOperationTable) {
        if (!HasOperation(GameFamily::kLotto, entry.operation)) {
            continue;
        }
        const Operation operation = entry.operation;
        const std::string name(entry.cliWord);
        Steady(benchmark::RegisterBenchmark(("Operation/5/" + name).c_str(), LottoOperation,
                                            kFiveNumber.section, operation));
        Steady(benchmark::RegisterBenchmark(("Operation/6/" + name).c_str(), LottoOperation,
                                            kSixNumber.section, operation));
        Steady(benchmark::RegisterBenchmark(("Operation/pb/" + name).c_str(), PowerballOperation, operation));
    }
    Steady(benchmark::RegisterBenchmark("Compare/5", CompareLotto, kFiveNumber.section, "picks5.txt"));
    Steady(benchmark::RegisterBenchmark("Compare/6", CompareLotto, kSixNumber.section, "picks6.txt"));
    Steady(benchmark::RegisterBenchmark("Compare/pb", ComparePowerball));
    return true;
}();

} // namespace
} // namespace vantorel
