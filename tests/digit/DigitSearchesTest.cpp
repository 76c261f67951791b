#include "digit/DigitDrawTable.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "platform/SetupChoices.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vantorel {
namespace {

using test::DatedTable;
using test::UndatedTable;

SetupChoices With(int choice) {
    SetupChoices setup;
    setup.Choose(choice);
    return setup;
}

std::vector<int> FirstIndexes(int count) {
    std::vector<int> indexes(static_cast<std::size_t>(count));
    std::iota(indexes.begin(), indexes.end(), 0);
    return indexes;
}

TEST(DigitSearches, NumberMatchesStraightOrAsABoxWithLeadingZeros) {
    const struct {
        int game;
        std::vector<int> numbers;
        int query;
        int match;
        std::vector<int> expected;
    } cases[] = {
        {0, {7, 70, 700, 77, 707}, 7, kSearchBox, {0, 1, 2}},
        {0, {7, 70, 700, 77, 707}, 7, kSearchStraight, {0}},
        {0, {112, 121, 211, 122, 12}, 112, kSearchBox, {0, 1, 2}},
        {0, {123, 132, 213, 231, 312, 321, 124}, 123, kSearchBox, {0, 1, 2, 3, 4, 5}},
        {1, {1234, 4321, 2143, 1243, 1235, 234}, 1234, kSearchBox, {0, 1, 2, 3}},
        {1, {1234, 4321, 2143, 1243, 1235}, 1234, kSearchStraight, {0}},
        {1, {7, 7000, 70}, 7, kSearchBox, {0, 1, 2}},
        {0, {}, 7, kSearchBox, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).FindNumber(c.query, With(c.match)), c.expected)
            << "game " << c.game << " query " << c.query << " match " << c.match;
    }
}

TEST(DigitSearches, SearchesStopAt729Matches) {
    std::vector<int> numbers(1000);
    std::iota(numbers.begin(), numbers.end(), 0);
    const DigitDrawTable table = UndatedTable(0, numbers);
    EXPECT_EQ(table.FindNumberRange(0, 999), FirstIndexes(729));
    EXPECT_EQ(table.FindNumberRange(500, 499), std::vector<int>{});
    EXPECT_EQ(table.FindNumberRange(10, 12), (std::vector<int>{10, 11, 12}));

    const DigitDrawTable sevens = UndatedTable(0, std::vector<int>(800, 7));
    EXPECT_EQ(sevens.FindNumber(7, With(kSearchStraight)).size(), 729u);

    std::vector<test::DatedDrawing> sameDay(800, {"98/01/02", 5});
    EXPECT_EQ(DatedTable(0, sameDay).FindDateRange("98/01/01", "98/01/03"), FirstIndexes(729));
}

TEST(DigitSearches, DateFindsTheFirstEntryOfThatDateOnly) {
    const DigitDrawTable table =
        DatedTable(0, {{"98/01/02", 123}, {"98/01/03", 7}, {"98/01/03", 45}, {"98/01/04", 5}});
    EXPECT_EQ(table.FindDate("98/01/03"), std::vector<int>{1});
    EXPECT_EQ(table.FindDate("98/01/05"), std::vector<int>{});
}

TEST(DigitSearches, DateRangeIncludesBothBoundsAcrossTheCentury) {
    const DigitDrawTable nineties = DatedTable(0, {{"98/12/29", 1},
                                                   {"98/12/30", 2},
                                                   {"98/12/31", 3},
                                                   {"99/01/01", 4},
                                                   {"99/01/02", 5},
                                                   {"99/01/03", 6}});
    EXPECT_EQ(nineties.FindDateRange("98/12/30", "99/01/02"), (std::vector<int>{1, 2, 3, 4}));

    const DigitDrawTable millennium = DatedTable(0, {{"99/12/29", 1},
                                                     {"99/12/30", 2},
                                                     {"99/12/31", 3},
                                                     {"00/01/01", 4},
                                                     {"00/01/02", 5},
                                                     {"00/01/03", 6}});
    EXPECT_EQ(millennium.FindDateRange("99/12/30", "00/01/02"), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(millennium.FindDateRange("00/01/02", "99/12/30"), std::vector<int>{});
}

class RestrictedPickTest : public ::testing::Test {
protected:
    RecordingMessageSink sink;
    ScopedMessageSink installed{sink};
    // 98/01/02 and 98/01/09 are Fridays, 98/03/16 a Monday; no drawing falls on a Wednesday.
    DigitDrawTable table = DatedTable(0, {{"98/01/02", 123},
                                          {"98/01/03", 456},
                                          {"98/01/09", 128},
                                          {"98/02/28", 111},
                                          {"98/03/01", 222},
                                          {"98/03/15", 222},
                                          {"98/03/16", 444}});
};

TEST_F(RestrictedPickTest, RestrictsToADayAMonthOrADateRange) {
    const struct {
        int restriction;
        int mode;
        std::string numberText;
        std::string fromText;
        std::string toText;
        std::string expected;
    } cases[] = {
        {kPredictByDay, kHottest, "6", "", "", "(Friday) 12?  ( 3 8 )"},
        {kPredictByDay, kHottest, "4", "", "", "NO DAYS Matching (Wednesday) found"},
        {kPredictByDay, kHottest, "2", "", "", "(Monday) 444"},
        {kPredictByDay, kOverdue, "0", "", "", "NO DAYS Matching NULL_day found"},
        {kPredictByMonth, kHottest, "3", "", "", "(Mar) 222"},
        {kPredictByMonth, kHottest, "12", "", "", "NO MONTHS Matching (Dec) found"},
        {kPredictByMonth, kOverdue, "0", "", "", "NO MONTHS Matching NULL_uary found"},
        {kPredictByDateRange, kHottest, "", "3/1/98", "3/15/98", "222"},
        {kPredictByDateRange, kHottest, "", "03\\01\\98", "3/15/1998", "222"},
        {kPredictByDateRange, kHottest, "", "3/2/98", "3/14/98", "NO DATA in Specified Range Found"},
        {kPredictByDateRange, kBestGuess, "", "3/1/98", "3/15/98", "ERROR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.RestrictedPick(c.mode, c.numberText, c.fromText, c.toText, With(c.restriction)),
                  c.expected)
            << c.restriction << " " << c.numberText << c.fromText;
    }
    EXPECT_EQ(sink.texts(), std::vector<std::string>{});
}

TEST_F(RestrictedPickTest, RefusesBadNumbersAndDatesWithTheirMessages) {
    const struct {
        int restriction;
        std::string numberText;
        std::string fromText;
        std::string expected;
        std::string message;
    } cases[] = {
        {kPredictByDay, "8", "", "ERROR", "       Bad Day Number!\nUse 1 (Sunday) - 7 (Saturday)"},
        {kPredictByMonth, "13", "", "ERROR", "      Bad Month Number!\nUse 1 (January) - 12 (December)"},
        {kPredictByDateRange, "", "3-1-98", "", "Date Error"},
        {kPredictByDateRange, "", "13/1/98", "", "Date Error"},
        {kPredictByDateRange, "", "3/32/98", "", "Date Error"},
        {kPredictByDateRange, "", "3/1", "", "Date Error"},
    };
    for (const auto& c : cases) {
        sink.Clear();
        EXPECT_EQ(table.RestrictedPick(kHottest, c.numberText, c.fromText, "3/15/98", With(c.restriction)),
                  c.expected);
        EXPECT_EQ(sink.texts(), std::vector<std::string>{c.message}) << c.numberText << c.fromText;
    }
}

TEST_F(RestrictedPickTest, AStoredDateTheWeekdayCalculationRejectsEndsInError) {
    const DigitDrawTable badDate = DatedTable(0, {{"98/01/02", 123}, {"98/02/30", 456}, {"98/01/09", 128}});
    EXPECT_EQ(badDate.RestrictedPick(kHottest, "6", "", "", With(kPredictByDay)), "ERROR");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"FEB !LEAPYR > 28 "});
}

} // namespace
} // namespace vantorel
