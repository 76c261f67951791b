#include "digit/DigitDrawTable.h"
#include "platform/Clock.h"
#include "platform/Operations.h"
#include "platform/RandomGenerator.h"
#include "platform/SetupChoices.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vantorel {
namespace {

using test::UndatedTable;

SetupChoices With(std::initializer_list<int> choices) {
    SetupChoices setup;
    for (const int choice : choices) {
        setup.Choose(choice);
    }
    return setup;
}

TEST(DigitStatistics, EvenOddAndHighLowCountBallsOrNumbers) {
    const struct {
        int game;
        std::vector<int> numbers;
        int operation;
        int choice;
        CountPair expected;
    } cases[] = {
        // 007: the leading zeros are even, low digits.
        {0, {7}, kEvenOdd, kEvenOddCountBalls, {2, 1}},
        {0, {7}, kEvenOdd, kEvenOddCountNumbers, {0, 1}},
        {0, {7}, kHighLow, kHighLowCountBalls, {1, 2}},
        {0, {7}, kHighLow, kHighLowCountNumbers, {0, 1}},
        {0, {500, 499, 999, 0}, kHighLow, kHighLowCountNumbers, {2, 2}},
        {1, {5000, 4999}, kHighLow, kHighLowCountNumbers, {1, 1}},
        {1, {5000, 4999}, kHighLow, kHighLowCountBalls, {4, 4}},
        {1, {1234}, kEvenOdd, kEvenOddCountBalls, {2, 2}},
        // A number outside the game's range has no digits, but is still even or high as a number.
        {0, {1234, 8}, kEvenOdd, kEvenOddCountBalls, {3, 0}},
        {0, {1234, 8}, kEvenOdd, kEvenOddCountNumbers, {2, 0}},
        {0, {1234, 8}, kHighLow, kHighLowCountNumbers, {1, 1}},
        {0, {}, kEvenOdd, kEvenOddCountBalls, {0, 0}},
    };
    for (const auto& c : cases) {
        const DigitDrawTable table = UndatedTable(c.game, c.numbers);
        const SetupChoices choices = With({c.choice});
        const CountPair counts =
            c.operation == kEvenOdd ? table.CountEvenOdd(choices) : table.CountHighLow(choices);
        EXPECT_EQ(counts, c.expected)
            << "game " << c.game << " operation " << c.operation << " choice " << c.choice << " first number "
            << (c.numbers.empty() ? -1 : c.numbers.front());
    }
}

TEST(DigitStatistics, DecilesAddToTheGivenCountsAtTheirBounds) {
    std::array<int, 10> deciles{};
    deciles.fill(1);
    UndatedTable(0, {900, 899, 100, 99, 0, 999, 1500, -3}).CountDeciles(deciles, 1000.0);
    EXPECT_EQ(deciles, (std::array<int, 10>{4, 2, 1, 1, 1, 1, 1, 1, 2, 4}));

    std::array<int, 10> fourNumber{};
    UndatedTable(1, {9000, 8999, 1000, 999}).CountDeciles(fourNumber, 10000.0);
    EXPECT_EQ(fourNumber, (std::array<int, 10>{1, 1, 0, 0, 0, 0, 0, 0, 1, 1}));
}

TEST(DigitStatistics, DigitCountsTakeLeadingZerosAsZero) {
    std::array<int, 10> counts{};
    UndatedTable(0, {7, 45, 123}).CountDigits(counts);
    EXPECT_EQ(counts, (std::array<int, 10>{3, 1, 1, 1, 1, 1, 0, 1, 0, 0}));
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), 0), 9);

    std::array<int, 10> fourNumber{};
    UndatedTable(1, {7}).CountDigits(fourNumber);
    EXPECT_EQ(fourNumber[0], 3);
    EXPECT_EQ(fourNumber[7], 1);
}

TEST(DigitStatistics, TotalsCountEachNumberOfTheGame) {
    const std::vector<int> totals = UndatedTable(0, {7, 7, 123, 1500, -1}).CountTotals();
    ASSERT_EQ(totals.size(), 1000u);
    EXPECT_EQ(totals[7], 2);
    EXPECT_EQ(totals[123], 1);
    EXPECT_EQ(std::accumulate(totals.begin(), totals.end(), 0), 3);
    EXPECT_EQ(UndatedTable(1, {}).CountTotals().size(), 10000u);
}

std::string Repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) {
        result += text;
    }
    return result;
}

TEST(DigitStatistics, PickByPositionNamesTheDigitOrTheTiedDigits) {
    const std::string allHot = "  ( 0 1 2 3 4 5 6 7 8 9 )";
    const std::string allOverdue = "  ( 9 8 7 6 5 4 3 2 1 0 )";
    const struct {
        int game;
        std::vector<int> numbers;
        int mode;
        std::string expected;
    } cases[] = {
        {0, {374, 374, 123}, kHottest, "374"},
        {0, {324, 364, 324, 364, 314}, kHottest, "3?4  ( 2 6 )"},
        {0, {123, 456}, kHottest, "???  ( 1 4 )  ( 2 5 )  ( 3 6 )"},
        {0, {123}, kOverdue, "???  ( 9 8 7 6 5 4 3 2 0 )  ( 9 8 7 6 5 4 3 1 0 )  ( 9 8 7 6 5 4 2 1 0 )"},
        {0, {}, kHottest, "???" + Repeated(allHot, 3)},
        {0, {}, kOverdue, "???" + Repeated(allOverdue, 3)},
        {0, {}, kBestGuess, "???" + Repeated(allOverdue, 3)},
        {1, {1234, 1234, 5678}, kHottest, "1234"},
        {1, {}, kHottest, "????" + Repeated(allHot, 4)},
        // 5000 has no 3 Number digits and is passed over.
        {0, {5000, 123}, kHottest, "123"},
        {0, {123}, kRandom, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).PickByPosition(c.mode), c.expected)
            << "game " << c.game << " mode " << c.mode << " count " << c.numbers.size();
    }
}

std::vector<int> EveryNumberExcept(int range, std::vector<int> missing, int times = 1) {
    std::vector<int> numbers;
    for (int round = 0; round < times; ++round) {
        for (int n = 0; n < range; ++n) {
            if (std::find(missing.begin(), missing.end(), n) == missing.end()) {
                numbers.push_back(n);
            }
        }
    }
    return numbers;
}

TEST(DigitStatistics, PickByNumberGivesOneNumberOrTheTiedNumbersEachOnALine) {
    std::vector<int> twiceExcept5And17 = EveryNumberExcept(1000, {5, 17}, 2);
    twiceExcept5And17.push_back(5);
    twiceExcept5And17.push_back(17);
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
        {0, twiceExcept5And17, kOverdue, "5\n17\n"},
        {1, {1234, 1234, 7}, kHottest, "1234"},
        {0, {7}, kBestGuess, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).PickByNumber(c.mode), c.expected)
            << "game " << c.game << " mode " << c.mode << " count " << c.numbers.size();
    }
}

TEST(DigitStatistics, PickByNumberOfAnEmptyTableListsEveryNumber) {
    for (const int mode : {kHottest, kOverdue}) {
        const std::string threeNumber = UndatedTable(0, {}).PickByNumber(mode);
        EXPECT_EQ(std::count(threeNumber.begin(), threeNumber.end(), '\n'), 1000);
        EXPECT_EQ(threeNumber.substr(0, 6), "0\n1\n2\n");
        EXPECT_EQ(threeNumber.substr(threeNumber.size() - 8), "998\n999\n");
        const std::string fourNumber = UndatedTable(1, {}).PickByNumber(mode);
        EXPECT_EQ(std::count(fourNumber.begin(), fourNumber.end(), '\n'), 10000);
    }
}

TEST(DigitStatistics, RandomDigitsTakeTheLastDigitOfEachValue) {
    ScriptedRandom scripted({12345, 7, 32760, 1});
    EXPECT_EQ(RandomDigits(3, scripted), "570");
    EXPECT_EQ(RandomDigits(4, scripted), "1570");

    const FixedClock clock(1000);
    EXPECT_EQ(RandomDigits(3, 17, clock), RandomDigits(3, 17, FixedClock(2000))) << "a planted seed repeats";
    EXPECT_EQ(RandomDigits(4, 0, clock), RandomDigits(4, 0, clock));
    RandomGenerator clockSeeded(1000);
    EXPECT_EQ(RandomDigits(4, 0, clock), RandomDigits(4, clockSeeded)) << "no seed: the clock seeds";
}

} // namespace
} // namespace vantorel
