// SPDX-License-Identifier: GPL-3.0-or-later
// The analyses, searches, restricted predictions and Best Guess of DigitDrawTable.

#include "digit/DigitDrawTable.h"
#include "platform/MessageBox.h"
#include "platform/RandomGenerator.h"
#include "tests/digit/DigitTestTables.h"
#include "tests/support/RecordingMessageSink.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vantorel {
namespace {

using test::Choices;
using test::DatedTable;
using test::UndatedTable;
using Indexes = std::vector<int>;
using Texts = std::vector<std::string>;

TEST(DigitTable, EvenOddAndHighLowCountBallsOrNumbers) {
    const struct {
        int game;
        std::vector<int> numbers;
        int choice;
        CountPair expected;
    } cases[] = {
        // 007: the leading zeros are even, low digits.
        {0, {7}, kEvenOddCountBalls, {2, 1}},
        {0, {7}, kEvenOddCountNumbers, {0, 1}},
        {0, {7}, kHighLowCountBalls, {1, 2}},
        {1, {5000, 4999}, kHighLowCountNumbers, {1, 1}},
        {1, {5000, 4999}, kHighLowCountBalls, {4, 4}},
        // A number outside the game's range has no digits, but is still even and high as a number.
        {0, {1234, 8}, kEvenOddCountBalls, {3, 0}},
        {0, {1234, 8}, kHighLowCountNumbers, {1, 1}},
    };
    for (const auto& c : cases) {
        const DigitDrawTable table = UndatedTable(c.game, c.numbers);
        const bool evenOdd = c.choice == kEvenOddCountBalls || c.choice == kEvenOddCountNumbers;
        EXPECT_EQ(evenOdd ? table.CountEvenOdd(Choices({c.choice})) : table.CountHighLow(Choices({c.choice})),
                  c.expected)
            << "game " << c.game << " choice " << c.choice << " " << c.numbers.front();
    }
}

TEST(DigitTable, DistributionAddsToTheGivenCounts) {
    std::array<int, 10> deciles{};
    deciles.fill(1);
    UndatedTable(0, {900, 899, 100, 99, 1500, -3}).CountDeciles(deciles, 1000.0);
    EXPECT_EQ(deciles, (std::array<int, 10>{3, 2, 1, 1, 1, 1, 1, 1, 2, 3}));
    std::array<int, 10> digits{};
    UndatedTable(0, {7, 45, 123, 5000}).CountDigits(digits);
    EXPECT_EQ(digits, (std::array<int, 10>{3, 1, 1, 1, 1, 1, 0, 1, 0, 0}));
}

TEST(DigitTable, PickByPositionNamesTheDigitOrTheTiedDigits) {
    const std::string hot = "  ( 0 1 2 3 4 5 6 7 8 9 )";
    const std::string overdue = "  ( 9 8 7 6 5 4 3 2 1 0 )";
    const struct {
        int game;
        std::vector<int> numbers;
        PickMode mode;
        std::string expected;
    } cases[] = {
        {0, {374, 374, 123, 5000}, PickMode::Hottest, "374"},
        {0, {324, 364, 324, 364, 314}, PickMode::Hottest, "3?4  ( 2 6 )"},
        {0, {123, 456}, PickMode::Hottest, "???  ( 1 4 )  ( 2 5 )  ( 3 6 )"},
        {0,
         {123},
         PickMode::Overdue,
         "???  ( 9 8 7 6 5 4 3 2 0 )  ( 9 8 7 6 5 4 3 1 0 )  ( 9 8 7 6 5 4 2 1 0 )"},
        {0, {}, PickMode::Hottest, "???" + hot + hot + hot},
        {1, {}, PickMode::Overdue, "????" + overdue + overdue + overdue + overdue},
        {1, {1234, 1234, 5678}, PickMode::Hottest, "1234"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).PickByPosition(c.mode), c.expected) << c.expected;
    }
}

TEST(DigitTable, PickByNumberGivesOneNumberOrTheTiedNumbersEachOnALine) {
    std::vector<int> allBut5And17(1000);
    std::iota(allBut5And17.begin(), allBut5And17.end(), 0);
    std::erase_if(allBut5And17, [](int n) { return n == 5 || n == 17; });
    EXPECT_EQ(UndatedTable(0, {123, 123, 7, 45}).PickByNumber(PickMode::Hottest), "123");
    EXPECT_EQ(UndatedTable(0, {7, 123, 123, 7}).PickByNumber(PickMode::Hottest), "7\n123\n");
    EXPECT_EQ(UndatedTable(0, allBut5And17).PickByNumber(PickMode::Overdue), "5\n17\n");
    // With no drawing every number of the game is tied.
    const std::string all = UndatedTable(1, {}).PickByNumber(PickMode::Overdue);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 10000);
    EXPECT_EQ(all.substr(all.size() - 10), "9998\n9999\n");
}

TEST(DigitTable, NumberMatchesStraightOrAsABox) {
    EXPECT_EQ(UndatedTable(0, {7, 70, 700, 77}).FindNumber(7, Choices({kSearchStraight})), Indexes{0});
    EXPECT_EQ(UndatedTable(0, {112, 121, 211, 122, 12}).FindNumber(112, Choices({kSearchBox})),
              (Indexes{0, 1, 2}));
    EXPECT_EQ(UndatedTable(1, {1234, 4321, 2143, 1243, 1235, 234}).FindNumber(1234, Choices({kSearchBox})),
              (Indexes{0, 1, 2, 3}));
}

TEST(DigitTable, SearchesStopAt729MatchesAndDateRangesSpanTheCentury) {
    Indexes numbers(1000);
    std::iota(numbers.begin(), numbers.end(), 0);
    const Indexes first729(numbers.begin(), numbers.begin() + 729);
    EXPECT_EQ(UndatedTable(0, numbers).FindNumberRange(0, 999), first729);
    EXPECT_EQ(UndatedTable(0, numbers).FindNumberRange(500, 499), Indexes{});
    EXPECT_EQ(UndatedTable(0, Indexes(800, 7)).FindNumber(7, Choices({kSearchBox})), first729);
    EXPECT_EQ(DatedTable(0, {800, {"98/01/02", 5}}).FindDateRange("98/01/01", "98/01/03"), first729);

    const DigitDrawTable table =
        DatedTable(0, {{"99/12/29", 1}, {"99/12/30", 2}, {"00/01/01", 4}, {"00/01/02", 5}, {"00/01/03", 6}});
    EXPECT_EQ(table.FindDateRange("99/12/30", "00/01/02"), (Indexes{1, 2, 3}));
    EXPECT_EQ(table.FindDateRange("00/01/02", "99/12/30"), Indexes{});
}

TEST(DigitTable, RestrictedPickByDayMonthOrDateRange) {
    // 98/01/02 and 98/01/09 are Fridays, 98/03/16 a Monday; no drawing falls on a Wednesday.
    const DigitDrawTable table = DatedTable(0, {{"98/01/02", 123},
                                                {"98/01/03", 456},
                                                {"98/01/09", 128},
                                                {"98/02/28", 111},
                                                {"98/03/01", 222},
                                                {"98/03/15", 222},
                                                {"98/03/16", 444}});
    const struct {
        int restriction;
        std::string typed; // the first field, or From for a date range up to 3/15/98
        std::string expected;
        std::string message = {};
    } cases[] = {
        {kPredictByDay, "6", "(Friday) 12?  ( 3 8 )"},
        {kPredictByDay, "4", "NO DAYS Matching (Wednesday) found"},
        {kPredictByDay, "0", "NO DAYS Matching NULL_day found"},
        {kPredictByMonth, "3", "(Mar) 222"},
        {kPredictByMonth, "12", "NO MONTHS Matching (Dec) found"},
        {kPredictByMonth, "13", "ERROR", "      Bad Month Number!\nUse 1 (January) - 12 (December)"},
        // Both bounds are included; a year may be typed with four digits, and "\" separates too.
        {kPredictByDateRange, "03\\01\\1998", "222"},
        {kPredictByDateRange, "4/1/98", "NO DATA in Specified Range Found"},
        {kPredictByDateRange, "3-1-98", "", "Date Error"},
        {kPredictByDateRange, "13/1/98", "", "Date Error"},
    };
    for (const auto& c : cases) {
        Notices notices;
        EXPECT_EQ(table.RestrictedPick(PickMode::Hottest, c.typed, c.typed, "3/15/98",
                                       Choices({c.restriction}), notices),
                  c.expected)
            << c.typed;
        EXPECT_EQ(TextsOf(notices), c.message.empty() ? Texts{} : Texts{c.message}) << c.typed;
    }
    // A stored date that the weekday calculation rejects gives its message and ends in "ERROR".
    Notices notices;
    const DigitDrawTable impossible = DatedTable(0, {{"98/01/02", 123}, {"98/02/30", 456}});
    EXPECT_EQ(impossible.RestrictedPick(PickMode::Hottest, "6", "", "", Choices({kPredictByDay}), notices),
              "ERROR");
    EXPECT_EQ(TextsOf(notices), Texts{"FEB !LEAPYR > 28 "});
}

// Scripted values, then zeros; counts how many were drawn.
struct CountingRandom final : RandomSource {
    explicit CountingRandom(std::vector<int> scripted) : values(std::move(scripted)) {}
    int Next() override {
        const std::size_t index = drawn++;
        return index < values.size() ? values[index] : 0;
    }
    std::vector<int> values;
    std::size_t drawn = 0;
};

TEST(DigitTable, BestGuessBuildsTheGuessFromTheCandidatesOfEachPosition) {
    // More high than low numbers and more even than odd; the overdue digits are 2, 5 and 8 without ties,
    // and the hottest are tied between 0 and 6 in every position.
    const std::vector<int> leaning = {0,   111, 222, 333, 444, 555, 666, 777, 888, 999, 0,
                                      111, 322, 433, 544, 665, 776, 887, 999, 0,   666};
    const struct {
        int game;
        std::vector<int> numbers;
        int strategy;
        std::vector<int> random;
        int expected;
        int drawn;
    } cases[] = {
        // Pessimistic: lowFirst and oddLast hold; 2 is preferred, 5 single, 8 single although even.
        {0, leaning, kBestGuessPessimistic, {}, 258, 0},
        // Optimistic: of the tie 0 6 only 6 is preferred; the tens tie takes any random digit; the units
        // tie 0 6 draws until an even digit comes (the first odd one is passed over).
        {0, leaning, kBestGuessOptimistic, {13, 21, 40}, 630, 3},
        // A first position tied between 1 and 3 with lowFirst: draw until 1 or 3 comes.
        {0, {123, 323}, kBestGuessOptimistic, {5, 8, 3}, 323, 3},
        // A first position tied between 1 and 3 without lowFirst: any one random digit.
        {0, {123, 123, 323, 323, 599, 699, 799, 899, 999}, kBestGuessOptimistic, {7}, 799, 1},
        // The units tied between 3 and 5 while more numbers are even (oddLast false): one random digit.
        {0, {113, 115, 113, 115, 110, 112, 114, 116, 118}, kBestGuessOptimistic, {4}, 114, 1},
        // 4 Number: the middle positions without a tie give their digit.
        {1, {1234, 1234, 5678}, kBestGuessOptimistic, {}, 1234, 0},
        // Nihilistic: 999 gives 2115, above 999, so 115; 4 Number 1234 gives 12 * 70 + 3 * 87 + 4 * 78.
        {0, {1, 2}, kBestGuessNihilistic, {9, 9, 9}, 115, 3},
        {0, {}, kBestGuessNihilistic, {0, 10, 20}, 0, 3},
        {1, {}, kBestGuessNihilistic, {1, 2, 3, 4}, 1413, 4},
    };
    for (const auto& c : cases) {
        CountingRandom random(c.random);
        EXPECT_EQ(UndatedTable(c.game, c.numbers).BestGuess(Choices({c.strategy}), random), c.expected)
            << c.expected;
        EXPECT_EQ(random.drawn, static_cast<std::size_t>(c.drawn)) << c.expected;
    }
    // A generator that never yields a wanted digit cannot hang it: the first preferred candidate is taken.
    CountingRandom onlyZeros({});
    EXPECT_EQ(UndatedTable(0, {123, 323}).BestGuess(Choices({kBestGuessOptimistic}), onlyZeros), 123);
}

} // namespace
} // namespace vantorel
