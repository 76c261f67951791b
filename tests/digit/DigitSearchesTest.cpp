#include "digit/DigitDrawTable.h"
#include "platform/MessageBox.h"
#include "platform/Operations.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

#include <numeric>

namespace vantorel {
namespace {

using test::Choices;
using test::DatedTable;
using test::UndatedTable;
using Indexes = std::vector<int>;

TEST(DigitSearches, NumberMatchesStraightOrAsABoxWithLeadingZeros) {
    const struct {
        int game;
        std::vector<int> numbers;
        int query;
        int match;
        Indexes expected;
    } cases[] = {
        {0, {7, 70, 700, 77, 707}, 7, kSearchBox, {0, 1, 2}},
        {0, {7, 70, 700, 77, 707}, 7, kSearchStraight, {0}},
        {0, {112, 121, 211, 122, 12}, 112, kSearchBox, {0, 1, 2}},
        {1, {1234, 4321, 2143, 1243, 1235, 234}, 1234, kSearchBox, {0, 1, 2, 3}},
        {1, {1234, 4321, 2143}, 1234, kSearchStraight, {0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(UndatedTable(c.game, c.numbers).FindNumber(c.query, Choices({c.match})), c.expected)
            << c.query;
    }
}

TEST(DigitSearches, SearchesStopAt729Matches) {
    std::vector<int> numbers(1000);
    std::iota(numbers.begin(), numbers.end(), 0);
    Indexes first729(729);
    std::iota(first729.begin(), first729.end(), 0);
    EXPECT_EQ(UndatedTable(0, numbers).FindNumberRange(0, 999), first729);
    EXPECT_EQ(UndatedTable(0, numbers).FindNumberRange(500, 499), Indexes{});
    EXPECT_EQ(UndatedTable(0, Indexes(800, 7)).FindNumber(7, Choices({})), first729);
    EXPECT_EQ(DatedTable(0, std::vector<test::DatedDrawing>(800, {"98/01/02", 5}))
                  .FindDateRange("98/01/01", "98/01/03"),
              first729);
}

TEST(DigitSearches, DateSearchesKeepTheFirstOfADayAndSpanTheCentury) {
    const DigitDrawTable table = DatedTable(0, {{"99/12/29", 1},
                                                {"99/12/30", 2},
                                                {"99/12/31", 3},
                                                {"00/01/01", 4},
                                                {"00/01/01", 5},
                                                {"00/01/03", 6}});
    EXPECT_EQ(table.FindDate("00/01/01"), Indexes{3});
    EXPECT_EQ(table.FindDate("00/01/02"), Indexes{});
    EXPECT_EQ(table.FindDateRange("99/12/30", "00/01/02"), (Indexes{1, 2, 3, 4}));
    EXPECT_EQ(table.FindDateRange("00/01/02", "99/12/30"), Indexes{});
}

TEST(DigitSearches, RestrictedPickByDayMonthOrDateRange) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
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
        int mode;
        std::string typed; // the first field, or From for a date range
        std::string expected;
        std::string message = {};
    } cases[] = {
        {kPredictByDay, kHottest, "6", "(Friday) 12?  ( 3 8 )"},
        {kPredictByDay, kHottest, "2", "(Monday) 444"},
        {kPredictByDay, kHottest, "4", "NO DAYS Matching (Wednesday) found"},
        {kPredictByDay, kOverdue, "0", "NO DAYS Matching NULL_day found"},
        {kPredictByDay, kHottest, "8", "ERROR", "       Bad Day Number!\nUse 1 (Sunday) - 7 (Saturday)"},
        {kPredictByMonth, kHottest, "3", "(Mar) 222"},
        {kPredictByMonth, kHottest, "12", "NO MONTHS Matching (Dec) found"},
        {kPredictByMonth, kHottest, "13", "ERROR",
         "      Bad Month Number!\nUse 1 (January) - 12 (December)"},
        // Both bounds are included; a year may be typed with four digits, and "\" separates too.
        {kPredictByDateRange, kHottest, "3/1/98", "222"},
        {kPredictByDateRange, kHottest, "03\\01\\1998", "222"},
        {kPredictByDateRange, kHottest, "4/1/98", "NO DATA in Specified Range Found"},
        {kPredictByDateRange, kHottest, "3-1-98", "", "Date Error"},
        {kPredictByDateRange, kHottest, "13/1/98", "", "Date Error"},
        {kPredictByDateRange, kHottest, "3/1", "", "Date Error"},
        {kPredictByDateRange, kBestGuess, "3/1/98", "ERROR"},
    };
    for (const auto& c : cases) {
        sink.Clear();
        const std::string to = c.typed == "3/2/98" ? "3/14/98" : "3/15/98";
        EXPECT_EQ(table.RestrictedPick(c.mode, c.typed, c.typed, to, Choices({c.restriction})), c.expected)
            << c.typed;
        EXPECT_EQ(sink.texts(),
                  c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message})
            << c.typed;
    }
}

TEST(DigitSearches, AStoredDateTheWeekdayCalculationRejectsEndsInError) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    const DigitDrawTable table = DatedTable(0, {{"98/01/02", 123}, {"98/02/30", 456}, {"98/01/09", 128}});
    EXPECT_EQ(table.RestrictedPick(kHottest, "6", "", "", Choices({kPredictByDay})), "ERROR");
    EXPECT_EQ(sink.texts(), std::vector<std::string>{"FEB !LEAPYR > 28 "});
}

} // namespace
} // namespace vantorel
