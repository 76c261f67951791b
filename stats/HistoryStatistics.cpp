// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/HistoryStatistics.h"

#include "digit/DigitDigits.h"
#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"
#include "stats/StatisticsParts.h"
#include "stats/StatsTexts.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace vantorel {

using stats_detail::DrawingDates;
using stats_detail::FlatDrawings;

NumberStatistics::NumberStatistics(int theNumber, int timesDrawn, std::optional<int> current,
                                   std::optional<int> longest, std::optional<double> average,
                                   std::optional<CalendarDay> day)
    : number(theNumber), count(timesDrawn), currentSkip_(current.value_or(kAbsentSkip)),
      longestSkip_(longest.value_or(kAbsentSkip)), averageSkip_(average.value_or(kAbsentMean)),
      lastSeen_(day.value_or(CalendarDay{})) {}

namespace {

constexpr std::array<std::string_view, 4> kFourPositions = {"thousands", "hundreds", "tens", "units"};

// The name of each digit position, highest first.
std::vector<std::string> PositionNames(int positions) {
    const auto first = kFourPositions.end() - positions;
    return {first, kFourPositions.end()};
}

std::optional<Refusal> RefusedOptions(const StatisticsOptions& options) {
    if (options.lastDrawings && *options.lastDrawings < 1) {
        return Refusal{std::string(kLastDrawingsTooFew)};
    }
    return std::nullopt;
}

// The header of the record: the game, the history and the span of drawings analysed.
HistoryStatistics StartRecord(int gameType, bool dated, int drawingsInHistory, const DrawingDates& dates) {
    HistoryStatistics statistics;
    statistics.gameType = gameType;
    statistics.dated = dated;
    statistics.drawingsInHistory = drawingsInHistory;
    statistics.drawings = static_cast<int>(dates.rows.size());
    if (statistics.drawings > 0) {
        statistics.firstDate = dates.At(0);
        statistics.lastDate = dates.At(statistics.drawings - 1);
    }
    return statistics;
}

std::string RangeName(std::string_view name, int lowest, int highest) {
    return std::string(name) + ' ' + std::to_string(lowest) + " to " + std::to_string(highest);
}

// The statistics every lotto game shares, on the balls of its drawings (Power Ball: the first group).
template <typename IsHigh>
void AddBallStatistics(HistoryStatistics& statistics, const FlatDrawings& balls, int maximum, IsHigh isHigh,
                       const DrawingDates& dates) {
    statistics.numbers = stats_detail::CountNumberGroup("balls", 1, maximum, balls, dates);
    const stats_detail::DistinctBalls distinct = stats_detail::DistinctBallsOf(balls, maximum);
    statistics.pairs = stats_detail::CountBallPairs(distinct, maximum);
    statistics.triples = stats_detail::TopBallTriples(distinct, maximum, kTopTriples);
    statistics.sums = stats_detail::SumsOf(balls);
    statistics.evenOdd = stats_detail::SplitPatternsOf(balls, [](int ball) { return ball % 2 == 0; });
    statistics.highLow = stats_detail::SplitPatternsOf(balls, isHigh);
    statistics.consecutive = stats_detail::ConsecutiveOf(distinct);
    const double perDrawing = balls.width;
    statistics.repeats = stats_detail::RepeatsOf(balls, false, perDrawing * perDrawing / maximum);
    statistics.fairness.push_back(ChiSquareFairness(RangeName("balls", 1, maximum),
                                                    stats_detail::CountsOf(statistics.numbers), balls.count(),
                                                    balls.width, statistics.numbers.outsideRange));
}

std::optional<Refusal> RefusedMaximum(std::string_view key, int maximum, int balls, int gameType) {
    if (maximum >= balls) {
        return std::nullopt;
    }
    return Refusal{MaximumTooSmallText(key, maximum, balls, gameType)};
}

} // namespace

Outcome<HistoryStatistics> ComputeStatistics(const DigitDrawTable& table, const StatisticsOptions& options) {
    if (const std::optional<Refusal> refusal = RefusedOptions(options)) {
        return *refusal;
    }
    const DrawingDates dates =
        stats_detail::AnalysedDrawings(table.count(), table.dates, table.dated, options.lastDrawings);
    const int positions = table.digitPositions();
    FlatDrawings numbers{1, {}};
    FlatDrawings digits{positions, {}};
    numbers.values.reserve(dates.rows.size());
    digits.values.reserve(dates.rows.size() * static_cast<std::size_t>(std::max(positions, 0)));
    for (const int row : dates.rows) {
        const int number = table.numbers[static_cast<std::size_t>(row)];
        numbers.values.push_back(number);
        if (const auto drawn = digit_detail::DigitsOf(number, positions)) {
            for (int position = 0; position < positions; ++position) {
                digits.values.push_back((*drawn)[static_cast<std::size_t>(position)]);
            }
        }
    }
    HistoryStatistics statistics = StartRecord(table.game(), table.dated, table.count(), dates);
    statistics.numbers =
        stats_detail::CountNumberGroup("numbers", 0, table.numberRange() - 1, numbers, dates);
    const std::vector<std::string> names = PositionNames(positions);
    std::vector<FairnessResult> positionTests;
    for (int position = 0; position < positions; ++position) {
        PositionDigits counts{names[static_cast<std::size_t>(position)], {}};
        for (int drawing = 0; drawing < digits.count(); ++drawing) {
            ++counts.counts[static_cast<std::size_t>(
                digits.Drawing(drawing)[static_cast<std::size_t>(position)])];
        }
        positionTests.push_back(
            ChiSquareFairness(counts.position + " digits", counts.counts, digits.count(), 1, 0));
        statistics.positionDigits.push_back(std::move(counts));
    }
    statistics.pairs = stats_detail::CountDigitPairs(digits);
    statistics.boxCombinations = stats_detail::CountBoxCombinations(digits);
    statistics.sums = stats_detail::SumsOf(digits);
    statistics.evenOdd = stats_detail::SplitPatternsOf(digits, [](int digit) { return digit % 2 == 0; });
    statistics.highLow = stats_detail::SplitPatternsOf(digits, [](int digit) { return digit > 4; });
    statistics.repeats = stats_detail::RepeatsOf(digits, true, positions / 10.0);
    statistics.fairness.push_back(CombinedFairness("digits of every position", positionTests));
    statistics.fairness.insert(statistics.fairness.end(), positionTests.begin(), positionTests.end());
    return statistics;
}

Outcome<HistoryStatistics> ComputeStatistics(const LottoDrawTable& table, const GameSettings& settings,
                                             const StatisticsOptions& options) {
    const int maximum = table.GameMaximum(settings);
    const int perDrawing = table.ballsPerDrawing();
    if (const std::optional<Refusal> refusal = RefusedOptions(options)) {
        return *refusal;
    }
    if (const std::optional<Refusal> refusal = RefusedMaximum(
            table.gameType() == kFiveNumber ? kKey5BC : kKey6BC, maximum, perDrawing, table.gameType())) {
        return *refusal;
    }
    const DrawingDates dates =
        stats_detail::AnalysedDrawings(table.count(), table.dates, table.dated, options.lastDrawings);
    FlatDrawings balls{perDrawing, {}};
    for (const int row : dates.rows) {
        const LottoRow& drawn = table.numbers[static_cast<std::size_t>(row)];
        balls.values.insert(balls.values.end(), drawn.begin(), drawn.begin() + perDrawing);
    }
    HistoryStatistics statistics = StartRecord(table.gameType(), table.dated, table.count(), dates);
    // High - Low of the 5 and 6 Number games: a ball up to half the maximum is low.
    AddBallStatistics(
        statistics, balls, maximum, [half = maximum / 2](int ball) { return ball > half; }, dates);
    return statistics;
}

Outcome<HistoryStatistics> ComputeStatistics(const PowerballDrawTable& table, const GameSettings& settings,
                                             const StatisticsOptions& options) {
    const int maximum = settings.powerballGroup1Max;
    const int powerMaximum = settings.powerballGroup2Max;
    const int perDrawing = table.ballsPerDrawing;
    if (const std::optional<Refusal> refusal = RefusedOptions(options)) {
        return *refusal;
    }
    if (const std::optional<Refusal> refusal = RefusedMaximum(kKeyPBC, maximum, perDrawing, kPowerball)) {
        return *refusal;
    }
    if (const std::optional<Refusal> refusal = RefusedMaximum(kKeyPBB, powerMaximum, 1, kPowerball)) {
        return *refusal;
    }
    const DrawingDates dates =
        stats_detail::AnalysedDrawings(table.count(), table.dates, table.dated, options.lastDrawings);
    FlatDrawings balls{perDrawing, {}};
    FlatDrawings powerBalls{1, {}};
    for (const int row : dates.rows) {
        const PowerballRow& drawn = table.numbers[static_cast<std::size_t>(row)];
        balls.values.insert(balls.values.end(), drawn.begin(), drawn.begin() + perDrawing);
        powerBalls.values.push_back(table.powerBalls[static_cast<std::size_t>(row)]);
    }
    HistoryStatistics statistics = StartRecord(kPowerball, table.dated, table.count(), dates);
    // High - Low of the Power Ball game: a ball below half the maximum is low, half of it is high.
    AddBallStatistics(
        statistics, balls, maximum, [half = maximum / 2](int ball) { return ball >= half; }, dates);
    statistics.powerBalls = stats_detail::CountNumberGroup("Power Balls", 1, powerMaximum, powerBalls, dates);
    statistics.powerBallRepeats = stats_detail::RepeatsOf(powerBalls, true, 1.0 / powerMaximum);
    statistics.fairness.push_back(ChiSquareFairness(
        RangeName("Power Balls", 1, powerMaximum), stats_detail::CountsOf(*statistics.powerBalls),
        powerBalls.count(), 1, statistics.powerBalls->outsideRange));
    return statistics;
}

} // namespace vantorel
