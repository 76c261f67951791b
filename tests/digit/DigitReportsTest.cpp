#include "digit/DigitReports.h"
#include "platform/MessageBox.h"
#include "store/CalendarDates.h"
#include "tests/digit/DigitTestTables.h"

#include <gtest/gtest.h>

namespace vantorel {
namespace {

using test::Choices;
using test::DatedTable;
using test::UndatedTable;
using Lines = std::vector<std::string>;

TEST(DigitReports, TotalsListDrawnNumbersFromTheHighestDownPadded) {
    EXPECT_EQ(ReportTotals(1, UndatedTable(1, {45, 9999, 999, 5, 45}).CountTotals()),
              (Lines{" 9999  has come in  1  time(s)", " 0999  has come in  1  time(s)",
                     " 0045  has come in  2  time(s)", " 0005  has come in  1  time(s)"}));
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
        {1, kOverdue, "45", {" The most overdue number is  0045"}},
        {0, kOverdue, "5\n17\n", {" Overdue Numbers (there were ties) are :  ", "  005", "  017"}},
        {1, kHottest, "7\n1234\n", {" Hottest Numbers (there were ties) are :  ", "  0007", "  1234"}},
        // Left empty by "Too damn many switches": the heading alone.
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
        std::string expected;
    } cases[] = {
        {1, 0, kEvenOddCountBalls, 10, 16, 14, " Balls are 53% Even  -  47% Odd"},
        // Exactly one half rounds down: 12.5 and 87.5.
        {1, 0, kEvenOddCountNumbers, 8, 1, 7, " Numbers are 12% Even  -  87% Odd"},
        // 4 Number balls: four to a drawing.
        {2, 1, kHighLowCountBalls, 5, 11, 9, " Balls are 55% High  -  45% Low"},
        // An empty history has no share: 0 percent, not a division by zero.
        {2, 0, kHighLowCountNumbers, 0, 0, 0, " Numbers are 0% High  -  0% Low"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AddDigitStatisticLine(c.kind, c.game, Choices({c.choice}), c.draws, c.first, c.second),
                  Lines{c.expected});
    }
    EXPECT_EQ(AddDigitStatisticLine(1, 2, Choices({}), 10, 5, 5), Lines{});
}

TEST(DigitReports, AStoredDateOfTheWrongLengthIsReportedAndShownAsStored) {
    RecordingMessageSink sink;
    const ScopedMessageSink installed(sink);
    ResetLastGoodDate();
    const DigitDrawTable dated = DatedTable(0, {{"98/01/03", 7}, {"98/1/05", 45}});
    EXPECT_EQ(ReportNumberMatches(0, {0, 1, 9}, true, {dated, dated}),
              (Lines{"007 came in on 01/03/98", "045 came in on 98/1/05"}));
    EXPECT_EQ(sink.texts(), Lines{"Date Length Error at 01/03/98"});
    // The Date report shows the stored date as it is, without converting it.
    EXPECT_EQ(ReportDateMatches(0, {1}, dated), Lines{"045 came in on 98/1/05"});
}

} // namespace
} // namespace vantorel
