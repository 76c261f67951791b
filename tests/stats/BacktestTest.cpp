// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/Backtest.h"

#include "digit/DigitOperation.h"
#include "lotto/LottoRandomPicks.h"
#include "platform/Clock.h"
#include "stats/Distributions.h"
#include "stats/PredictionWalk.h"
#include "stats/StatsTexts.h"
#include "stats/TimeOrder.h"
#include "store/SectionReader.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

namespace vantorel {
namespace {

using backtest_detail::DigitNumberTally;
using backtest_detail::DigitPositionTally;
using backtest_detail::LottoSevenBallTally;
using backtest_detail::PowerballGroupTally;

const GameSettings kFirstRunSettings = test::Settings(26, 49, 49, 42, 5);
const FixedClock kClock(1234);

HistoryText SampleHistory() {
    return ReadHistoryText(test::TestDataPath("shared/sample-vtrmain.dat"));
}

BacktestRequest Request(Operation operation, int warmup = kDefaultWarmup,
                        std::initializer_list<int> choices = {}) {
    BacktestRequest request;
    request.operation = operation;
    request.warmup = warmup;
    request.choices = test::Choices(choices);
    return request;
}

// Where the walk compares its prediction with the operation's on the history so far.
bool Sampled(int drawings) {
    return drawings < 3 || drawings % 37 == 0;
}

std::vector<int> NumbersOf(const std::string& text) {
    std::vector<int> numbers;
    std::istringstream words(text);
    for (int number = 0; words >> number;) {
        numbers.push_back(number);
    }
    return numbers;
}

// The digits a PickByPosition text names for each position: its digit, or the tie list of its "?".
std::vector<std::vector<int>> CandidatesOf(const std::string& text, int positions) {
    std::vector<std::vector<int>> tieLists;
    for (std::size_t open = text.find('('); open != std::string::npos; open = text.find('(', open + 1)) {
        std::vector<int> digits = NumbersOf(text.substr(open + 1, text.find(')', open) - open - 1));
        std::sort(digits.begin(), digits.end());
        tieLists.push_back(digits);
    }
    std::vector<std::vector<int>> candidates;
    std::size_t tie = 0;
    for (int position = 0; position < positions; ++position) {
        const char character = text[static_cast<std::size_t>(position)];
        candidates.push_back(character == '?' ? tieLists[tie++] : std::vector<int>{character - '0'});
    }
    return candidates;
}

// Overdue and Hottest, counted as the walk goes, name what the operation names on the history up to that
// drawing, at sampled points of the real sample histories.
TEST(BacktestTest, DigitTalliesMatchTheOperationOnTheHistorySoFar) {
    const HistoryText history = SampleHistory();
    for (const int section : {0, 1, 2, 3}) {
        DigitDrawTable table(section);
        table.Load(history);
        for (const Operation operation : {kOverdue, kHottest}) {
            for (const int method : {kPredictUseBalls, kPredictUseNumbers}) {
                SCOPED_TRACE(testing::Message() << "section " << section << " operation "
                                                << EntryOf(operation).caption << " method " << method);
                DigitPositionTally positions(table, PickModeOf(operation));
                DigitNumberTally numbers(table, PickModeOf(operation));
                DigitDrawTable sofar(section);
                const std::vector<int> order = TimeOrder(table.count(), table.dates);
                for (int drawing = 0; drawing <= table.count(); ++drawing) {
                    if (Sampled(drawing) || drawing == table.count()) {
                        DigitOperationRequest request;
                        request.operation = operation;
                        request.useDatedData = table.dated;
                        request.setupChoices = test::Choices({method});
                        const std::string text =
                            ApplyDigitOperation({sofar, sofar}, request, kClock).value().resultText;
                        if (method == kPredictUseBalls) {
                            ASSERT_EQ(positions.Candidates(), CandidatesOf(text, table.digitPositions()))
                                << drawing;
                        } else {
                            ASSERT_EQ(numbers.Numbers(), NumbersOf(text)) << drawing;
                        }
                    }
                    if (drawing < table.count()) {
                        const int row = order[static_cast<std::size_t>(drawing)];
                        positions.Add(row);
                        numbers.Add(row);
                        sofar.numbers.push_back(table.numbers[static_cast<std::size_t>(row)]);
                    }
                }
            }
        }
    }
}

TEST(BacktestTest, LottoTalliesMatchTheOperationOnTheHistorySoFar) {
    const HistoryText history = SampleHistory();
    for (const int section : {4, 5, 6, 7, 8, 9}) {
        for (const PickMode mode : {PickMode::Overdue, PickMode::Hottest}) {
            SCOPED_TRACE(testing::Message() << "section " << section << " mode " << static_cast<int>(mode));
            if (section >= 8) {
                PowerballDrawTable table(section == 9);
                table.Load(5, history);
                PowerballGroupTally tally(table, mode, kFirstRunSettings);
                PowerballDrawTable sofar(table.dated);
                const std::vector<int> order = TimeOrder(table.count(), table.dates);
                for (int drawing = 0; drawing <= table.count(); ++drawing) {
                    if (Sampled(drawing)) {
                        std::vector<int> first;
                        std::vector<int> power;
                        sofar.SevenPerGroup(first, power, mode, kFirstRunSettings);
                        first.resize(std::min<std::size_t>(first.size(), 7));
                        power.resize(std::min<std::size_t>(power.size(), 7));
                        ASSERT_EQ(tally.Picks(), first) << drawing;
                        ASSERT_EQ(tally.PowerPicks(), power) << drawing;
                    }
                    if (drawing < table.count()) {
                        const auto row = static_cast<std::size_t>(order[static_cast<std::size_t>(drawing)]);
                        tally.Add(static_cast<int>(row));
                        sofar.numbers.push_back(table.numbers[row]);
                        sofar.powerBalls.push_back(table.powerBalls[row]);
                    }
                }
                continue;
            }
            LottoDrawTable table(section);
            table.Load(history);
            LottoSevenBallTally tally(table, mode, table.GameMaximum(kFirstRunSettings));
            LottoDrawTable sofar(section);
            const std::vector<int> order = TimeOrder(table.count(), table.dates);
            for (int drawing = 0; drawing <= table.count(); ++drawing) {
                if (Sampled(drawing)) {
                    ASSERT_EQ(tally.Picks(), NumbersOf(sofar.SevenBalls(mode, kFirstRunSettings).value()))
                        << drawing;
                }
                if (drawing < table.count()) {
                    const int row = order[static_cast<std::size_t>(drawing)];
                    tally.Add(row);
                    sofar.numbers.push_back(table.numbers[static_cast<std::size_t>(row)]);
                }
            }
        }
    }
}

// Drawing j of each cycle of eight takes the six highest balls of 1 .. 48 not yet drawn in the cycle. Once
// a drawing is counted, its balls lead the Hottest list (ties go to the lower ball), so a prediction that
// saw the drawing would name all six; made from the drawings before it, Hottest names none of them.
TEST(BacktestTest, AHistoryThatRewardsLookingAheadScoresNothing) {
    std::vector<std::vector<int>> rows;
    for (int cycle = 0; cycle < 8; ++cycle) {
        for (int drawing = 0; drawing < 8; ++drawing) {
            const int highest = 48 - 6 * drawing;
            rows.push_back({highest - 5, highest - 4, highest - 3, highest - 2, highest - 1, highest});
        }
    }
    const LottoDrawTable table = test::MakeLottoTable(6, rows);
    const GameSettings settings = test::Settings(26, 48);
    for (int row = 8; row < table.count(); ++row) {
        LottoDrawTable seen = test::MakeLottoTable(6, {rows.begin(), rows.begin() + row + 1});
        const std::vector<int> lookingAhead = NumbersOf(seen.SevenBalls(PickMode::Hottest, settings).value());
        for (const int ball : rows[static_cast<std::size_t>(row)]) {
            ASSERT_NE(std::find(lookingAhead.begin(), lookingAhead.end(), ball), lookingAhead.end()) << row;
        }
    }

    const Outcome<BacktestResult> outcome = Backtest(table, settings, Request(kHottest, 8), kClock);
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome->drawingsTested, 56);
    EXPECT_TRUE(std::all_of(outcome->tested.begin(), outcome->tested.end(),
                            [](const TestedDrawing& tested) { return tested.matches == 0; }));
    EXPECT_EQ(outcome->picks.meanMatches, 0.0);
    EXPECT_NEAR(outcome->picks.randomExpectation, 7.0 * 6 / 48, 1e-12);
    EXPECT_EQ(outcome->picks.verdict, kWorseThanRandom);
    EXPECT_FALSE(outcome->seed.has_value());
}

// 999, 888, ... 000 over and over: counted, each drawing's digit leads (or ties for the lead in) every
// position; before it, only the first drawing of a cycle, when all ten digits tie, can match.
TEST(BacktestTest, DigitPredictionsDoNotSeeTheDrawingTheyPredict) {
    std::vector<int> numbers;
    for (int cycle = 0; cycle < 20; ++cycle) {
        for (int digit = 9; digit >= 0; --digit) {
            numbers.push_back(digit * 111);
        }
    }
    const Outcome<BacktestResult> outcome =
        Backtest(test::UndatedTable(kThreeNumber, numbers), Request(kHottest, 10), kClock);
    ASSERT_FALSE(outcome.refused());
    for (const TestedDrawing& tested : outcome->tested) {
        ASSERT_EQ(tested.matches, tested.row % 10 == 0 ? 3 : 0) << tested.row;
    }
    EXPECT_DOUBLE_EQ(outcome->picks.meanMatches, 0.3);
    EXPECT_EQ(outcome->variant, "Use Balls");
}

TEST(BacktestTest, RandomWithASeedPlaysTheOperationsOnePickEveryDrawing) {
    const HistoryText history = SampleHistory();
    LottoDrawTable table(7);
    table.Load(history);
    BacktestRequest request = Request(kRandom);
    request.plantedSeed = 9;
    const Outcome<BacktestResult> outcome = Backtest(table, kFirstRunSettings, request, kClock);
    ASSERT_FALSE(outcome.refused());
    RandomGenerator random(9);
    const std::vector<int> pick = RandomLottoPicks(6, 49, random);
    for (const TestedDrawing& tested : outcome->tested) {
        const LottoRow& drawn = table.numbers[static_cast<std::size_t>(tested.row)];
        const auto matches = std::count_if(pick.begin(), pick.end(), [&drawn](int ball) {
            return std::find(drawn.begin(), drawn.begin() + 6, ball) != drawn.begin() + 6;
        });
        ASSERT_EQ(tested.matches, matches) << tested.row;
    }
    EXPECT_EQ(outcome->seed, 9U);
    EXPECT_EQ(outcome->drawingsTested, table.count() - 100);
    EXPECT_EQ(outcome->picks.pickCount, 6);
    EXPECT_NEAR(outcome->picks.randomExpectation, 6.0 * 6 / 49, 1e-12);
    ASSERT_EQ(outcome->picks.distribution.size(), 7U);
    EXPECT_NEAR(outcome->picks.distribution[3].randomProbability, 246820.0 / 13983816.0, 1e-15);
    EXPECT_EQ(outcome->tested.front().date->Iso(), CalendarDay::FromStored(table.dates[100])->Iso());

    // Without a seed the clock's seconds seed it, and the result says which.
    EXPECT_EQ(Backtest(table, kFirstRunSettings, Request(kBestGuess), kClock)->seed, 1234U);
}

TEST(BacktestTest, RandomExpectationsAndVerdicts) {
    struct Case {
        std::string name;
        Outcome<BacktestResult> outcome;
        double mean;
        double expectation;
        std::string_view verdict;
    };
    // 120 drawings of the same number or balls: the Hottest prediction (of only the balls ever drawn)
    // always matches, Overdue by numbers names the 999 numbers never drawn.
    const DigitDrawTable fives = test::UndatedTable(kThreeNumber, std::vector<int>(120, 5));
    const LottoDrawTable same =
        test::MakeLottoTable(6, std::vector<std::vector<int>>(120, {1, 2, 3, 4, 5, 6}));
    const PowerballDrawTable power =
        test::MakePowerballTable(5, std::vector<test::DatedRow>(120, {"", {1, 2, 3, 4, 5, 7}}), false);
    std::vector<Case> cases;
    cases.push_back({"digit hottest by position", Backtest(fives, Request(kHottest), kClock), 3.0, 0.3,
                     kBetterThanRandom});
    cases.push_back({"digit hottest by numbers",
                     Backtest(fives, Request(kHottest, 100, {kPredictUseNumbers}), kClock), 1.0, 0.001,
                     kBetterThanRandom});
    cases.push_back({"digit overdue by numbers",
                     Backtest(fives, Request(kOverdue, 100, {kPredictUseNumbers}), kClock), 0.0, 0.999,
                     kWorseThanRandom});
    cases.push_back({"lotto hottest", Backtest(same, kFirstRunSettings, Request(kHottest), kClock), 6.0,
                     36.0 / 49, kBetterThanRandom});
    cases.push_back({"power ball hottest", Backtest(power, kFirstRunSettings, Request(kHottest), kClock), 5.0,
                     25.0 / 49, kBetterThanRandom});
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        ASSERT_FALSE(test.outcome.refused());
        EXPECT_DOUBLE_EQ(test.outcome->picks.meanMatches, test.mean);
        EXPECT_NEAR(test.outcome->picks.randomExpectation, test.expectation, 1e-12);
        EXPECT_EQ(test.outcome->picks.verdict, test.verdict);
        double total = 0.0;
        for (const MatchCount& row : test.outcome->picks.distribution) {
            total += row.randomProbability;
        }
        EXPECT_NEAR(total, 1.0, 1e-12);
    }
    const GroupBacktest& powerBalls = *cases.back().outcome->powerBalls;
    EXPECT_EQ(powerBalls.pickCount, 1); // only Power Ball 7 was ever drawn
    EXPECT_DOUBLE_EQ(powerBalls.meanMatches, 1.0);
    EXPECT_NEAR(powerBalls.randomExpectation, 1.0 / 42, 1e-15);
}

// A few drawings that all matched alike have no spread of their own: the interval takes the spread random
// picks would show, so that two or three drawings cannot make a verdict.
TEST(BacktestTest, FewAlikeDrawingsKeepTheSpreadOfRandomPicks) {
    struct Case {
        std::string name;
        std::vector<int> numbers;
        double mean;
        std::string_view verdict;
    };
    const std::vector<Case> cases = {
        {"never matched", {111, 222, 333, 444}, 0.0, kNoBetterThanRandom},
        {"always matched", {555, 555, 555}, 3.0, kBetterThanRandom},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        const Outcome<BacktestResult> outcome =
            Backtest(test::UndatedTable(kThreeNumber, test.numbers), Request(kHottest, 1), kClock);
        ASSERT_FALSE(outcome.refused());
        const GroupBacktest& picks = outcome->picks;
        EXPECT_DOUBLE_EQ(picks.meanMatches, test.mean);
        ASSERT_TRUE(picks.ci95);
        // Each position matches a random digit with a chance of at least 1 in 10.
        const double tested = static_cast<double>(outcome->drawingsTested);
        EXPECT_GE(picks.ci95->high - picks.meanMatches, kNormalQuantile975 * std::sqrt(3 * 0.09 / tested));
        EXPECT_DOUBLE_EQ(picks.meanMatches - picks.ci95->low, picks.ci95->high - picks.meanMatches);
        EXPECT_EQ(picks.verdict, test.verdict);
    }
}

TEST(BacktestTest, RandomDigitsAreScoredByPosition) {
    std::vector<int> numbers(150);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        numbers[i] = static_cast<int>(i * 7 % 1000);
    }
    BacktestRequest request = Request(kRandom, 50);
    request.plantedSeed = 3;
    const Outcome<BacktestResult> outcome =
        Backtest(test::UndatedTable(kThreeNumber, numbers), request, kClock);
    ASSERT_FALSE(outcome.refused());
    RandomGenerator random(3);
    const std::string pick = RandomDigits(3, random);
    for (const TestedDrawing& tested : outcome->tested) {
        const std::string drawn =
            std::to_string(1000 + numbers[static_cast<std::size_t>(tested.row)]).substr(1);
        int matches = 0;
        for (std::size_t position = 0; position < 3; ++position) {
            matches += pick[position] == drawn[position] ? 1 : 0;
        }
        ASSERT_EQ(tested.matches, matches) << drawn;
    }
    EXPECT_NEAR(outcome->picks.randomExpectation, 0.3, 1e-12);
    EXPECT_NEAR(outcome->picks.distribution[1].randomProbability, 0.243, 1e-15);
}

TEST(BacktestTest, RefusalsNameTheProblem) {
    const DigitDrawTable digits = test::DatedTable(kThreeNumber, {{"24/01/01", 1}, {"24/01/02", 2}});
    const LottoDrawTable lotto = test::MakeLottoTable(4, std::vector<std::vector<int>>(5, {1, 2, 3, 4, 5}));
    struct Case {
        Outcome<BacktestResult> outcome;
        std::string message;
    };
    const std::vector<Case> cases = {
        {Backtest(digits, Request(kTotals), kClock), std::string(kNotAPrediction)},
        {Backtest(digits, Request(kHottest, -1), kClock), std::string(kWarmupNegative)},
        {Backtest(digits, Request(kHottest, 2), kClock),
         "The dated 3 Number history holds 2 drawings: a backtest with 2 warm-up drawings needs at least 3."},
        {Backtest(digits, Request(kOverdue, 1, {kPredictByMonth}), kClock),
         std::string(kRestrictedPrediction)},
        {Backtest(lotto, test::Settings(46, 49), Request(kHottest, 1), kClock),
         "Present 5 Ball Game maximum is Too Large.\nCannot continue...Operation Aborted."},
        {Backtest(lotto, test::Settings(4, 49), Request(kRandom, 1), kClock),
         "5BC is 4: fewer balls than the 5 a 5 Number drawing takes."},
    };
    for (const Case& test : cases) {
        ASSERT_TRUE(test.outcome.refused()) << test.message;
        EXPECT_EQ(test.outcome.refusal().text, test.message);
    }
    // The restriction concerns dated histories only, as in the operation.
    EXPECT_TRUE(
        Backtest(test::UndatedTable(kThreeNumber, {1, 2}), Request(kOverdue, 1, {kPredictByMonth}), kClock));
}

TEST(BacktestTest, ProgressIsReportedAndCancellingStopsTheWalk) {
    const LottoDrawTable table =
        test::MakeLottoTable(4, std::vector<std::vector<int>>(1100, {1, 2, 3, 4, 5}));
    std::vector<std::pair<int, int>> reports;
    BacktestControl control;
    control.progress = [&reports](int tested, int toTest) {
        reports.emplace_back(tested, toTest);
    };
    ASSERT_TRUE(Backtest(table, kFirstRunSettings, Request(kHottest), kClock, control));
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), std::make_pair(1000, 1000));
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
    EXPECT_LE(reports.size(), 101U);

    std::atomic<bool> cancelled = false;
    control.cancelled = &cancelled;
    control.progress = [&cancelled](int tested, int) {
        cancelled = tested >= 300;
    };
    const Outcome<BacktestResult> stopped =
        Backtest(table, kFirstRunSettings, Request(kBestGuess), kClock, control);
    ASSERT_TRUE(stopped.refused());
    EXPECT_EQ(stopped.refusal().text, kBacktestCancelled);
}

TEST(BacktestTest, DatedDrawingsAreWalkedInDateOrder) {
    const DigitDrawTable table = test::DatedTable(
        kThreeNumber, {{"24/01/03", 333}, {"99/12/31", 999}, {"24/01/02", 222}, {"00/01/01", 0}});
    const Outcome<BacktestResult> outcome = Backtest(table, Request(kHottest, 1), kClock);
    ASSERT_FALSE(outcome.refused());
    std::vector<std::string> dates;
    for (const TestedDrawing& tested : outcome->tested) {
        dates.push_back(tested.date->Iso());
    }
    EXPECT_EQ(dates, (std::vector<std::string>{"2000-01-01", "2024-01-02", "2024-01-03"}));
    // 999 first, then 000 is predicted from it alone: no digit matches.
    EXPECT_EQ(outcome->tested.front().matches, 0);
}

TEST(BacktestTest, BestGuessWithoutHistoryScoresTheRandomPicksShownInstead) {
    const LottoDrawTable table = test::MakeLottoTable(4, std::vector<std::vector<int>>(30, {1, 2, 3, 4, 5}));
    const Outcome<BacktestResult> outcome =
        Backtest(table, kFirstRunSettings, Request(kBestGuess, 0, {kBestGuessOptimistic}), kClock);
    ASSERT_FALSE(outcome.refused());
    EXPECT_EQ(outcome->variant, "Optimistic");
    EXPECT_GE(outcome->fallbackPredictions, 1);
    EXPECT_EQ(outcome->picks.pickCount, 5);
}

} // namespace
} // namespace vantorel
