// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatisticsTables.h"

#include "stats/Backtest.h"
#include "stats/HistoryStatistics.h"

#include <string>

namespace vantorel {

namespace {

Cell CellOf(const std::optional<int>& value) {
    return value ? Cell(*value) : Cell();
}

Cell CellOf(const std::optional<double>& value) {
    return value ? Cell(*value) : Cell();
}

Cell CellOf(const std::optional<CalendarDay>& day) {
    return day ? Cell(IsoDate{day->year, day->month, day->day}) : Cell();
}

// Digit games write their whole numbers with every digit, as texts; balls are numbers.
Cell NumberCell(int number, const NumberGroupStatistics& group) {
    if (group.lowest != 0) {
        return number;
    }
    const std::size_t width = std::to_string(group.highest).size();
    std::string text = std::to_string(number);
    return text.size() < width ? std::string(width - text.size(), '0') + text : text;
}

WholeNumbers ListOf(const std::vector<int>& numbers) {
    return {numbers.begin(), numbers.end()};
}

void AddNumberGroup(ResultDocument& document, std::string name, const NumberGroupStatistics& group) {
    ResultTable& table = document.AddTable(
        std::move(name), {"number", "count", "current_skip", "longest_skip", "average_skip", "last_seen"});
    for (const NumberStatistics& number : group.numbers) {
        table.AddRow({NumberCell(number.number, group), number.count, CellOf(number.currentSkip()),
                      CellOf(number.longestSkip()), CellOf(number.averageSkip()), CellOf(number.lastSeen())});
    }
}

void AddCombinations(ResultDocument& document, std::string name, const std::vector<NumberCombination>& list) {
    ResultTable& table = document.AddTable(std::move(name), {"numbers", "count"});
    for (const NumberCombination& combination : list) {
        table.AddRow({ListOf(combination.numbers), combination.count});
    }
}

void AddSplits(ResultDocument& document, std::string name, std::string first, std::string second,
               const std::vector<SplitPattern>& patterns) {
    ResultTable& table =
        document.AddTable(std::move(name), {std::move(first), std::move(second), "drawings"});
    for (const SplitPattern& pattern : patterns) {
        table.AddRow({pattern.first, pattern.second, pattern.drawings});
    }
}

CellRow FairnessRow(const FairnessResult& test) {
    return {test.subject, CellOf(test.statistic), test.statistic ? Cell(test.degreesOfFreedom) : Cell(),
            CellOf(test.pValue), test.sentence};
}

void AddFairness(ResultDocument& document, const std::vector<FairnessResult>& tests) {
    const std::vector<std::string> columns = {"subject", "statistic", "degrees_of_freedom", "p_value",
                                              "sentence"};
    ResultTable& whole = document.AddTable("fairness", columns);
    whole.single = true;
    if (!tests.empty()) {
        whole.AddRow(FairnessRow(tests.front()));
    }
    ResultTable& parts = document.AddTable("fairness_parts", columns);
    for (std::size_t i = 1; i < tests.size(); ++i) {
        parts.AddRow(FairnessRow(tests[i]));
    }
}

void AddRepeats(ResultDocument& document, const HistoryStatistics& statistics) {
    ResultTable& table = document.AddTable("repeats", {"group", "repeated", "drawings"});
    const auto add = [&table](std::string_view group, const RepeatStatistics& repeats) {
        for (std::size_t repeated = 0; repeated < repeats.drawingsByRepeats.size(); ++repeated) {
            table.AddRow({group, repeated, repeats.drawingsByRepeats[repeated]});
        }
    };
    add(statistics.numbers.name, statistics.repeats);
    if (statistics.powerBallRepeats) {
        add("Power Balls", *statistics.powerBallRepeats);
    }
}

void AddGroupFields(ResultDocument& document, const GroupBacktest& group) {
    document.fields.emplace_back("pick_count", group.pickCount);
    document.fields.emplace_back("mean_matches", group.meanMatches);
    document.fields.emplace_back("random_expectation", group.randomExpectation);
    document.fields.emplace_back("verdict", group.verdict);
}

CellRow IntervalRow(const GroupBacktest& group) {
    return group.ci95 ? CellRow{group.ci95->low, group.ci95->high} : CellRow{Cell(), Cell()};
}

void AddMatches(ResultTable& table, const GroupBacktest& group) {
    for (const MatchCount& count : group.distribution) {
        table.AddRow({group.group, count.matches, count.drawings, count.share, count.randomProbability});
    }
}

} // namespace

void AddStatisticsTables(ResultDocument& document, const HistoryStatistics& statistics) {
    document.fields.emplace_back("drawings", statistics.drawings);
    document.fields.emplace_back("drawings_in_history", statistics.drawingsInHistory);
    document.fields.emplace_back("first_date", CellOf(statistics.firstDate));
    document.fields.emplace_back("last_date", CellOf(statistics.lastDate));
    AddNumberGroup(document, "numbers", statistics.numbers);
    if (statistics.powerBalls) {
        AddNumberGroup(document, "power_balls", *statistics.powerBalls);
    }
    AddCombinations(document, "pairs", statistics.pairs);
    const bool digitGame = !statistics.positionDigits.empty();
    if (digitGame) {
        ResultTable& positions = document.AddTable("position_digits", {"position", "digit", "count"});
        for (const PositionDigits& position : statistics.positionDigits) {
            for (std::size_t digit = 0; digit < position.counts.size(); ++digit) {
                positions.AddRow({position.position, digit, position.counts[digit]});
            }
        }
        AddCombinations(document, "box_combinations", statistics.boxCombinations);
    } else {
        AddCombinations(document, "triples", statistics.triples);
    }
    ResultTable& sums = document.AddTable("sums", {"mean", "std"});
    sums.single = true;
    sums.AddRow({CellOf(statistics.sums.mean), CellOf(statistics.sums.standardDeviation)});
    ResultTable& sumCounts = document.AddTable("sum_counts", {"sum", "drawings"});
    for (const SumCount& sum : statistics.sums.histogram) {
        sumCounts.AddRow({sum.sum, sum.drawings});
    }
    AddSplits(document, "even_odd", "even", "odd", statistics.evenOdd);
    AddSplits(document, "high_low", "high", "low", statistics.highLow);
    if (statistics.consecutive) {
        ResultTable& consecutive = document.AddTable("consecutive", {"pairs", "drawings"});
        for (std::size_t pairs = 0; pairs < statistics.consecutive->drawingsByPairs.size(); ++pairs) {
            consecutive.AddRow({pairs, statistics.consecutive->drawingsByPairs[pairs]});
        }
    }
    AddRepeats(document, statistics);
    AddFairness(document, statistics.fairness);
}

void AddBacktestTables(ResultDocument& document, const BacktestResult& result) {
    document.fields.emplace_back("operation", result.operation);
    document.fields.emplace_back("variant", result.variant.empty() ? Cell() : Cell(result.variant));
    document.fields.emplace_back("warmup", result.warmup);
    document.fields.emplace_back("seed", result.seed ? Cell(*result.seed) : Cell());
    document.fields.emplace_back("drawings_tested", result.drawingsTested);
    AddGroupFields(document, result.picks);
    ResultTable& matches =
        document.AddTable("matches", {"group", "matches", "drawings", "share", "random_probability"});
    AddMatches(matches, result.picks);
    if (result.powerBalls) {
        AddMatches(matches, *result.powerBalls);
    }
    ResultTable& interval = document.AddTable("ci95", {"low", "high"});
    interval.single = true;
    interval.AddRow(IntervalRow(result.picks));
    if (result.powerBalls) {
        const GroupBacktest& powerBalls = *result.powerBalls;
        ResultTable& power = document.AddTable("power_balls", {"pick_count", "mean_matches", "ci95_low",
                                                               "ci95_high", "random_expectation", "verdict"});
        power.single = true;
        const CellRow powerInterval = IntervalRow(powerBalls);
        power.AddRow({powerBalls.pickCount, powerBalls.meanMatches, powerInterval[0], powerInterval[1],
                      powerBalls.randomExpectation, powerBalls.verdict});
    }
}

} // namespace vantorel
