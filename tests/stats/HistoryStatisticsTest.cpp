// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/HistoryStatistics.h"

#include "store/SectionReader.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

namespace vantorel {
namespace {

using test::DatedRow;

// Four 5 Number drawings of balls 1 to 11, counted by hand in the expectations below; ball 11 never came.
const std::vector<DatedRow> kFourDrawings = {{"24/01/03", {1, 2, 3, 4, 5}},
                                             {"24/01/06", {2, 3, 6, 7, 8}},
                                             {"24/01/10", {1, 3, 9, 10, 2}},
                                             {"24/01/13", {3, 4, 5, 6, 7}}};

HistoryStatistics FiveNumberStatistics(const std::vector<DatedRow>& rows,
                                       const StatisticsOptions& options = {}) {
    const Outcome<HistoryStatistics> outcome =
        ComputeStatistics(test::MakeDatedLottoTable(5, rows), test::Settings(11, 49), options);
    EXPECT_FALSE(outcome.refused());
    return outcome.value();
}

struct NumberCase {
    int number;
    int count;
    std::optional<int> currentSkip;
    std::optional<int> longestSkip;
    std::optional<double> averageSkip;
    std::optional<std::string> lastSeen;
};

TEST(HistoryStatisticsTest, CountsAndSkipsOfEveryBallMatchTheHandCount) {
    const HistoryStatistics statistics = FiveNumberStatistics(kFourDrawings);
    ASSERT_EQ(statistics.numbers.numbers.size(), 11U);
    const std::vector<NumberCase> cases = {
        {1, 2, 1, 1, 1.0, "2024-01-10"},          // in drawings 0 and 2
        {2, 3, 1, 1, 0.0, "2024-01-10"},          // 0, 1, 2
        {3, 4, 0, 0, 0.0, "2024-01-13"},          // every drawing, the newest too
        {4, 2, 0, 2, 2.0, "2024-01-13"},          // 0 and 3
        {8, 1, 2, 2, std::nullopt, "2024-01-06"}, // once: no run between two appearances
        {11, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt}, // never drawn
    };
    for (const NumberCase& expected : cases) {
        SCOPED_TRACE(expected.number);
        const NumberStatistics& number =
            statistics.numbers.numbers[static_cast<std::size_t>(expected.number - 1)];
        EXPECT_EQ(number.number, expected.number);
        EXPECT_EQ(number.count, expected.count);
        EXPECT_EQ(number.currentSkip(), expected.currentSkip);
        EXPECT_EQ(number.longestSkip(), expected.longestSkip);
        EXPECT_EQ(number.averageSkip(), expected.averageSkip);
        EXPECT_EQ(number.lastSeen() ? std::optional(number.lastSeen()->Iso()) : std::nullopt,
                  expected.lastSeen);
    }
    EXPECT_EQ(statistics.firstDate->Iso(), "2024-01-03");
    EXPECT_EQ(statistics.lastDate->Display(), "01/13/24");
}

TEST(HistoryStatisticsTest, PairsAndTriplesRankedByCountThenNumbers) {
    const HistoryStatistics statistics = FiveNumberStatistics(kFourDrawings);
    ASSERT_EQ(statistics.pairs.size(), 30U); // 40 pairs drawn, 2 + 8 of them again
    const std::vector<NumberCombination> top = {{{2, 3}, 3}, {{1, 2}, 2}, {{1, 3}, 2}, {{3, 4}, 2},
                                                {{3, 5}, 2}, {{3, 6}, 2}, {{3, 7}, 2}, {{4, 5}, 2},
                                                {{6, 7}, 2}, {{1, 4}, 1}};
    EXPECT_EQ(std::vector(statistics.pairs.begin(), statistics.pairs.begin() + 10), top);
    const std::vector<NumberCombination> topTriples = {{{1, 2, 3}, 2}, {{3, 4, 5}, 2}, {{3, 6, 7}, 2}};
    EXPECT_EQ(std::vector(statistics.triples.begin(), statistics.triples.begin() + 3), topTriples);
    EXPECT_EQ(statistics.triples[3].count, 1);
}

TEST(HistoryStatisticsTest, SumsPatternsConsecutiveAndRepeatsOfEachDrawing) {
    const HistoryStatistics statistics = FiveNumberStatistics(kFourDrawings);
    // Sums 15, 26, 25, 25.
    EXPECT_DOUBLE_EQ(*statistics.sums.mean, 22.75);
    EXPECT_NEAR(*statistics.sums.standardDeviation, std::sqrt(80.75 / 3), 1e-12);
    ASSERT_EQ(statistics.sums.histogram.size(), 12U);
    EXPECT_EQ(statistics.sums.histogram.front(), (SumCount{15, 1}));
    EXPECT_EQ(statistics.sums.histogram[10], (SumCount{25, 2}));
    EXPECT_EQ(statistics.evenOdd[2], (SplitPattern{3, 2, 1}));
    EXPECT_EQ(statistics.evenOdd[3], (SplitPattern{2, 3, 3}));
    // Half of 11 is 5: balls up to 5 are low.
    EXPECT_EQ(statistics.highLow[5], (SplitPattern{0, 5, 1}));
    EXPECT_EQ(statistics.highLow[3], (SplitPattern{2, 3, 2}));
    EXPECT_EQ(statistics.consecutive->drawingsByPairs, (std::vector<int>{0, 0, 0, 2, 2}));
    EXPECT_EQ(statistics.consecutive->drawingsWithAny, 4);
    EXPECT_DOUBLE_EQ(*statistics.repeats.meanPerDrawing, 5.0 / 3);
    EXPECT_EQ(statistics.repeats.drawingsByRepeats, (std::vector<int>{0, 1, 2, 0, 0, 0}));
    EXPECT_DOUBLE_EQ(statistics.repeats.randomExpectation, 25.0 / 11);
    ASSERT_EQ(statistics.fairness.size(), 1U);
    EXPECT_EQ(statistics.fairness[0].subject, "balls 1 to 11");
    EXPECT_EQ(statistics.fairness[0].degreesOfFreedom, 10);
    EXPECT_EQ(statistics.fairness[0].sentence, kTooFewToJudge);
}

TEST(HistoryStatisticsTest, DatedDrawingsAreTakenInDateOrderAndTheNewestNAlone) {
    std::vector<DatedRow> shuffled = {kFourDrawings[3], kFourDrawings[0], kFourDrawings[2], kFourDrawings[1]};
    EXPECT_EQ(FiveNumberStatistics(shuffled).numbers.numbers,
              FiveNumberStatistics(kFourDrawings).numbers.numbers);

    const HistoryStatistics newest = FiveNumberStatistics(kFourDrawings, {2});
    EXPECT_EQ(newest.drawingsInHistory, 4);
    EXPECT_EQ(newest.drawings, 2);
    EXPECT_EQ(newest.numbers.numbers[0].count, 1);
    EXPECT_EQ(newest.numbers.numbers[0].currentSkip(), 1);
    EXPECT_EQ(newest.numbers.numbers[0].lastSeen(), newest.firstDate);
    EXPECT_EQ(newest.firstDate->Iso(), "2024-01-10");

    const Outcome<HistoryStatistics> none =
        ComputeStatistics(test::MakeDatedLottoTable(5, kFourDrawings), test::Settings(11, 49), {0});
    ASSERT_TRUE(none.refused());
    EXPECT_EQ(none.refusal().text, "The number of newest drawings to analyse must be 1 or more.");
}

TEST(HistoryStatisticsTest, DigitPositionsBoxesPairsAndNumbers) {
    const Outcome<HistoryStatistics> outcome =
        ComputeStatistics(test::UndatedTable(kThreeNumber, {123, 112, 7, 321, 123}));
    ASSERT_FALSE(outcome.refused());
    const HistoryStatistics& statistics = *outcome;
    ASSERT_EQ(statistics.positionDigits.size(), 3U);
    EXPECT_EQ(statistics.positionDigits[0].position, "hundreds");
    EXPECT_EQ(statistics.positionDigits[0].counts, (std::array<int, 10>{1, 3, 0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(statistics.positionDigits[1].counts, (std::array<int, 10>{1, 1, 3, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(statistics.positionDigits[2].counts, (std::array<int, 10>{0, 1, 1, 2, 0, 0, 0, 1, 0, 0}));
    const std::vector<NumberCombination> boxes = {{{1, 2, 3}, 3}, {{0, 0, 7}, 1}, {{1, 1, 2}, 1}};
    EXPECT_EQ(statistics.boxCombinations, boxes);
    const std::vector<NumberCombination> pairs = {{{1, 2}, 4}, {{1, 3}, 3}, {{2, 3}, 3},
                                                  {{0, 0}, 1}, {{0, 7}, 1}, {{1, 1}, 1}};
    EXPECT_EQ(statistics.pairs, pairs);
    ASSERT_EQ(statistics.numbers.numbers.size(), 1000U);
    EXPECT_EQ(statistics.numbers.numbers[123],
              (NumberStatistics{123, 2, 0, 3, 3.0, std::nullopt})); // drawn first and last
    EXPECT_EQ(statistics.numbers.numbers[7].currentSkip(), 2);
    EXPECT_FALSE(statistics.numbers.numbers[999].currentSkip());
    EXPECT_DOUBLE_EQ(*statistics.sums.mean, 29.0 / 5);
    EXPECT_EQ(statistics.evenOdd[2], (SplitPattern{1, 2, 4})); // one even digit, two odd
    EXPECT_EQ(statistics.evenOdd[1], (SplitPattern{2, 1, 1}));
    EXPECT_DOUBLE_EQ(*statistics.repeats.meanPerDrawing, 0.5); // hundreds 1 1, then tens 2 2
    EXPECT_DOUBLE_EQ(statistics.repeats.randomExpectation, 0.3);
    ASSERT_EQ(statistics.fairness.size(), 4U);
    EXPECT_EQ(statistics.fairness[0].subject, "digits of every position");
    EXPECT_EQ(statistics.fairness[0].degreesOfFreedom, 27);
    EXPECT_EQ(statistics.fairness[3].subject, "units digits");
}

TEST(HistoryStatisticsTest, PowerBallsAreAGroupOfTheirOwn) {
    const PowerballDrawTable table = test::MakePowerballTable(
        5, {{"", {1, 2, 3, 4, 5, 7}}, {"", {6, 7, 8, 9, 10, 7}}, {"", {1, 6, 11, 12, 13, 2}}}, false);
    const Outcome<HistoryStatistics> outcome = ComputeStatistics(table, test::Settings(26, 49, 49, 42, 5));
    ASSERT_FALSE(outcome.refused());
    ASSERT_TRUE(outcome->powerBalls.has_value());
    EXPECT_EQ(outcome->powerBalls->numbers.size(), 42U);
    EXPECT_EQ(outcome->powerBalls->numbers[6].count, 2); // Power Ball 7
    EXPECT_EQ(outcome->powerBalls->numbers[6].currentSkip(), 1);
    EXPECT_EQ(outcome->numbers.numbers[6].count, 1); // ball 7 of the first group
    EXPECT_DOUBLE_EQ(*outcome->powerBallRepeats->meanPerDrawing, 0.5);
    ASSERT_EQ(outcome->fairness.size(), 2U);
    EXPECT_EQ(outcome->fairness[1].subject, "Power Balls 1 to 42");
    EXPECT_EQ(outcome->fairness[1].degreesOfFreedom, 41);
}

TEST(HistoryStatisticsTest, EmptyAndHandEditedHistoriesGiveAbsentValuesNotCrashes) {
    const HistoryStatistics empty = FiveNumberStatistics({});
    EXPECT_EQ(empty.drawings, 0);
    EXPECT_EQ(empty.numbers.numbers[0], (NumberStatistics{1, 0, {}, {}, {}, {}}));
    EXPECT_FALSE(empty.sums.mean);
    EXPECT_TRUE(empty.sums.histogram.empty());
    EXPECT_FALSE(empty.repeats.meanPerDrawing);
    EXPECT_FALSE(empty.firstDate);
    EXPECT_EQ(empty.fairness[0].sentence, kNoDrawingsToTest);

    // Ball 30 and ball 0 of a 1 to 11 game, a drawing of 3 Number beyond 999 and an impossible date.
    const HistoryStatistics edited =
        FiveNumberStatistics({{"23/02/29", {1, 2, 3, 4, 30}}, {"24/13/01", {0, 2, 3, 4, 5}}});
    EXPECT_EQ(edited.numbers.outsideRange, 2);
    EXPECT_FALSE(edited.fairness[0].statistic);
    EXPECT_FALSE(edited.firstDate); // 2023 had no February 29
    EXPECT_FALSE(edited.numbers.numbers[4].lastSeen());
    const Outcome<HistoryStatistics> digits = ComputeStatistics(test::UndatedTable(kThreeNumber, {1234, 5}));
    ASSERT_FALSE(digits.refused());
    EXPECT_EQ(digits->numbers.outsideRange, 1);
    EXPECT_EQ(digits->positionDigits[2].counts[5], 1);
    EXPECT_EQ(digits->boxCombinations.size(), 1U);
}

// Counts made independently on the real histories of the sample: every ball's count, its current skip
// and every pair, straight from the table.
class SampleHistoryTest : public testing::TestWithParam<int> {};

TEST_P(SampleHistoryTest, NumbersAndPairsMatchAnIndependentCount) {
    const HistoryText history = ReadHistoryText(test::TestDataPath("shared/sample-vtrmain.dat"));
    const GameSettings settings = test::Settings(26, 49, 49, 42, 5);
    const int section = GetParam();
    std::vector<std::vector<int>> drawings;
    Outcome<HistoryStatistics> outcome = Refusal{};
    if (section == 8 || section == 9) {
        PowerballDrawTable table(section == 9);
        table.Load(5, history);
        for (const PowerballRow& row : table.numbers) {
            drawings.emplace_back(row.begin(), row.begin() + 5);
        }
        outcome = ComputeStatistics(table, settings);
    } else {
        LottoDrawTable table(section);
        table.Load(history);
        for (const LottoRow& row : table.numbers) {
            drawings.emplace_back(row.begin(), row.begin() + table.ballsPerDrawing());
        }
        outcome = ComputeStatistics(table, settings);
    }
    ASSERT_FALSE(outcome.refused());
    ASSERT_GT(drawings.size(), 200U);
    const int newest = static_cast<int>(drawings.size()) - 1;
    for (const NumberStatistics& number : outcome->numbers.numbers) {
        int count = 0;
        std::optional<int> last;
        for (int drawing = 0; drawing <= newest; ++drawing) {
            const auto& balls = drawings[static_cast<std::size_t>(drawing)];
            if (std::find(balls.begin(), balls.end(), number.number) != balls.end()) {
                ++count;
                last = drawing;
            }
        }
        EXPECT_EQ(number.count, count) << number.number;
        EXPECT_EQ(number.currentSkip(), last ? std::optional(newest - *last) : std::nullopt) << number.number;
    }
    std::map<std::pair<int, int>, int> pairs;
    for (auto balls : drawings) {
        std::sort(balls.begin(), balls.end());
        for (std::size_t i = 0; i < balls.size(); ++i) {
            for (std::size_t j = i + 1; j < balls.size(); ++j) {
                ++pairs[{balls[i], balls[j]}];
            }
        }
    }
    ASSERT_EQ(outcome->pairs.size(), pairs.size());
    for (const NumberCombination& pair : outcome->pairs) {
        EXPECT_EQ(pair.count, (pairs[{pair.numbers[0], pair.numbers[1]}]));
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, SampleHistoryTest, testing::Values(4, 5, 6, 7, 8, 9));

} // namespace
} // namespace vantorel
