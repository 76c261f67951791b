#include "digit/DigitReports.h"
#include "platform/MessageBox.h"
#include "store/CalendarDates.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::DatedTable;
using test::UndatedTable;
using Lines = std::vector<std::string>;

SetupChoices With(std::initializer_list<int> choices) {
    SetupChoices setup;
    for (const int choice : choices) {
        setup.Choose(choice);
    }
    return setup;
}

TEST(DigitReports, TotalsListDrawnNumbersFromTheHighestDown) {
    EXPECT_EQ(ReportTotals(0, UndatedTable(0, {7, 123, 7}).CountTotals()),
              (Lines{" 123  has come in  1  time(s)", " 007  has come in  2  time(s)"}));
    EXPECT_EQ(ReportTotals(1, UndatedTable(1, {45, 9999, 1000, 999, 5}).CountTotals()),
              (Lines{" 9999  has come in  1  time(s)", " 1000  has come in  1  time(s)",
                     " 0999  has come in  1  time(s)", " 0045  has come in  1  time(s)",
                     " 0005  has come in  1  time(s)"}));
    EXPECT_EQ(ReportTotals(0, UndatedTable(0, {}).CountTotals()), Lines{});
    EXPECT_EQ(ReportTotals(2, UndatedTable(0, {7}).CountTotals()), Lines{});
}

TEST(DigitReports, PickedNumbersGiveOneNumberOrTheTieList) {
    const struct {
        int game;
        int operation;
        std::string text;
        Lines expected;
    } cases[] = {
        {0, kHottest, "7", {" The hottest number is  007"}},
        {1, kHottest, "1234", {" The hottest number is  1234"}},
        {1, kOverdue, "45", {" The most overdue number is  0045"}},
        {0, kOverdue, "5\n17\n", {" Overdue Numbers (there were ties) are :  ", "  005", "  017"}},
        {0, kHottest, "7\n123\n", {" Hottest Numbers (there were ties) are :  ", "  007", "  123"}},
        {0, kOverdue, "", {" The most overdue number is  "}},
        {0, kTotals, "7", {}},
        {3, kHottest, "7", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReportPickedNumbers(c.game, c.operation, c.text), c.expected) << c.text;
    }
}

TEST(DigitReports, StatisticLinesShowRoundedShares) {
    const struct {
        int kind;
        int game;
        int choice;
        int draws;
        int first;
        int second;
        Lines expected;
    } cases[] = {
        {1, 0, kEvenOddCountBalls, 10, 16, 14, {" Balls are 53% Even  -  47% Odd"}},
        // Exactly one half rounds down: 12.5 and 87.5.
        {1, 0, kEvenOddCountNumbers, 8, 1, 7, {" Numbers are 12% Even  -  87% Odd"}},
        {2, 1, kHighLowCountBalls, 5, 11, 9, {" Balls are 55% High  -  45% Low"}},
        {2, 0, kHighLowCountNumbers, 3, 2, 1, {" Numbers are 67% High  -  33% Low"}},
        // An empty history has no share: 0 percent, not a division by zero.
        {2, 0, kHighLowCountNumbers, 0, 0, 0, {" Numbers are 0% High  -  0% Low"}},
        {1, 1, kEvenOddCountBalls, 0, 0, 0, {" Balls are 0% Even  -  0% Odd"}},
        {1, 2, kEvenOddCountBalls, 10, 16, 14, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddDigitStatisticLine(c.kind, c.game, With({c.choice}), c.draws, c.first, c.second),
                  c.expected)
            << c.kind << " " << c.draws;
    }
}

TEST(DigitReports, OverdueAndHottestLineCarriesTheResultText) {
    EXPECT_EQ(AddDigitOverdueHottestLine(kOverdue, "3?4  ( 2 6 )"),
              Lines{" Overdue Number(s): 3?4  ( 2 6 )"});
    EXPECT_EQ(AddDigitOverdueHottestLine(kHottest, "ERROR"), Lines{" Hottest Number(s): ERROR"});
    EXPECT_EQ(AddDigitOverdueHottestLine(kTotals, "123"), Lines{});
}

class DigitMatchReportTest : public ::testing::Test {
protected:
    RecordingMessageSink sink;
    ScopedMessageSink installed{sink};
    DigitDrawTable undated = UndatedTable(0, {7, 70, 7, 7});
    DigitDrawTable dated = DatedTable(0, {{"98/01/02", 123}, {"98/01/03", 7}, {"98/1/05", 45}});
    DigitGameTables tables{undated, dated};
};

TEST_F(DigitMatchReportTest, NumberMatchesListDatedDrawingsOrCountUndatedOnes) {
    EXPECT_EQ(ReportNumberMatches(0, {0, 2, 3}, false, tables), Lines{"007 was found  3 times"});
    EXPECT_EQ(ReportNumberMatches(0, {1, 2}, false, tables), Lines{"070 was found  2 times"});
    EXPECT_EQ(ReportNumberMatches(0, {1, 0}, true, tables),
              (Lines{"007 came in on 01/03/98", "123 came in on 01/02/98"}));
    EXPECT_EQ(ReportNumberMatches(0, {}, true, tables), Lines{" Number was not found..."});
    EXPECT_EQ(ReportNumberMatches(0, {}, false, tables), Lines{" Number was not found..."});

    const DigitDrawTable fourNumber = DatedTable(1, {{"98/01/05", 45}});
    EXPECT_EQ(ReportNumberMatches(1, {0}, true, {fourNumber, fourNumber}), Lines{"0045 came in on 01/05/98"});
    EXPECT_EQ(sink.texts(), Lines{});
}

TEST_F(DigitMatchReportTest, AStoredDateOfTheWrongLengthIsReportedAndShownAsStored) {
    ResetLastGoodDate();
    EXPECT_EQ(ReportNumberMatches(0, {1, 2}, true, tables),
              (Lines{"007 came in on 01/03/98", "045 came in on 98/1/05"}));
    EXPECT_EQ(sink.texts(), Lines{"Date Length Error at 01/03/98"});
}

TEST_F(DigitMatchReportTest, DateMatchesShowTheStoredDate) {
    EXPECT_EQ(ReportDateMatches(0, {1}, dated), Lines{"007 came in on 98/01/03"});
    EXPECT_EQ(ReportDateMatches(0, {}, dated), Lines{" No data found for specified date or range..."});
    // Indexes that do not name an entry of the table are passed over.
    EXPECT_EQ(ReportDateMatches(0, {7, -1, 0}, dated), Lines{"123 came in on 98/01/02"});
}

} // namespace
} // namespace vantorel
