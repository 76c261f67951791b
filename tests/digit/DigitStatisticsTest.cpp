#include "digit/DigitDrawTable.h"
#include "platform/Operations.h"
#include "platform/SetupChoices.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::Choices;
using test::UndatedTable;

TEST(DigitStatistics, EvenOddAndHighLowCountBallsOrNumbers) {
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
        {0, {7}, kHighLowCountNumbers, {0, 1}},
        {1, {5000, 4999}, kHighLowCountNumbers, {1, 1}},
        {1, {5000, 4999}, kHighLowCountBalls, {4, 4}},
        // A number outside the game's range has no digits, but is still even and high as a number.
        {0, {1234, 8}, kEvenOddCountBalls, {3, 0}},
        {0, {1234, 8}, kHighLowCountNumbers, {1, 1}},
    };
    for (const auto& c : cases) {
        const DigitDrawTable table = UndatedTable(c.game, c.numbers);
        const bool evenOdd = c.choice == kEvenOddCountBalls || c.choice == kEvenOddCountNumbers;
        const CountPair counts =
            evenOdd ? table.CountEvenOdd(Choices({c.choice})) : table.CountHighLow(Choices({c.choice}));
        EXPECT_EQ(counts, c.expected)
            << "game " << c.game << " choice " << c.choice << " " << c.numbers.front();
    }
}

TEST(DigitStatistics, DistributionAddsToTheGivenCounts) {
    std::array<int, 10> deciles{};
    deciles.fill(1);
    UndatedTable(0, {900, 899, 100, 99, 1500, -3}).CountDeciles(deciles, 1000.0);
    EXPECT_EQ(deciles, (std::array<int, 10>{3, 2, 1, 1, 1, 1, 1, 1, 2, 3}));

    std::array<int, 10> digits{};
    UndatedTable(0, {7, 45, 123, 5000}).CountDigits(digits);
    EXPECT_EQ(digits, (std::array<int, 10>{3, 1, 1, 1, 1, 1, 0, 1, 0, 0}));
}

TEST(DigitStatistics, PickByPositionNamesTheDigitOrTheTiedDigits) {
    const std::string hot = "  ( 0 1 2 3 4 5 6 7 8 9 )";
    const std::string overdue = "  ( 9 8 7 6 5 4 3 2 1 0 )";
    const struct {
        int game;
        std::vector<int> numbers;
        int mode;
        std::string expected;
    } cases[] = {
        {0, {374, 374, 123, 5000}, kHottest, "374"},
        {0, {324, 364, 324, 364, 314}, kHottest, "3?4  ( 2 6 )"},
        {0, {123, 456}, kHottest, "???  ( 1 4 )  ( 2 5 )  ( 3 6 )"},
        {0, {123}, kOverdue, "???  ( 9 8 7 6 5 4 3 2 0 )  ( 9 8 7 6 5 4 3 1 0 )  ( 9 8 7 6 5 4 2 1 0 )"},
        {0, {}, kHottest, "???" + hot + hot + hot},
        {1, {}, kBestGuess, "????" + overdue + overdue + overdue + overdue},
        {1, {1234, 1234, 5678}, kHottest, "1234"},
        {0, {123}, kRandom, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).PickByPosition(c.mode), c.expected) << c.expected;
    }
}

std::vector<int> EveryNumberExcept(int range, const std::vector<int>& missing) {
    std::vector<int> numbers;
    for (int n = 0; n < range; ++n) {
        if (std::find(missing.begin(), missing.end(), n) == missing.end()) {
            numbers.push_back(n);
        }
    }
    return numbers;
}

TEST(DigitStatistics, PickByNumberGivesOneNumberOrTheTiedNumbersEachOnALine) {
    const struct {
        int game;
        std::vector<int> numbers;
        int mode;
        std::string expected;
    } cases[] = {
        {0, {123, 123, 7, 45}, kHottest, "123"},
        {0, {7, 123, 123, 7}, kHottest, "7\n123\n"},
        {0, EveryNumberExcept(1000, {5, 17}), kOverdue, "5\n17\n"},
        {0, EveryNumberExcept(1000, {42}), kOverdue, "42"},
        {1, {1234, 1234, 7}, kHottest, "1234"},
        {0, {7}, kBestGuess, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).PickByNumber(c.mode), c.expected) << c.expected;
    }
    // With no drawing every number of the game is tied.
    const std::string all = UndatedTable(1, {}).PickByNumber(kOverdue);
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 10000);
    EXPECT_EQ(all.substr(all.size() - 10), "9998\n9999\n");
}

} // namespace
} // namespace vantorel
