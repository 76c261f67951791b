// SPDX-License-Identifier: GPL-3.0-or-later
// The player's tickets checked against a full Power Ball history: 1000 tickets of today's Powerball
// (5 of 69 + 1 of 26) against 2079 dated drawings, every ticket played in every drawing (2079000 plays),
// next to the Totals operation on the same history. Compare "Tickets/pb/check" with "Totals/pb", and
// "LoadAndTickets/pb" (what the command does after reading the history file: the section read, the tickets
// file read, the check and its lines, written kWinLinesPerPiece at a time) with "LoadAndTotals/pb".

#include "bench/BenchHistories.h"
#include "bench/SteadyBench.h"
#include "lotto/LottoOperations.h"
#include "lotto/PowerballDrawTable.h"
#include "platform/GameSettings.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "store/HistoryFile.h"
#include "tests/support/TestFiles.h"
#include "tickets/BuiltInPrizeTables.h"
#include "tickets/TicketCheck.h"
#include "tickets/TicketReports.h"
#include "tickets/TicketsFile.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace vantorel {
namespace {

using bench::DistinctBalls;
using bench::Joined;
using bench::Steady;

constexpr int kTickets = 1000;
constexpr char kTicketsFile[] = "tickets.txt";

GameSettings PowerballSettings() {
    GameSettings settings = bench::FirstRunSettings();
    settings.powerballGroup1Max = 69;
    settings.powerballGroup2Max = 26;
    settings.powerballBalls = 5;
    return settings;
}

TicketGame Game() {
    return TicketGameOf(kPowerball, PowerballSettings());
}

std::string TwoDigits(unsigned value) {
    return value < 10 ? '0' + std::to_string(value) : std::to_string(value);
}

// A full dated Power Ball section, drawings on Wednesdays and Saturdays from January 2006.
std::string PowerballSection() {
    using namespace std::chrono;
    RandomGenerator random(9);
    sys_days day = sys_days(year(2006) / January / 4);
    std::string line = "9 " + std::to_string(kPowerballCapacity);
    for (int drawing = 0; drawing < kPowerballCapacity; ++drawing) {
        const year_month_day date(day);
        line += ' ' + TwoDigits(static_cast<unsigned>(static_cast<int>(date.year()) % 100)) + '/' +
                TwoDigits(static_cast<unsigned>(date.month())) + '/' +
                TwoDigits(static_cast<unsigned>(date.day()));
        line += ' ' + Joined(DistinctBalls(random, 5, 69)) + ' ' + std::to_string(random.Next() % 26 + 1);
        day += days(drawing % 2 == 0 ? 3 : 4);
    }
    return line + "\r\n";
}

std::string TicketsText() {
    RandomGenerator random(24);
    std::string text = "# 1000 Powerball tickets\n";
    for (int ticket = 0; ticket < kTickets; ++ticket) {
        text += Joined(DistinctBalls(random, 5, 69)) + " + " + std::to_string(random.Next() % 26 + 1) + '\n';
    }
    return text;
}

void PrepareFiles() {
    static const test::TempWorkingDir directory;
    static const bool written = [] {
        test::WriteFile(kHistoryFileName, bench::FullHistoryWith(PowerballSettings(), {PowerballSection()}));
        test::WriteFile(kTicketsFile, TicketsText());
        return true;
    }();
    benchmark::DoNotOptimize(written);
}

PowerballDrawTable LoadedPowerball() {
    PrepareFiles();
    PowerballDrawTable table(true);
    table.Load(PowerballSettings().powerballBalls);
    return table;
}

ReportLines TotalsLines(const PowerballDrawTable& table) {
    RandomGenerator random(1);
    const Outcome<LottoResult> result =
        ApplyPowerballOperation(kTotals, table, LottoInputs{}, PowerballSettings(), SetupChoices(), random);
    Notices notices;
    return PowerballListLines(table, *result, notices);
}

// The check and its report as the command writes them: the history made ready, every ticket compared,
// the win lines formatted a piece at a time and the summary. Gives the characters written.
std::size_t TicketLines(const PowerballDrawTable& table, TicketsReading tickets) {
    const TicketCheck check = CheckTickets(Game(), std::move(tickets.tickets), DrawingsOf(table),
                                           PrizeTableFor(Game(), "powerball"))
                                  .value();
    std::size_t written = 0;
    for (std::size_t first = 0; first < check.wins.size(); first += kWinLinesPerPiece) {
        written += WinLines(check, first, kWinLinesPerPiece).text().size();
    }
    return written + SummaryLines(check).text().size();
}

void Totals(benchmark::State& state) {
    const PowerballDrawTable table = LoadedPowerball();
    for (auto _ : state) {
        benchmark::DoNotOptimize(TotalsLines(table));
    }
}

void ReadTickets(benchmark::State& state) {
    PrepareFiles();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ReadTicketsFile(kTicketsFile, Game()));
    }
}

void CheckOnly(benchmark::State& state) {
    const PowerballDrawTable table = LoadedPowerball();
    const TicketsReading tickets = ReadTicketsFile(kTicketsFile, Game());
    const DrawingsToCheck drawings = DrawingsOf(table);
    const PrizeTable prizes = PrizeTableFor(Game(), "powerball");
    for (auto _ : state) {
        benchmark::DoNotOptimize(CheckTickets(Game(), tickets.tickets, drawings, prizes));
    }
}

void CheckWithLines(benchmark::State& state) {
    const PowerballDrawTable table = LoadedPowerball();
    const TicketsReading tickets = ReadTicketsFile(kTicketsFile, Game());
    state.counters["wins"] = static_cast<double>(
        CheckTickets(Game(), tickets.tickets, DrawingsOf(table), PrizeTableFor(Game(), "powerball"))
            .value()
            .wins.size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(TicketLines(table, tickets));
    }
}

void LoadAndTotals(benchmark::State& state) {
    PrepareFiles();
    for (auto _ : state) {
        PowerballDrawTable table(true);
        table.Load(PowerballSettings().powerballBalls);
        benchmark::DoNotOptimize(TotalsLines(table));
    }
}

void LoadAndTickets(benchmark::State& state) {
    PrepareFiles();
    for (auto _ : state) {
        PowerballDrawTable table(true);
        table.Load(PowerballSettings().powerballBalls);
        benchmark::DoNotOptimize(TicketLines(table, ReadTicketsFile(kTicketsFile, Game())));
    }
}

const bool registered = [] {
    Steady(benchmark::RegisterBenchmark("Totals/pb", Totals));
    Steady(benchmark::RegisterBenchmark("Tickets/pb/read", ReadTickets));
    Steady(benchmark::RegisterBenchmark("Tickets/pb/check", CheckOnly));
    Steady(benchmark::RegisterBenchmark("Tickets/pb/check-and-lines", CheckWithLines));
    Steady(benchmark::RegisterBenchmark("LoadAndTotals/pb", LoadAndTotals));
    Steady(benchmark::RegisterBenchmark("LoadAndTickets/pb", LoadAndTickets));
    return true;
}();

} // namespace
} // namespace vantorel
