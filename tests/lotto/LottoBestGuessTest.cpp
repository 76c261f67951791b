// SPDX-License-Identifier: GPL-3.0-or-later
#include "lotto/LottoBestGuess.h"
#include "lotto/LottoRandomPicks.h"
#include "platform/Operations.h"
#include "tests/lotto/LottoTestTables.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using namespace test;
using Picks = std::vector<int>;
using enum BestGuessStrategy;

const Picks kHottest = {1, 3, 5, 8, 10, 2, 7};
const Picks kOverdue = {4, 9, 6, 11, 13, 20, 15};
const Picks kAllOdd = {1, 3, 5, 7, 9, 11, 13};
const Picks kAllEven = {2, 4, 6, 8, 10, 12, 14};

struct GuessCase {
    std::string name;
    Picks hottest;
    Picks overdue;
    BestGuessStrategy strategy;
    std::vector<int> random;
    Picks picks;
};

TEST(FiveNumberBestGuess, QuotaPassesFallbacksAndNihilistic) {
    const std::vector<GuessCase> cases = {
        {"odd draw, optimistic", kHottest, kOverdue, Optimistic, {1}, {1, 3, 8, 9, 4}},
        {"even draw, pessimistic", kHottest, kOverdue, Pessimistic, {2}, {1, 8, 9, 4, 6}},
        {"odd draw, pessimistic", kHottest, kOverdue, Pessimistic, {1}, {1, 8, 9, 11, 4}},
        {"even draw, optimistic", kHottest, kOverdue, Optimistic, {2}, {1, 8, 10, 9, 4}},
        {"optimistic fallback", kAllOdd, kAllEven, Optimistic, {1}, {1, 3, 5, 8, 10}},
        {"pessimistic fallback", kAllOdd, kAllEven, Pessimistic, {1}, {1, 3, 6, 8, 10}},
        {"nihilistic odd, odd", kHottest, kOverdue, Nihilistic, {1, 3}, {1, 3, 5, 8, 10}},
        {"nihilistic odd, even", kHottest, kOverdue, Nihilistic, {1, 2}, {4, 9, 6, 11, 13}},
        {"nihilistic even, even", kHottest, kOverdue, Nihilistic, {2, 2}, {1, 3, 5, 8, 10}},
        {"nihilistic even, odd", kHottest, kOverdue, Nihilistic, {2, 1}, {4, 9, 6, 11, 13}},
        // Pass 2 starts at the second entry of H, passing over an even first entry.
        {"second pass start", {2, 1, 4, 6, 3, 5, 7}, kOverdue, Pessimistic, {2}, {1, 4, 9, 6, 20}},
        // Lists that share numbers: a number is picked once, the next one of its kind takes the slot.
        {"shared lists", {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7}, Pessimistic, {2}, {1, 2, 3, 4, 6}},
        // Too few numbers: the open slots stay 0.
        {"short lists", {1, 2}, {1, 2}, Optimistic, {1}, {1, 2, 0, 0, 0}},
    };
    for (const GuessCase& c : cases) {
        ScriptedRandom random(c.random);
        EXPECT_EQ(FiveNumberGuess(c.hottest, c.overdue, c.strategy, random), c.picks) << c.name;
    }
}

TEST(SixNumberBestGuess, QuotaPassesAlternatingFillAndNihilistic) {
    const std::vector<GuessCase> cases = {
        {"optimistic", kHottest, kOverdue, Optimistic, {0}, {1, 3, 9, 8, 10, 4}},
        {"pessimistic", kHottest, kOverdue, Pessimistic, {0}, {1, 9, 11, 8, 4, 6}},
        {"alternating fill", kAllOdd, kAllEven, Pessimistic, {0}, {2, 3, 6, 7, 10, 11}},
        {"only odd numbers", kAllOdd, {15, 17, 19, 21, 23, 25, 27}, Optimistic, {0}, {1, 15, 3, 17, 5, 19}},
        {"too few numbers", {1, 3}, {1, 3}, Pessimistic, {0}, {kNoPrediction, 3, 0, 0, 0, 0}},
        {"nihilistic", kHottest, kOverdue, Nihilistic, {2, 1}, {1, 6, 9, 10, 11, 20}},
        {"nihilistic, too few", {}, {}, Nihilistic, {2, 1}, {kNoPrediction, 0, 0, 0, 0, 0}},
    };
    for (const GuessCase& c : cases) {
        ScriptedRandom random(c.random);
        EXPECT_EQ(SixNumberGuess(c.hottest, c.overdue, c.strategy, random), c.picks) << c.name;
    }
}

TEST(PowerballBestGuess, SlotRulesByStrategyAndEvenShare) {
    struct Case {
        std::string name;
        BestGuessStrategy strategy;
        int evenShareSum;
        int firstGroupBalls;
        std::vector<int> random;
        Picks picks;
    };
    const PowerballGuessLists base{
        {12, 7, 20, 33, 5, 41, 9}, {3, 18, 25, 30, 11, 44, 8}, {4, 8, 15, 16}, {9, 11, 13}};
    const std::vector<Case> cases = {
        {"optimistic, below 100", Optimistic, 95, 5, {3}, {12, 7, 33, 18, 3, 15}},
        {"optimistic, 100 or more", Optimistic, 105, 5, {3}, {12, 20, 33, 18, 3, 4}},
        // No even Power Ball among the overdue: the entry after the random digit's position.
        {"pessimistic, below 100", Pessimistic, 95, 5, {1}, {12, 7, 18, 30, 3, 11}},
        {"pessimistic, 100 or more", Pessimistic, 100, 5, {1}, {12, 7, 18, 30, 11, 9}},
        {"four balls", Optimistic, 95, 4, {3}, {12, 7, 33, 18, 15}},
        // Digits: 3 (unused), then 1 0 1 3 2 4 pick H2 O1 (H2 again) H4 O3 O5, then 2 picks Hp3.
        {"nihilistic", Nihilistic, 95, 5, {3, 1, 0, 1, 3, 2, 4, 2}, {7, 3, 33, 25, 11, 15}},
    };
    for (const Case& c : cases) {
        PowerballGuessLists lists = base;
        lists.evenShareSum = c.evenShareSum;
        ScriptedRandom random(c.random);
        EXPECT_EQ(PowerballGuess(lists, c.firstGroupBalls, c.strategy, random), c.picks) << c.name;
    }
}

TEST(PowerballBestGuess, FallsBackToTheFixedEntries) {
    const PowerballGuessLists lists{{1, 3, 5, 7, 9, 11, 13}, {2, 4, 6, 8, 10, 12, 14}, {1, 3}, {}, 95};
    ScriptedRandom random({0});
    // Slot 1 has no even hottest number and takes H1; slot 5 has no odd overdue number and takes O2.
    EXPECT_EQ(PowerballGuess(lists, 5, Optimistic, random), (Picks{1, 3, 5, 2, 4, 1}));
}

TEST(LottoBestGuessOperation, ChecksTheGamesMaximumAndHistory) {
    SetupChoices choices;
    ScriptedRandom random({0});
    const LottoDrawTable table = MakeLottoTable(4, {{1, 2, 3, 4, 5}, {6, 7, 8, 9, 30}, {10, 11, 12, 13, 14}});

    EXPECT_EQ(BestGuess(table, Settings(45, 49), choices, random).front(), 1);
    // 6 Number: hottest 1 2 3 4 5 6 7 (1..6 twice), overdue 7 8 9 10 11 12 13; the pessimistic quotas.
    const LottoDrawTable six = MakeLottoTable(
        6, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}});
    EXPECT_EQ(BestGuess(six, Settings(26, 49), choices, random), (Picks{1, 7, 9, 2, 8, 10}));
    // The picks 1 2 3 4 6 hold one above a 5BC of 5.
    EXPECT_EQ(BestGuess(table, Settings(5, 49), choices, random).front(), kNoPrediction);
    EXPECT_EQ(BestGuess(MakeLottoTable(4, {}), Settings(45, 49), choices, random).front(), kNoPrediction);

    const Outcome<LottoResult> result =
        ApplyLottoOperation(kBestGuess, table, {}, Settings(46, 49), choices, random);
    EXPECT_EQ(result->predictionPicks.front(), kNoPrediction);
    EXPECT_TRUE(result->refused);
    EXPECT_TRUE(result->chartPending);
    EXPECT_EQ(result.notices().size(), 1u);
}

TEST(PowerballBestGuessOperation, ChecksBothGroups) {
    ScriptedRandom random({0});
    std::vector<DatedRow> rows;
    for (int i = 0; i < 10; ++i) {
        rows.push_back({"", {i + 1, i + 11, i + 21, i + 31, i + 41, i + 1}});
    }
    const PowerballDrawTable table = MakePowerballTable(5, rows, false);
    // Every ball drawn once: both lists are 1..8; the even shares add up to 100.
    EXPECT_EQ(BestGuess(table, Settings(26, 49, 50, 42), SetupChoices(), random), (Picks{2, 3, 4, 6, 7, 1}));
    // No Power Ball within a PBB of 0.
    EXPECT_EQ(BestGuess(table, Settings(26, 49, 50, 0), SetupChoices(), random).front(), kNoPrediction);
    EXPECT_EQ(BestGuess(MakePowerballTable(5, {}, false), Settings(26, 49), SetupChoices(), random).front(),
              kNoPrediction);
}

TEST(RandomPicks, DistinctNumbersInRangeWithoutEndlessWaits) {
    // Values modulo 100 until they lie in 1..maximum and differ from the picks so far.
    ScriptedRandom scripted({105, 5, 205, 0, 110, 101});
    EXPECT_EQ(RandomLottoPicks(3, 10, scripted), (Picks{5, 10, 1}));
    ScriptedRandom power({11, 7, 142});
    EXPECT_EQ(RandomPowerballPicks(1, 10, 42, power), (Picks{7, 42}));
    ScriptedRandom digits({7, 18, 29, 36});
    EXPECT_EQ(RandomDigit(digits), 6);
    RandomGenerator random(7);
    EXPECT_TRUE(RandomLottoPicks(5, 4, random).empty());
    EXPECT_TRUE(RandomPowerballPicks(5, 49, 0, random).empty());
    const Picks wide = RandomLottoPicks(6, 150, random);
    EXPECT_EQ(wide.size(), 6u);
    EXPECT_TRUE(std::all_of(wide.begin(), wide.end(), [](int pick) { return pick <= 99; }));
}

} // namespace
} // namespace vantorel
